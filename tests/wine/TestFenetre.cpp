// The main window as the user sees it, over Wine's real Task Scheduler: what its code adds to the
// resource script (the focus, the list's columns, the icons, the system menu), the Enter key, the
// clock, the About box, its end before COM's, and a close that comes during a command.

#include "AideTaches.h"

#include "framework/Echange.h"
#include "tasks/PlanificateurCom.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <thread>

namespace
{
// Dispatches the thread's messages for a while (those waiting, at least), as the modal loop of
// `dialogue` would.
void Attendre(DWORD millisecondes, HWND dialogue)
{
    MSG message;
    const DWORD debut = GetTickCount();
    do
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            if (!IsDialogMessageA(dialogue, &message))
                DispatchMessageA(&message);
    while (GetTickCount() - debut < millisecondes && (Sleep(10), true));
}

// The main window with one more pair, the "&Editer" button's text, standing for a field the user
// is typing in while the clock ticks.
class CFenetreChamp : public CFenetreEssai
{
public:
    std::string m_texte = "&Editer";
    void DoDataExchange(CEchange& echange) override
    {
        CFenetreEssai::DoDataExchange(echange);
        echange.Texte(IDC_EDITER, m_texte);
    }
};

// A scheduler that notes, when it goes, whether COM was still initialised on its thread.
class CPlanificateurTemoin : public CPlanificateurPanne
{
public:
    CPlanificateurTemoin(std::unique_ptr<CPlanificateur> vrai, bool& comVivant)
        : CPlanificateurPanne(std::move(vrai), std::make_shared<CPannes>()), m_comVivant(comVivant)
    {
    }
    ~CPlanificateurTemoin() override
    {
        const HRESULT hr = CoInitialize(nullptr);
        m_comVivant = hr == S_FALSE;
        if (SUCCEEDED(hr))
            CoUninitialize();
    }
    bool& m_comVivant;
};
} // namespace

// The About entry at the end of the system menu opens its box; the clock, which shows today,
// goes on meanwhile, rewriting its own control only. Enter adds a programme, from the list too,
// and never ends the window.
TEST(Fenetre, LesControlesLaBoiteAProposLHorlogeEtEntree)
{
    CFenetreChamp fenetre;
    int editions = 0;
    LancerFenetre(fenetre, [&editions](CFenetreEssai& f) {
        const HWND principale = f.Fenetre();
        const HWND liste = f.Controle(IDC_LISTE);
        EXPECT_EQ(GetFocus(), f.Controle(IDOK));
        // Five columns, each centred and a fifth of the list wide ("|"), and no sixth.
        RECT client = {};
        GetClientRect(liste, &client);
        std::string colonnes;
        char titre[64] = {};
        LVCOLUMNA c = {};
        c.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
        c.pszText = titre;
        c.cchTextMax = sizeof titre;
        for (WPARAM i = 0; SendMessageA(liste, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&c)); ++i)
        {
            const bool centree = (c.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_CENTER;
            colonnes += titre + std::string(centree && c.cx == client.right / 5 ? "|" : "?");
        }
        EXPECT_EQ(colonnes, "Nom du programme|Prochain démarrage|Infos du Programme|Enregistrement|Durée|");

        // Icons: both sizes, and the one dragged when minimised.
        const HICON icone = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
        for (const auto& [message, taille] :
             {std::pair<UINT, WPARAM>{WM_GETICON, ICON_BIG}, {WM_GETICON, ICON_SMALL}, {WM_QUERYDRAGICON, 0}})
            EXPECT_EQ(SendMessageA(principale, message, taille, 0), reinterpret_cast<LRESULT>(icone));

        const HMENU menu = GetSystemMenu(principale, FALSE);
        const int nombre = GetMenuItemCount(menu);
        char texte[64] = {};
        GetMenuStringA(menu, IDM_APROPOS, texte, sizeof texte, MF_BYCOMMAND);
        EXPECT_STREQ(texte, "&A propos de Vidalto...");
        EXPECT_EQ(GetMenuItemID(menu, nombre - 1), static_cast<UINT>(IDM_APROPOS));
        EXPECT_TRUE(GetMenuState(menu, static_cast<UINT>(nombre - 2), MF_BYPOSITION) & MF_SEPARATOR);

        const std::string horloge = TexteFenetre(f.Controle(IDC_HORLOGE));
        const SYSTEMTIME aujourdhui = Jour();
        char date[16] = {};
        std::snprintf(date, sizeof date, " %02u/%02u/%u\n", aujourdhui.wDay, aujourdhui.wMonth,
                      aujourdhui.wYear);
        EXPECT_NE(horloge.find(date), std::string::npos) << horloge;
        SetWindowTextA(f.Controle(IDC_EDITER), "en cours");
        bool boiteVue = false;
        Programmer([&](HWND boite) {
            boiteVue = true;
            EXPECT_EQ(TexteFenetre(boite), "A propos de Vidalto");
            EXPECT_EQ(GetParent(boite), principale);
            EXPECT_NE(FindWindowExA(boite, nullptr, "Static", "Vidalto version 1.0"), nullptr);
            Attendre(1200, principale);
            EXPECT_NE(TexteFenetre(f.Controle(IDC_HORLOGE)), horloge);
            EXPECT_EQ(TexteFenetre(f.Controle(IDC_EDITER)), "en cours");
            SendMessageA(boite, WM_COMMAND, IDOK, 0);
        });
        // The low four bits of a system command are the system's.
        SendMessageA(principale, WM_SYSCOMMAND, IDM_APROPOS | 0x3, 0);
        EXPECT_TRUE(boiteVue);

        for (const int id : {IDOK, IDC_LISTE})
        {
            Programmer([&editions](HWND editeur) {
                ++editions;
                SendMessageA(editeur, WM_COMMAND, IDCANCEL, 0);
            });
            SetFocus(f.Controle(id));
            PostMessageA(f.Controle(id), WM_KEYDOWN, VK_RETURN, 1);
            Attendre(300, principale);
        }
        EXPECT_TRUE(IsWindowVisible(principale));
    });
    EXPECT_EQ(editions, 2);
}

// The close box releases the scheduler in its handler; Escape ends the main window without it,
// and the scheduler object must still go before COM does. COM refused at start-up (the thread's
// apartment already multithreaded) stops the program with the system's text and the sentence.
// On a thread of its own, where the window's apartment is the only one.
TEST(FinFenetre, LePlanificateurPartAvantCOMQuiPeutEtreRefuse)
{
    char refus[TAILLE_TAMPON] = {};
    CVidaltoDlg::TexteErreur(RPC_E_CHANGED_MODE, refus, sizeof refus);
    for (const std::string fin : {"Escape", "close box", "COM refused"})
    {
        const bool refuse = fin == "COM refused";
        bool comVivant = false;
        std::string vu;
        std::thread([&] {
            if (refuse)
                CoInitializeEx(nullptr, COINIT_MULTITHREADED);
            {
                const CCrochetFil crochet;
                CBoitesMessage boites;
                CFenetreEssai fenetre;
                fenetre.m_fabrique = [&comVivant](std::unique_ptr<CPlanificateur>& p) {
                    std::unique_ptr<CPlanificateur> vrai;
                    const HRESULT hr = CreerPlanificateurCom(vrai);
                    p = std::make_unique<CPlanificateurTemoin>(std::move(vrai), comVivant);
                    return hr;
                };
                Programmer([echap = fin == "Escape"](HWND f) {
                    if (echap)
                        PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
                    else
                        PostMessageA(f, WM_CLOSE, 0, 0);
                });
                vu = std::to_string(fenetre.DoModal());
                Oublier();
                for (const BoiteVue& vue : boites.m_vues)
                    vu += " " + vue.titre + ": " + vue.texte;
            }
            if (refuse)
                CoUninitialize();
        }).join();
        EXPECT_EQ(comVivant, !refuse) << fin;
        EXPECT_EQ(vu, refuse ? "1 Erreur: " + std::string(refus) + PHRASE_ADMINISTRATEUR : "2") << fin;
    }
}

// A close sent by another program while a command's editor, password dialog or "Erreur" box is
// open waits for the command's end, which leaves nothing half-made, then closes the window; a
// command sent meanwhile is dropped.
TEST(Fermeture, UneFermeturePendantUneCommandeAttendSaFin)
{
    // Posted and dispatched at once, while the dialog or box is open.
    const auto fermer = [](HWND dialogue) {
        PostMessageA(GetWindow(dialogue, GW_OWNER), WM_CLOSE, 0, 0);
        Attendre(0, dialogue);
    };
    // Where the close comes; the scheduler call failed; what the store then holds.
    const std::tuple<std::string, const char*, bool> cas[] = {
        {"editor", "", true}, {"password", "", true}, {"box", "SetParameters", false}};
    for (const auto& [pendant, panne, ajoute] : cas)
    {
        SCOPED_TRACE(pendant);
        SupprimerTachesReelles();
        const auto pannes = std::make_shared<CPannes>();
        pannes->InjecterEchec(panne, E_ACCESSDENIED);
        CBoitesMessage boites;
        if (pendant == "box")
            boites.m_pendant = fermer;
        CFenetreEssai fenetre;
        fenetre.Injecter(pannes);
        bool fermee = false;
        LancerFenetre(fenetre, [&, pendant = pendant](CFenetreEssai& f) {
            const Script editeur = Enregistrer(Saisie("Attente")), passe = Confirmer();
            Commande(f, IDOK, -1,
                     {[&](HWND d) {
                          if (pendant == "editor")
                              fermer(d);
                          editeur(d);
                      },
                      [&](HWND d) {
                          if (pendant == "password")
                          {
                              PostMessageA(f.Fenetre(), WM_COMMAND, IDOK, 0);
                              fermer(d);
                          }
                          passe(d);
                      }});
            fermee = !IsWindowVisible(f.Fenetre());
        });
        EXPECT_TRUE(fermee);
        const TacheLue t = LireTacheReelle(L"Attente");
        EXPECT_EQ(t.trouvee && !t.parametres.empty(), ajoute);
        EXPECT_EQ(t.trouvee, ajoute);
        EXPECT_EQ(boites.m_vues.size(), ajoute ? 0u : 1u);
    }
}
