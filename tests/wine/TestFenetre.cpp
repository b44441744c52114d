// The main window as the user sees it: its controls, the list's columns, the clock, the
// About box and the Enter key.

#include "AideTaches.h"

#include "editor/Edition.h"
#include "framework/Controles.h"
#include "framework/Echange.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <ctime>
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

// The main window with one more pair, the "&Editer" button's text, standing for a field the user
// is typing in while the clock ticks.
class CFenetreChamp : public CFenetreEssai
{
public:
    std::string m_texte = "&Editer";

protected:
    void DoDataExchange(CEchange& echange) override
    {
        CFenetreEssai::DoDataExchange(echange);
        echange.Texte(IDC_EDITER, m_texte);
    }
};

class Fenetre : public testing::Test
{
protected:
    void SetUp() override { m_fenetre.Emprunter(m_memoire); }
    CPlanificateurMemoire m_memoire;
    CFenetreChamp m_fenetre;
};
} // namespace

TEST_F(Fenetre, LesControlesEtLesColonnesSontCeuxDuModele)
{
    LancerFenetre(m_fenetre, [](CFenetreEssai& f) {
        const HWND fenetre = f.Fenetre();
        EXPECT_EQ(TexteFenetre(fenetre), "Vidalto");
        EXPECT_TRUE(GetWindowLongPtrA(fenetre, GWL_EXSTYLE) & WS_EX_APPWINDOW);
        EXPECT_EQ(Style(fenetre) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU), WS_SYSMENU);
        EXPECT_EQ(TexteFenetre(f.Controle(IDOK)) + TexteFenetre(f.Controle(IDC_SUPPRIMER)) +
                      TexteFenetre(f.Controle(IDC_EDITER)),
                  "&Ajouter&Supprimer&Editer");
        EXPECT_EQ(LOWORD(SendMessageA(fenetre, DM_GETDEFID, 0, 0)), IDOK);
        EXPECT_EQ(GetFocus(), f.Controle(IDOK));

        // One row at a time, kept in the order the rows are inserted.
        const HWND liste = f.Controle(IDC_LISTE);
        const LONG_PTR masque =
            LVS_TYPEMASK | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SORTASCENDING | LVS_SORTDESCENDING;
        EXPECT_EQ(Style(liste) & masque, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS);
        const char* titres[] = {
            "Nom du programme", "Prochain démarrage", "Infos du Programme", "Enregistrement", "Durée", ""};
        RECT client = {};
        GetClientRect(liste, &client);
        for (int i = 0; i < 6; ++i)
        {
            char titre[64] = {};
            LVCOLUMNA colonne = {};
            colonne.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
            colonne.pszText = titre;
            colonne.cchTextMax = sizeof titre;
            const bool existe = SendMessageA(liste, LVM_GETCOLUMNA, static_cast<WPARAM>(i),
                                             reinterpret_cast<LPARAM>(&colonne));
            EXPECT_EQ(titre, std::string(titres[i])) << i;
            EXPECT_EQ(existe, i < 5);
            EXPECT_TRUE(!existe || ((colonne.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_CENTER &&
                                    colonne.cx == (client.right - client.left) / 5))
                << i;
        }
        // Icons: both sizes, and the one dragged when minimised.
        const auto icone = reinterpret_cast<LRESULT>(f.m_hIcone);
        EXPECT_NE(f.m_hIcone, nullptr);
        for (const auto& [message, parametre] :
             {std::pair<UINT, WPARAM>{WM_GETICON, ICON_BIG}, {WM_GETICON, ICON_SMALL}, {WM_QUERYDRAGICON, 0}})
            EXPECT_EQ(SendMessageA(fenetre, message, parametre, 0), icone);
    });
}

// The About entry at the end of the system menu opens its box; the clock, which shows today,
// goes on meanwhile, rewriting its own control only.
TEST_F(Fenetre, LaBoiteAProposSOuvreEtLHorlogeAvancePendantCeTemps)
{
    bool boiteVue = false;
    LancerFenetre(m_fenetre, [&](CFenetreEssai& f) {
        const HMENU menu = GetSystemMenu(f.Fenetre(), FALSE);
        const int nombre = GetMenuItemCount(menu);
        char texte[64] = {};
        GetMenuStringA(menu, IDM_APROPOS, texte, sizeof texte, MF_BYCOMMAND);
        EXPECT_STREQ(texte, "&A propos de Vidalto...");
        EXPECT_EQ(GetMenuItemID(menu, nombre - 1), static_cast<UINT>(IDM_APROPOS));
        EXPECT_TRUE(GetMenuState(menu, static_cast<UINT>(nombre - 2), MF_BYPOSITION) & MF_SEPARATOR);

        const std::string horloge = TexteFenetre(f.Controle(IDC_HORLOGE));
        SetWindowTextA(f.Controle(IDC_EDITER), "en cours");
        const std::time_t maintenant = std::time(nullptr);
        char date[16] = {};
        std::strftime(date, sizeof date, " %d/%m/%Y\n", std::localtime(&maintenant));
        EXPECT_NE(horloge.find(date), std::string::npos) << horloge;
        CDialogue::ProgrammerScript([&](CDialogue& aPropos) {
            const HWND boite = aPropos.Fenetre();
            boiteVue = true;
            EXPECT_EQ(TexteFenetre(boite), "A propos de Vidalto");
            EXPECT_EQ(GetParent(boite), f.Fenetre());
            EXPECT_NE(FindWindowExA(boite, nullptr, "Static", "Vidalto version 1.0"), nullptr);
            Attendre(1200);
            EXPECT_NE(TexteFenetre(f.Controle(IDC_HORLOGE)), horloge);
            EXPECT_EQ(TexteFenetre(f.Controle(IDC_EDITER)), "en cours");
            SendMessageA(boite, WM_COMMAND, IDOK, 0);
        });
        // The low four bits of a system command are the system's.
        SendMessageA(f.Fenetre(), WM_SYSCOMMAND, IDM_APROPOS | 0x3, 0);
        EXPECT_TRUE(IsWindow(f.Fenetre()));
    });
    EXPECT_TRUE(boiteVue);
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

// The close box releases the scheduler in its handler; Escape ends the main window without it,
// and the scheduler object must still go before COM does. On a thread of its own, where the
// window's apartment is the only one.
TEST(FinFenetre, EchapEtLaCaseDeFermetureLiberentLePlanificateurAvantCOM)
{
    for (const bool echap : {true, false})
    {
        bool comVivant = false;
        bool lance = false;
        std::thread([&] {
            CFenetreEssai fenetre;
            fenetre.m_fabrique = [&comVivant](std::unique_ptr<CPlanificateur>& p) {
                p = std::make_unique<CPlanificateurTemoin>(comVivant);
                return S_OK;
            };
            CDialogue::ProgrammerScript([&](CDialogue& f) {
                lance = true;
                if (echap)
                    PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
                else
                    PostMessageA(f.Fenetre(), WM_CLOSE, 0, 0);
            });
            fenetre.DoModal();
        }).join();
        EXPECT_TRUE(lance && comVivant) << (echap ? "Escape" : "close box");
    }
}
