// The main window over Wine's real Task Scheduler: the Enter key, the clock, the About box, its end
// before COM's, a close that comes during its start-up or a command, and the session's end.

#include "AideTaches.h"

#include "framework/Echange.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>

namespace
{
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

// Notes, when the scheduler object goes, whether COM was still initialised on its thread.
class CPannesTemoin : public CPannes
{
public:
    bool m_comVivant = false;
    void Liberation() override
    {
        const HRESULT hr = CoInitialize(nullptr);
        m_comVivant = hr == S_FALSE;
        if (SUCCEEDED(hr))
            CoUninitialize();
    }
};

// A command's step `ici` (its dialog or box): `geste` first when the test interrupts it there.
Script Etape(const std::string& ici, const std::string& pendant, const std::function<void()>& geste,
             const Script& suite = {})
{
    return [=](HWND d) {
        if (ici == pendant)
            geste();
        if (suite)
            suite(d);
    };
}
} // namespace

// The About entry opens its box; the clock goes on meanwhile, rewriting its own control only.
// Enter adds a programme, from the list too, and never ends the window.
TEST(Fenetre, LaBoiteAProposLHorlogeEtEntree)
{
    CFenetreChamp fenetre;
    int editions = 0;
    Demarrer(
        nullptr,
        [&editions](CFenetreEssai& f) {
            const std::string horloge = TexteFenetre(f.Controle(IDC_HORLOGE));
            SetWindowTextA(f.Controle(IDC_EDITER), "en cours");
            std::string aPropos;
            Programmer([&](HWND boite) {
                Attendre(1200);
                aPropos = TexteFenetre(FindWindowExA(boite, nullptr, "Static", "Vidalto version 1.0")) + " " +
                          TexteFenetre(f.Controle(IDC_EDITER));
                EXPECT_NE(TexteFenetre(f.Controle(IDC_HORLOGE)), horloge);
                Cliquer(boite, IDOK);
            });
            // The low four bits of a system command are the system's.
            SendMessageA(f.Fenetre(), WM_SYSCOMMAND, IDM_APROPOS | 0x3, 0);
            EXPECT_EQ(aPropos, "Vidalto version 1.0 en cours");

            for (const int id : {IDOK, IDC_LISTE})
            {
                Programmer([&editions](HWND editeur) {
                    ++editions;
                    Cliquer(editeur, IDCANCEL);
                });
                SetFocus(f.Controle(id));
                PostMessageA(f.Controle(id), WM_KEYDOWN, VK_RETURN, 1);
                Attendre(300);
            }
            EXPECT_TRUE(IsWindowVisible(f.Fenetre()));
        },
        &fenetre);
    EXPECT_EQ(editions, 2);
}

// The close box releases the scheduler in its handler; Escape ends the main window without it,
// and the scheduler object must still go before COM does. COM refused at start-up (the thread's
// apartment already multithreaded) stops the program with the system's text and the sentence.
// On a thread of its own, where the window's apartment is the only one.
TEST(FinFenetre, LePlanificateurPartAvantCOMQuiPeutEtreRefuse)
{
    const std::string refus = TexteSysteme(RPC_E_CHANGED_MODE);
    for (const std::string fin : {"Escape", "close box", "COM refused"})
    {
        const bool refuse = fin == "COM refused";
        const auto temoin = std::make_shared<CPannesTemoin>();
        Rencontre r;
        std::thread([&] {
            if (refuse)
                CoInitializeEx(nullptr, COINIT_MULTITHREADED);
            {
                const CCrochetFil crochet;
                r = Demarrer(temoin, [&fin](CFenetreEssai& f) {
                    const bool echap = fin == "Escape";
                    PostMessageA(echap ? GetFocus() : f.Fenetre(), echap ? WM_KEYDOWN : WM_CLOSE, VK_ESCAPE,
                                 1);
                    Attendre(0);
                });
            }
            if (refuse)
                CoUninitialize();
        }).join();
        EXPECT_EQ(std::make_tuple(temoin->m_comVivant, r.fin, r.boites),
                  std::make_tuple(!refuse, INT_PTR{refuse ? 1 : 2},
                                  std::vector<std::string>(refuse, refus + PHRASE_ADMINISTRATEUR)))
            << fin;
    }
}

// A close sent by another program while a command's editor, password dialog or "Erreur" box is
// open waits for the command's end, which leaves nothing half-made, then closes the window; a
// command sent meanwhile is dropped.
TEST(Fermeture, UneFermeturePendantUneCommandeAttendSaFin)
{
    // Where the close comes; the scheduler call failed; whether the recording is then stored.
    const std::tuple<std::string, const char*, bool> cas[] = {
        {"editor", "", true}, {"password", "", true}, {"box", "SetParameters", false}};
    for (const auto& [pendant, panne, ajoute] : cas)
    {
        SCOPED_TRACE(pendant);
        SupprimerTachesReelles();
        const auto pannes = std::make_shared<CPannes>();
        pannes->InjecterEchec(panne, E_ACCESSDENIED);
        std::size_t boites = 0;
        bool fermee = false;
        Demarrer(pannes, [&, pendant = pendant](CFenetreEssai& f) {
            // Posted and dispatched at once, while the dialog or box is open, with another "&Ajouter".
            const auto fermer = [&f] {
                PostMessageA(f.Fenetre(), WM_CLOSE, 0, 0);
                PostMessageA(f.Fenetre(), WM_COMMAND, IDOK, 0);
                Attendre(0);
            };
            CBoitesMessage vues;
            vues.m_pendant = Etape("box", pendant, fermer);
            Commande(f, IDOK, -1,
                     {Etape("editor", pendant, fermer, Enregistrer(Saisie("Attente"))),
                      Etape("password", pendant, fermer, Confirmer())});
            fermee = !IsWindowVisible(f.Fenetre());
            boites = vues.m_textes.size();
        });
        EXPECT_TRUE(fermee);
        const TacheLue t = LireTacheReelle(L"Attente");
        EXPECT_EQ(t.trouvee, ajoute);
        EXPECT_EQ(!t.parametres.empty(), ajoute);
        EXPECT_EQ(boites, ajoute ? 0u : 1u);
    }
}

// A close that comes during a box of the start-up waits for the start-up's end: after the listing's
// box the listing goes on, then the window closes; after the box that stops the program it still
// ends with the status 1.
TEST(Fermeture, UneFermeturePendantLesBoitesDuDemarrage)
{
    ASSERT_TRUE(CreerEnregistrement({L"Illisible"}) && CreerEnregistrement({L"Lisible"}));
    for (const char* panne : {"GetParameters", "Enum"})
    {
        const auto pannes = std::make_shared<CPannes>();
        pannes->InjecterEchec(panne, E_ACCESSDENIED);
        CBoitesMessage fermer;
        fermer.m_pendant = [](HWND boite) { PostMessageA(GetWindow(boite, GW_OWNER), WM_CLOSE, 0, 0); };
        const Rencontre r = Demarrer(pannes);
        EXPECT_EQ(r.boites.size(), 1u) << panne;
        EXPECT_EQ(r.fin, std::string(panne) == "Enum" ? CVidaltoDlg::STATUT_ARRET : IDCANCEL) << panne;
        EXPECT_THAT(pannes->Journal(),
                    testing::Contains("Activate").Times(std::string(panne) == "Enum" ? 0 : 2))
            << "each work item listed";
    }
}

// Windows ends the session while the editor or the password dialog of an add or of an edit is
// open: Windows may end the program as soon as its window has been told, so the work item the add
// had entered in the store goes at once; and nothing is written afterwards, should the dialog
// then be confirmed.
TEST(Fermeture, UneFinDeSessionPendantUneCommandeNeLaisseRienAMoitieFait)
{
    for (const int bouton : {IDOK, IDC_EDITER})
        for (const std::string pendant : {"editor", "password"})
        {
            SCOPED_TRACE(std::to_string(bouton) + " " + pendant);
            SupprimerTachesReelles();
            CreerEnregistrement({L"Journal"});
            const std::string octets = OctetsTacheReelle(L"Journal");
            std::vector<std::wstring> alaFin;
            const Rencontre r = Demarrer(nullptr, [&, bouton = bouton, pendant = pendant](CFenetreEssai& f) {
                const auto finir = [&] {
                    SendMessageA(f.Fenetre(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
                    SendMessageA(f.Fenetre(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
                    alaFin = NomsTachesReelles();
                };
                // Past the session's end, no dialog may open: the password dialog is expected only
                // when the session ends while it is open.
                std::vector<Script> scripts = {Etape("editor", pendant, finir, Enregistrer(Saisie("Fin")))};
                if (pendant == "password")
                    scripts.push_back(Etape("password", pendant, finir, Confirmer()));
                Commande(f, bouton, bouton == IDOK ? -1 : 0, scripts);
            });
            EXPECT_EQ(alaFin, std::vector<std::wstring>{L"Journal"});
            EXPECT_EQ(NomsTachesReelles(), std::vector<std::wstring>{L"Journal"});
            EXPECT_EQ(OctetsTacheReelle(L"Journal"), octets);
            EXPECT_EQ(r.boites, std::vector<std::string>());
        }
}
