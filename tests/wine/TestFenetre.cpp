// The main window as the user sees it: its controls, the list's columns, the clock, the
// About box and the Enter key.

#include "AideTaches.h"
#include "BoitesMessage.h"

#include "editor/Edition.h"
#include "framework/Controles.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <ctime>
#include <regex>
#include <thread>

namespace
{
// Dispatches the thread's messages for a while, as the modal loop of `dialogue` would.
void Attendre(DWORD millisecondes, HWND dialogue = nullptr)
{
    const DWORD debut = GetTickCount();
    while (GetTickCount() - debut < millisecondes)
    {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        {
            if (dialogue != nullptr && IsDialogMessageA(dialogue, &message))
                continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(10);
    }
}

LONG_PTR Style(HWND fenetre)
{
    return GetWindowLongPtrA(fenetre, GWL_STYLE);
}

std::string TitreColonne(HWND liste, int index)
{
    char titre[64] = {};
    LVCOLUMNA colonne = {};
    colonne.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM;
    colonne.pszText = titre;
    colonne.cchTextMax = sizeof titre;
    if (!SendMessageA(liste, LVM_GETCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&colonne)))
        return "<aucune>";
    EXPECT_EQ(colonne.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_CENTER) << index;
    EXPECT_EQ(colonne.iSubItem, index);
    return titre;
}

// The clock's text follows "Weekday dd/mm/yyyy\n\n hh:mm:ss".
const std::regex FORME_HORLOGE(
    "(Dimanche|Lundi|Mardi|Mercredi|Jeudi|Vendredi|Samedi) [0-3][0-9]/[01][0-9]/[0-9]{4}\n\n "
    "[0-2][0-9]:[0-5][0-9]:[0-6][0-9]");

class Fenetre : public testing::Test
{
protected:
    void SetUp() override { m_fenetre.Emprunter(m_memoire); }
    CPlanificateurMemoire m_memoire;
    CFenetreEssai m_fenetre;
};
} // namespace

TEST_F(Fenetre, LesControlesEtLesColonnesSontCeuxDuModele)
{
    LancerFenetre(m_fenetre, [](CFenetreEssai& f) {
        const HWND fenetre = f.Fenetre();
        EXPECT_EQ(TexteFenetre(fenetre), "Vidalto");
        EXPECT_TRUE(GetWindowLongPtrA(fenetre, GWL_EXSTYLE) & WS_EX_APPWINDOW);
        EXPECT_EQ(Style(fenetre) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
        EXPECT_TRUE(Style(fenetre) & WS_SYSMENU);

        EXPECT_EQ(TexteFenetre(f.Controle(IDOK)), "&Ajouter");
        EXPECT_EQ(Style(f.Controle(IDOK)) & 0x0F, BS_DEFPUSHBUTTON);
        EXPECT_EQ(TexteFenetre(f.Controle(IDC_SUPPRIMER)), "&Supprimer");
        EXPECT_EQ(TexteFenetre(f.Controle(IDC_EDITER)), "&Editer");
        EXPECT_EQ(LOWORD(SendMessageA(fenetre, DM_GETDEFID, 0, 0)), IDOK);
        // The focus is on the first tab stop.
        EXPECT_EQ(GetFocus(), f.Controle(IDOK));

        const HWND liste = f.Controle(IDC_LISTE);
        const LONG_PTR style = Style(liste);
        EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
        EXPECT_TRUE(style & LVS_SINGLESEL);
        EXPECT_TRUE(style & LVS_SHOWSELALWAYS);
        // The dialog manager draws a template's WS_BORDER as a sunken client edge.
        EXPECT_TRUE((style & WS_BORDER) || (GetWindowLongPtrA(liste, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
        EXPECT_TRUE(style & WS_TABSTOP);
        EXPECT_EQ(style & (LVS_SORTASCENDING | LVS_SORTDESCENDING), 0);
        EXPECT_EQ(SendMessageA(liste, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0), 0);

        const char* titres[] = {"Nom du programme", "Prochain démarrage", "Infos du Programme",
                                "Enregistrement", "Durée"};
        RECT client = {};
        GetClientRect(liste, &client);
        for (int i = 0; i < 5; ++i)
        {
            EXPECT_EQ(TitreColonne(liste, i), titres[i]);
            EXPECT_EQ(SendMessageA(liste, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i), 0),
                      (client.right - client.left) / 5)
                << i;
        }
        EXPECT_EQ(TitreColonne(liste, 5), "<aucune>");

        // Icons: both sizes, and the one dragged when minimised.
        const auto icone = reinterpret_cast<LRESULT>(f.m_hIcone);
        EXPECT_NE(f.m_hIcone, nullptr);
        EXPECT_EQ(SendMessageA(fenetre, WM_GETICON, ICON_BIG, 0), icone);
        EXPECT_EQ(SendMessageA(fenetre, WM_GETICON, ICON_SMALL, 0), icone);
        EXPECT_EQ(SendMessageA(fenetre, WM_QUERYDRAGICON, 0, 0), icone);
    });
}

TEST_F(Fenetre, LHorlogeMontreLeJourEtLHeureEtAvanceChaqueSeconde)
{
    LancerFenetre(m_fenetre, [](CFenetreEssai& f) {
        const HWND horloge = f.Controle(IDC_HORLOGE);
        const std::string avant = TexteFenetre(horloge);
        EXPECT_TRUE(std::regex_match(avant, FORME_HORLOGE)) << avant;
        // Today's weekday and date, from the C library's own reading.
        const std::time_t maintenant = std::time(nullptr);
        char date[16] = {};
        std::strftime(date, sizeof date, " %d/%m/%Y", std::localtime(&maintenant));
        EXPECT_NE(avant.find(date), std::string::npos) << avant;

        Attendre(2200);
        const std::string apres = TexteFenetre(horloge);
        EXPECT_TRUE(std::regex_match(apres, FORME_HORLOGE)) << apres;
        EXPECT_NE(apres, avant);
        EXPECT_EQ(apres, f.m_horloge);
    });
}

TEST_F(Fenetre, LEntreeAProposDuMenuSystemeOuvreLaBoiteAPropos)
{
    bool boiteVue = false;
    std::string horlogePendant;
    LancerFenetre(m_fenetre, [&](CFenetreEssai& f) {
        const HMENU menu = GetSystemMenu(f.Fenetre(), FALSE);
        const int nombre = GetMenuItemCount(menu);
        ASSERT_GE(nombre, 2);
        char texte[64] = {};
        GetMenuStringA(menu, IDM_APROPOS, texte, sizeof texte, MF_BYCOMMAND);
        EXPECT_STREQ(texte, "&A propos de Vidalto...");
        EXPECT_EQ(GetMenuItemID(menu, nombre - 1), static_cast<UINT>(IDM_APROPOS));
        EXPECT_TRUE(GetMenuState(menu, static_cast<UINT>(nombre - 2), MF_BYPOSITION) & MF_SEPARATOR);

        const std::string horlogeAvant = TexteFenetre(f.Controle(IDC_HORLOGE));
        CDialogue::ProgrammerScript([&](CDialogue& aPropos) {
            const HWND boite = aPropos.Fenetre();
            boiteVue = true;
            EXPECT_EQ(TexteFenetre(boite), "A propos de Vidalto");
            EXPECT_EQ(GetParent(boite), f.Fenetre());
            EXPECT_EQ(TexteFenetre(GetDlgItem(boite, IDOK)), "OK");
            EXPECT_NE(FindWindowExA(boite, nullptr, "Static", "Vidalto version 1.0"), nullptr);
            // The clock goes on while the box is open.
            Attendre(1200);
            horlogePendant = TexteFenetre(f.Controle(IDC_HORLOGE));
            EXPECT_NE(horlogePendant, horlogeAvant);
            SendMessageA(boite, WM_COMMAND, IDOK, 0);
        });
        // The low four bits of a system command are the system's.
        SendMessageA(f.Fenetre(), WM_SYSCOMMAND, IDM_APROPOS | 0x3, 0);
        EXPECT_TRUE(IsWindow(f.Fenetre()));
    });
    EXPECT_TRUE(boiteVue);
    EXPECT_FALSE(horlogePendant.empty());
}

TEST_F(Fenetre, EntreeLanceAjouterAussiDepuisLaListeEtLaFenetreResteOuverte)
{
    int editions = 0;
    m_fenetre.m_editeur = [&editions](CEdition&) -> INT_PTR {
        ++editions;
        return IDCANCEL;
    };
    bool ouverte = false;
    LancerFenetre(m_fenetre, [&](CFenetreEssai& f) {
        for (const int id : {IDOK, IDC_LISTE})
        {
            SetFocus(f.Controle(id));
            PostMessageA(f.Controle(id), WM_KEYDOWN, VK_RETURN, 1);
            Attendre(100, f.Fenetre());
        }
        ouverte = IsWindow(f.Fenetre()) && IsWindowVisible(f.Fenetre());
    });
    EXPECT_EQ(editions, 2);
    EXPECT_TRUE(ouverte);
    // The close box ends the dialog through its close handling: the scheduler is released.
    EXPECT_EQ(m_fenetre.m_planificateur, nullptr);
}

namespace
{
// A scheduler that notes, when it goes, whether COM was still initialised on its thread.
class CPlanificateurTemoin : public CPlanificateurMemoire
{
public:
    explicit CPlanificateurTemoin(bool& comVivant) : m_comVivant(comVivant) {}
    ~CPlanificateurTemoin() override
    {
        const HRESULT hr = CoInitialize(nullptr);
        m_comVivant = hr == S_FALSE;
        if (SUCCEEDED(hr))
            CoUninitialize();
    }

private:
    bool& m_comVivant;
};
} // namespace

// Escape ends the main window without its close handling: the scheduler object must still go
// before COM does. On a thread of its own, where the window's apartment is the only one.
TEST(FinFenetre, EchapLibereLePlanificateurAvantCOM)
{
    bool comVivant = false;
    bool lance = false;
    std::thread([&] {
        CFenetreEssai fenetre;
        fenetre.m_fabrique = [&comVivant](std::unique_ptr<CPlanificateur>& p) {
            p = std::make_unique<CPlanificateurTemoin>(comVivant);
            return S_OK;
        };
        CDialogue::ProgrammerScript([&lance](CDialogue& /*fenetre*/) {
            lance = true;
            PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
        });
        fenetre.DoModal();
    }).join();
    EXPECT_TRUE(lance);
    EXPECT_TRUE(comVivant);
}
