// "&Editer" and "&Supprimer" in the main window over Wine's real Task Scheduler, through the
// editor and the password dialog: which work item each acts on, how the shutdown companion
// follows its recording, and what each leaves after each of its scheduler calls failed once.

#include "AideTaches.h"

#include "tasks/Commandes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
// A recording as the store has it, or as the editor below changed it.
std::wstring Parametres(const std::string& nom, bool modifie)
{
    return (modifie ? L" -c5 -ntod -startr:" : L" -c2 -ntod -startr:") +
           std::wstring(nom.begin(), nom.end()) +
           (modifie ? L".mpg -qvcd -limit:1800" : L".mpg -qvcd -limit:5400");
}

// A "Shutdown" once at hour:minute on the day of the recordings of DeclencheurAVenir().
bool CreerArret(WORD heure, WORD minute)
{
    TASK_TRIGGER t = DeclencheurAVenir();
    t.wStartHour = heure;
    t.wStartMinute = minute;
    t.rgFlags = TASK_TRIGGER_FLAG_KILL_AT_DURATION_END;
    return CreerTacheReelle({NOM_TACHE_ARRET, L"C:\\Shutdown.exe", L"", L"", t});
}

// The companion as the store has it: "HH:MM", or "absente".
std::string Arret()
{
    const TacheLue t = LireTacheReelle(NOM_TACHE_ARRET);
    char texte[8];
    std::snprintf(texte, sizeof texte, "%02u:%02u", t.declencheur.wStartHour, t.declencheur.wStartMinute);
    return t.trouvee ? texte : "absente";
}

// Whether the journal holds a call of that name that did not fail.
bool Reussi(const CPannes& pannes, const Panne& panne, const std::string& operation, int rang = 1)
{
    const auto& journal = pannes.Journal();
    const auto appels = std::count(journal.begin(), journal.end(), operation);
    return appels - (panne.operation == operation ? 1 : 0) >= rang;
}
} // namespace

// "&Editer" and "&Supprimer" act on the middle row only (on none without a selection), each of
// their scheduler calls failed once: that work item is as it was, or as edited with its one
// trigger once its account was saved, or deleted; the others stay as they were; the rows stay in
// step with their names. The middle recording's companion moves with the edit, or goes with the
// deletion, or stays as it was when the command failed before; a companion that could not be
// moved is deleted. The editor opens with the file name, minutes and channel row of the
// recording, and is changed to row 4 for 30 minutes.
TEST(ModifierPanne, ChaqueAppelEchoueUneFois)
{
    for (const int bouton : {IDC_EDITER, IDC_SUPPRIMER})
    {
        std::string cible, lu;
        const Script editer = [&lu](HWND d) {
            lu = TexteFenetre(GetDlgItem(d, IDC_FICHIER)) + " " + TexteFenetre(GetDlgItem(d, IDC_MINUTES)) +
                 " " + std::to_string(SendDlgItemMessageA(d, IDC_CHAINES, LB_GETCURSEL, 0, 0));
            Saisie s;
            s.minutes = "30";
            s.chaine = 4;
            Enregistrer(s)(d);
        };
        // A, B and C at 20:45 for 90 minutes: B's companion at 22:20.
        const auto preparer = [](CFenetreEssai&) {
            for (const wchar_t* nom : {L"A", L"B", L"C"})
                CreerEnregistrement(nom);
            CreerArret(22, 20);
        };
        const std::size_t appels = ChaqueAppelEchoue(
            preparer,
            [&](CFenetreEssai& f) {
                lu.clear();
                Commande(f, bouton);
                ASSERT_EQ(f.Noms().size(), 3u);
                cible = f.Noms()[1];
                Commande(f, bouton, 1, {editer, Confirmer("secret", "SALON\\marc")});
            },
            {"GetNextRunTime", "GetComment"},
            [&](const Panne& panne, const CPannes& pannes, CFenetreEssai& fenetre) {
                const bool supprimee = bouton == IDC_SUPPRIMER && Reussi(pannes, panne, "Delete");
                const bool modifiee = bouton == IDC_EDITER && Reussi(pannes, panne, "Save", 2);
                if (panne.operation.empty() && bouton == IDC_EDITER)
                {
                    EXPECT_EQ(lu, cible + " 90 1");
                }
                std::vector<std::string> lues, attendues, noms = fenetre.Noms();
                for (const auto& ligne : LireLignes(fenetre))
                    lues.push_back(ligne[0] + " " + ligne[4]);
                for (const std::string& nom : noms)
                    attendues.push_back(nom + ".mpg " + (nom == cible && modifiee ? "00:30:00" : "01:30:00"));
                EXPECT_EQ(lues, attendues);
                std::sort(noms.begin(), noms.end());
                EXPECT_EQ(noms.size(), supprimee ? 2u : 3u);
                for (const std::string nom : {"A", "B", "C"})
                {
                    const std::wstring large(nom.begin(), nom.end());
                    const TacheLue t = LireTacheReelle(large);
                    const bool ciblee = nom == cible;
                    EXPECT_EQ(t.trouvee, !(ciblee && supprimee)) << nom;
                    EXPECT_EQ(std::count(noms.begin(), noms.end(), nom), t.trouvee ? 1 : 0) << nom;
                    if (t.trouvee)
                    {
                        EXPECT_EQ(t.parametres, Parametres(nom, ciblee && modifiee));
                        EXPECT_EQ(t.declencheurs, 1);
                        EXPECT_EQ(pannes.m_comptes.count(large), ciblee && modifiee ? 1u : 0u);
                    }
                }
                // Found by reading it (its trigger), moved by writing it.
                const std::string arret = Arret(), &operation = panne.operation;
                const bool lecture =
                    operation == "Activate" || operation == "GetTrigger" || operation == "GetTriggerData";
                if (!modifiee && !supprimee)
                {
                    EXPECT_EQ(arret, "22:20");
                }
                else if (panne.muet)
                {
                    EXPECT_EQ(arret, supprimee ? "absente" : "21:20");
                }
                else
                {
                    EXPECT_TRUE((arret == "22:20" && (lecture || operation == "Delete")) ||
                                (arret == "absente" && modifiee && !lecture && operation != "Delete") ||
                                (arret == "absente" && modifiee && operation == "GetTriggerData"))
                        << arret;
                }
            });
        EXPECT_GE(appels, bouton == IDC_EDITER ? 18u : 8u);
    }
}

// The companion follows the recording it belongs to: moved five minutes after the end of the
// edited recording's first run, deleted when the edited recording will never start (the user is
// told) or when the recording is deleted. A "Shutdown" of another programme is never touched.
TEST(Compagnon, LArretSuitSonEnregistrement)
{
    Saisie plusTard;
    plusTard.heure = Jour(0, 21, 30);
    plusTard.minutes = "90";
    Saisie passe;
    passe.date = Jour();
    passe.date->wYear = 2001;
    // The command and what the editor gets; the companion's time (the recording's, 20:45 for 90
    // minutes, is 22:20); what the companion is then, the boxes.
    const std::tuple<int, std::optional<Saisie>, WORD, std::string, std::vector<std::string>> cas[] = {
        {IDC_EDITER, plusTard, 2220, "23:05", {}},
        {IDC_EDITER, passe, 2220, "absente", {MESSAGE_JAMAIS_DEMARRE}},
        {IDC_SUPPRIMER, std::nullopt, 2220, "absente", {}},
        {IDC_EDITER, plusTard, 2300, "23:00", {}},
        {IDC_SUPPRIMER, std::nullopt, 2300, "23:00", {}},
    };
    for (const auto& [bouton, saisie, arret, attendu, boites] : cas)
    {
        SCOPED_TRACE(std::to_string(bouton) + " " + std::to_string(arret));
        SupprimerTachesReelles();
        ASSERT_TRUE(CreerEnregistrement(L"Journal") && CreerArret(arret / 100, arret % 100));
        const std::string octets = OctetsTacheReelle(NOM_TACHE_ARRET);
        const Rencontre r = Demarrer(nullptr, {}, [&, &saisie = saisie, bouton = bouton](CFenetreEssai& f) {
            Commande(f, bouton, 0, {Enregistrer(saisie.value_or(Saisie())), Confirmer("secret")});
        });
        EXPECT_EQ(Arret(), attendu);
        if (arret == 2300)
        {
            EXPECT_EQ(OctetsTacheReelle(NOM_TACHE_ARRET), octets);
        }
        EXPECT_EQ(r.boites, boites);
    }
}
