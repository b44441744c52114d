// "&Editer" and "&Supprimer" in the main window over Wine's real Task Scheduler, through the
// editor and the password dialog: which work item each acts on, how the shutdown companion
// follows its recording, and what each leaves after each of its scheduler calls failed once.

#include "AideTaches.h"

#include "tasks/Commandes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
// A "Shutdown" once at hour:minute on the day of the recordings of DeclencheurAVenir().
bool CreerArret(WORD heure, WORD minute)
{
    return CreerTacheReelle(
        {NOM_TACHE_ARRET, L"", L"", L"", DeclencheurAVenir(TASK_TIME_TRIGGER_ONCE, heure, minute)});
}

// The companion's time in the store, "absente" when there is none.
std::string Arret()
{
    const std::string moment = MomentArret();
    return moment.empty() ? "absente" : moment.substr(moment.size() - 5);
}
} // namespace

// "&Editer" and "&Supprimer" act on the middle row only (on none without a selection), each of
// their scheduler calls failed once: that work item is as it was, or as edited (row 4 for 30
// minutes) with its one trigger once its account was saved, or deleted; the others stay as they
// were; the rows stay in step with their names. The middle recording's companion moves with the
// edit, or goes with the deletion, or stays as it was when the command failed before; a companion
// that could not be moved is deleted.
TEST(ModifierPanne, ChaqueAppelEchoueUneFois)
{
    Saisie changee;
    changee.minutes = "30";
    changee.chaine = 4;
    for (const int bouton : {IDC_EDITER, IDC_SUPPRIMER})
    {
        std::string cible;
        // A, B and C at 20:45 for 90 minutes: B's companion at 22:20.
        const auto preparer = [] {
            for (const wchar_t* nom : {L"A", L"B", L"C"})
                CreerEnregistrement(nom);
            CreerArret(22, 20);
        };
        const auto commande = [&](CFenetreEssai& f) {
            Commande(f, bouton);
            ASSERT_EQ(f.Noms().size(), 3u);
            cible = f.Noms()[1];
            Commande(f, bouton, 1, {Enregistrer(changee), Confirmer("secret", "SALON\\marc")});
        };
        const auto verifier = [&](const Panne& panne, const CPannes& pannes, CFenetreEssai& fenetre) {
            // Whether the journal holds a rang-th call of that name that did not fail, by the test's
            // doing or the real scheduler's.
            const auto reussi = [&](const std::string& operation, long rang) {
                const auto& journal = pannes.Journal();
                const auto reels = pannes.m_echecsReels.find(operation);
                return std::count(journal.begin(), journal.end(), operation) -
                           (panne.operation == operation) -
                           (reels != pannes.m_echecsReels.end() ? reels->second : 0) >=
                       rang;
            };
            const bool supprimee = bouton == IDC_SUPPRIMER && reussi("Delete", 1);
            const bool modifiee = bouton == IDC_EDITER && reussi("Save", 2);
            const std::vector<std::string>& noms = fenetre.Noms();
            std::vector<std::string> lues, attendues;
            for (const auto& ligne : LireLignes(fenetre))
                lues.push_back(ligne[0] + " " + ligne[4]);
            for (const std::string& nom : noms)
                attendues.push_back(nom + ".mpg " + (nom == cible && modifiee ? "00:30:00" : "01:30:00"));
            EXPECT_EQ(lues, attendues);
            // Each work item, as it must be, and listed once unless deleted.
            for (const std::string nom : {"A", "B", "C"})
            {
                const std::wstring large(nom.begin(), nom.end());
                const TacheLue t = LireTacheReelle(large);
                const bool ciblee = nom == cible, change = ciblee && modifiee;
                const bool juste =
                    t.parametres == (change ? L" -c5 -ntod -startr:" + large + L".mpg -qvcd -limit:1800"
                                            : L" -c2 -ntod -startr:" + large + L".mpg -qvcd -limit:5400") &&
                    t.declencheurs == 1 && pannes.m_comptes.count(large) == (change ? 1u : 0u);
                const bool partie = ciblee && supprimee;
                EXPECT_EQ(std::make_pair(t.trouvee && juste, std::count(noms.begin(), noms.end(), nom)),
                          std::make_pair(!partie, std::ptrdiff_t{partie ? 0 : 1}))
                    << nom;
            }
            // Found by reading it (its trigger), moved by writing it.
            const std::string arret = Arret(), &operation = panne.operation;
            const bool lecture =
                operation == "Activate" || operation == "GetTrigger" || operation == "GetTriggerData";
            if (!modifiee && !supprimee)
                EXPECT_EQ(arret, "22:20");
            else if (panne.muet)
                EXPECT_EQ(arret, supprimee ? "absente" : "21:20");
            else
                EXPECT_TRUE((arret == "22:20" && (lecture || operation == "Delete")) ||
                            (arret == "absente" && modifiee && (!lecture || operation == "GetTriggerData") &&
                             operation != "Delete"))
                    << arret;
        };
        EXPECT_GE(ChaqueAppelEchoue(preparer, commande, {"GetNextRunTime", "GetComment"}, verifier),
                  bouton == IDC_EDITER ? 18u : 8u);
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
        const Rencontre r = Demarrer(nullptr, [&, &saisie = saisie, bouton = bouton](CFenetreEssai& f) {
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
