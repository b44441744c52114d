// "&Editer" and "&Supprimer" in the main window over Wine's real Task Scheduler, through the
// editor and the password dialog: which work item each acts on, how the shutdown companion
// follows its recording, and what each leaves after each of its scheduler calls failed once.

#include "AideTaches.h"

#include "tasks/TacheArret.h"
#include "tasks/Executions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace
{
// A text of the program's code page for the scheduler.
std::wstring Large(const std::string& texte)
{
    wchar_t large[4 * TAILLE_TAMPON];
    return VersLarge(texte, large, 4 * TAILLE_TAMPON) ? large : L"?";
}

// The companion's time in the store, "absente" when there is none.
std::string HeureArret()
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
                CreerEnregistrement({nom});
            CreerTacheReelle(
                {NOM_TACHE_ARRET, L"", L"", L"", DeclencheurAVenir(TASK_TIME_TRIGGER_ONCE, 22, 20)});
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
            // Found by reading it (its parameters and trigger), moved by writing it.
            const std::string arret = HeureArret(), &operation = panne.operation;
            const bool lecture = operation == "Activate" || operation == "GetParameters" ||
                                 operation == "GetTrigger" || operation == "GetTriggerData";
            if (!modifiee && !supprimee)
                EXPECT_EQ(arret, "22:20");
            else if (panne.muet)
                EXPECT_EQ(arret, supprimee ? "absente" : "21:20");
            else
                EXPECT_TRUE((arret == "22:20" && (lecture || operation == "Delete")) ||
                            (arret == "absente" && modifiee && (!lecture || operation == "GetTriggerData") &&
                             operation != "Delete"))
                    << arret;
            // Moved, it runs under the account just confirmed.
            const std::wstring confirme = L"SALON\\marc";
            EXPECT_EQ(arret == "21:20" ? pannes.m_comptes.at(NOM_TACHE_ARRET).first : confirme, confirme);
        };
        EXPECT_GE(ChaqueAppelEchoue(preparer, commande, {"GetNextRunTime", "GetComment"}, verifier),
                  bouton == IDC_EDITER ? 18u : 8u);
    }
}

// "&Editer" and "&Supprimer" act on the selected row, wherever the keyboard's focus has moved, and
// on none without a selection. An edit rewrites the columns its row shows (next start, comment,
// length); one cancelled at the password dialog leaves the work item and its row as they were.
TEST(Ligne, LesCommandesAgissentSurLaLigneChoisie)
{
    for (const wchar_t* nom : {L"A", L"B", L"C"})
        ASSERT_TRUE(CreerEnregistrement({nom}));
    Saisie plusTard;
    plusTard.heure = Jour(0, 21, 30);
    plusTard.minutes = "30";
    const std::string annee = std::to_string(DeclencheurAVenir().wBeginYear);
    const Script annuler = [](HWND d) { Cliquer(d, IDCANCEL); };
    Demarrer(nullptr, [&](CFenetreEssai& f) {
        const Lignes avant = LireLignes(f);
        const std::string octets = OctetsTacheReelle(Large(f.Noms()[2]));
        Commande(f, IDC_SUPPRIMER, -1, {}, 1);
        Commande(f, IDC_EDITER, 2, {Enregistrer(plusTard), annuler});
        EXPECT_EQ(LireLignes(f), avant);
        EXPECT_EQ(OctetsTacheReelle(Large(f.Noms()[2])), octets);
        Commande(f, IDC_EDITER, 0, {Enregistrer(plusTard), Confirmer()}, 2);
        EXPECT_THAT(LireLignes(f)[0], testing::ElementsAre(avant[0][0], "14/03/" + annee + " à 21:30",
                                                           "Infos", "qvcd", "00:30:00"));
        EXPECT_EQ(LireLignes(f)[2], avant[2]);
        const std::string supprimee = f.Noms()[1];
        Commande(f, IDC_SUPPRIMER, 1, {}, 0);
        EXPECT_FALSE(LireTacheReelle(Large(supprimee)).trouvee);
        EXPECT_EQ(f.Noms().size(), 2u);
    });
}

// The companion follows the recording it belongs to: the one its comment names, or, made before
// companions named their recordings, the one whose run it follows by its time. It moves five
// minutes after the end of the edited recording's first run, goes when the edited recording will
// never start (the user is told) or with the recording, and stays as it is once it has run. The
// companion of another recording is never touched, one ending in the same minute included.
TEST(Compagnon, LArretSuitSonEnregistrement)
{
    Saisie plusTard;
    plusTard.heure = Jour(0, 21, 30);
    plusTard.minutes = "90";
    Saisie passe;
    passe.date = Jour();
    passe.date->wYear = 2001;
    // The command and the row's recording, what the editor gets; the companion's moment (on the
    // recordings' day, or in 2001: spent), the recording its comment names; what the companion is
    // then ("intacte": as it was, byte for byte), the boxes. "Journal" at 20:45 for 90 minutes and
    // "Autre" at 21:15 for 60 end at 22:15: the companion of either is at 22:20.
    // clang-format off
    const std::tuple<int, const char*, std::optional<Saisie>, const char*, const char*, std::string,
                     std::vector<std::string>> cas[] = {
        {IDC_EDITER, "Journal", plusTard, "22:20", "", "23:05", {}},
        {IDC_EDITER, "Journal", passe, "22:20", "", "absente", {MESSAGE_JAMAIS_DEMARRE}},
        {IDC_SUPPRIMER, "Journal", std::nullopt, "22:20", "", "absente", {}},
        {IDC_EDITER, "Journal", plusTard, "23:00", "", "intacte", {}},
        {IDC_SUPPRIMER, "Journal", std::nullopt, "23:00", "", "intacte", {}},
        {IDC_SUPPRIMER, "Autre", std::nullopt, "22:20", "Journal", "intacte", {}},
        {IDC_EDITER, "Autre", plusTard, "22:20", "Journal", "intacte", {}},
        {IDC_SUPPRIMER, "Journal", std::nullopt, "22:20", "Journal", "absente", {}},
        {IDC_EDITER, "Journal", plusTard, "23:50", "Journal", "23:05", {}},
        {IDC_EDITER, "Journal", plusTard, "2001 22:20", "Journal", "intacte", {}},
    };
    // clang-format on
    for (const auto& [bouton, cible, saisie, moment, nomme, attendu, boites] : cas)
    {
        SCOPED_TRACE(std::to_string(bouton) + " " + cible + " " + moment + " " + nomme);
        SupprimerTachesReelles();
        unsigned annee = 0, heure = 0, minute = 0;
        if (std::sscanf(moment, "%u:%u", &heure, &minute) != 2)
            std::sscanf(moment, "%u %u:%u", &annee, &heure, &minute);
        TASK_TRIGGER arret =
            DeclencheurAVenir(TASK_TIME_TRIGGER_ONCE, static_cast<WORD>(heure), static_cast<WORD>(minute));
        if (annee != 0)
            arret.wBeginYear = static_cast<WORD>(annee);
        TASK_TRIGGER autre = DeclencheurAVenir(TASK_TIME_TRIGGER_ONCE, 21, 15);
        ASSERT_TRUE(CreerEnregistrement({L"Journal"}) && CreerEnregistrement({L"Autre", L"3600", autre}) &&
                    CreerTacheReelle(
                        {NOM_TACHE_ARRET, L"", L"", *nomme ? Large(CommentaireArret(nomme)) : L"", arret}));
        const std::string octets = OctetsTacheReelle(NOM_TACHE_ARRET);
        const Rencontre r = Demarrer(nullptr, [&, &saisie = saisie, bouton = bouton,
                                               cible = cible](CFenetreEssai& f) {
            const auto& noms = f.Noms();
            Commande(f, bouton, static_cast<int>(std::find(noms.begin(), noms.end(), cible) - noms.begin()),
                     {Enregistrer(saisie.value_or(Saisie())), Confirmer("secret")});
        });
        EXPECT_EQ(OctetsTacheReelle(NOM_TACHE_ARRET) == octets ? "intacte" : HeureArret(), attendu);
        EXPECT_EQ(r.boites, boites);
    }
}

// A recording edited while it records keeps its companion after the run in progress, five minutes
// after the end it now has: a once recording begun half an hour ago, lengthened to 90 minutes; a
// daily one saved unchanged.
TEST(Compagnon, UnEnregistrementEnCoursGardeSonArret)
{
    SYSTEMTIME maintenant = {};
    GetLocalTime(&maintenant);
    const long long depart = SecondesLocales(maintenant) / 60 * 60 - 30 * 60;
    const SYSTEMTIME d = DepuisSecondes(depart);
    Saisie allonge;
    allonge.minutes = "90";
    // The recording's period, what the editor gets; the companion then, from the run's start.
    const std::tuple<TASK_TRIGGER_TYPE, Saisie, long long> cas[] = {
        {TASK_TIME_TRIGGER_ONCE, allonge, 95 * 60},
        {TASK_TIME_TRIGGER_DAILY, Saisie(), 65 * 60},
    };
    for (const auto& [type, saisie, apres] : cas)
    {
        SCOPED_TRACE(type);
        SupprimerTachesReelles();
        TASK_TRIGGER t = DeclencheurLe(d, type);
        t.Type.Daily.DaysInterval = 1;
        ASSERT_TRUE(CreerEnregistrement({L"Direct", L"3600", t}) &&
                    CreerTacheReelle({NOM_TACHE_ARRET, L"", L"", Large(CommentaireArret("Direct")),
                                      DeclencheurLe(DepuisSecondes(depart + 65 * 60))}));
        const Rencontre r = Demarrer(nullptr, [&saisie = saisie](CFenetreEssai& f) {
            Commande(f, IDC_EDITER, 0, {Enregistrer(saisie), Confirmer()});
        });
        EXPECT_EQ(MomentArret(), Moment(DepuisSecondes(depart + apres)));
        EXPECT_EQ(r.boites, std::vector<std::string>());
    }
}

// In the autumn's repeated hour a companion's local time names two instants: a recording at 01:30
// for 60 minutes and one for 120 both have theirs at 02:35, the first before the clocks go back,
// the second after. Each is made by the add and goes with its recording.
TEST(Compagnon, LHeureRepeteeDeLAutomne)
{
    // The last Sunday of October next year, when Paris goes back from 03:00 to 02:00.
    SYSTEMTIME dimanche = Jour();
    dimanche =
        DepuisSecondes(SecondesLocales({static_cast<WORD>(dimanche.wYear + 1), 10, 0, 31, 12, 0, 0, 0}));
    while (dimanche.wDayOfWeek != 0)
        dimanche = DepuisSecondes(SecondesLocales(dimanche) - 86400);
    for (const char* minutes : {"60", "120"})
    {
        SCOPED_TRACE(minutes);
        Saisie nuit("Nuit");
        nuit.date = nuit.heure = dimanche;
        nuit.heure->wHour = 1;
        nuit.heure->wMinute = 30;
        nuit.minutes = minutes;
        nuit.arreter = true;
        std::string cree;
        const Rencontre r = Demarrer(nullptr, [&](CFenetreEssai& f) {
            Commande(f, IDOK, -1, {Enregistrer(nuit), Confirmer()});
            cree = MomentArret();
            Commande(f, IDC_SUPPRIMER, 0);
        });
        EXPECT_EQ(cree.substr(cree.size() - 5), "02:35");
        EXPECT_EQ(MomentArret(), "");
        EXPECT_EQ(r.boites, std::vector<std::string>());
    }
}
