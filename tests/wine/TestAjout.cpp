// Adding a programme in the main window against Wine's real Task Scheduler, through the editor and
// the password dialog: the recording work item and its shutdown companion, and every scheduler
// call of an add failed once.

#include "AideTaches.h"
#include "OutilsOdbc.h"
#include "PannesImports.h"

#include "tasks/TacheArret.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace
{
// A programme of the coming year: 14 March at 20:00 for an hour, on channel row 2.
Saisie Programme(const std::string& fichier, bool arreter = false)
{
    Saisie s(fichier);
    const TASK_TRIGGER t = DeclencheurAVenir();
    s.date = s.heure = SYSTEMTIME{t.wBeginYear, t.wBeginMonth, 0, t.wBeginDay, 20, 0, 0, 0};
    s.minutes = "60";
    s.chaine = 2;
    s.arreter = arreter;
    return s;
}

// The program's path that GetModuleFileNameA gives, as the system gives it: cut to the buffer.
std::string g_module;
DWORD WINAPI CheminModule(HMODULE /*module*/, LPSTR tampon, DWORD taille)
{
    const DWORD longueur =
        static_cast<DWORD>(g_module.size()) < taille ? static_cast<DWORD>(g_module.size()) : taille - 1;
    std::memcpy(tampon, g_module.c_str(), longueur);
    tampon[longueur] = '\0';
    if (longueur < g_module.size())
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return longueur < g_module.size() ? taille : longueur;
}

// "&Ajouter" in `fenetre`, the editor filled with `saisie`, the password confirmed.
void Ajouter(CFenetreEssai& fenetre, const Saisie& saisie)
{
    Commande(fenetre, IDOK, -1, {Enregistrer(saisie), Confirmer("secret", "SALON\\marc")});
}

} // namespace

// Programmes added one after the other, each complete in the store and at the top of the list. A
// file name with blanks names its work item with "_". The companion follows the recording's
// first run, five minutes after its end: for a weekly programme from a Wednesday, ticked Monday
// and Friday, its Friday; for a daily one from today at a time gone, tomorrow. A recording that
// will never start gets none, and the user is told, the recording kept. While a companion waits,
// another is refused (the store's text) and the first is untouched; one whose moment is gone is
// replaced. A work item whose name is taken is untouched too, without asking for a password.
TEST(Ajout, DesEnregistrementsEtLeursCompagnons)
{
    int mercredi = 7;
    while (Jour(mercredi).wDayOfWeek != 3)
        ++mercredi;
    Saisie hebdomadaire = Programme("Le journal de 20 h", true), quotidien = Programme("Quotidien", true),
           passe = Programme("Passe", true);
    hebdomadaire.date = Jour(mercredi);
    hebdomadaire.heure->wMinute = 45;
    hebdomadaire.heure->wSecond = 59; // dropped
    hebdomadaire.periode = IDC_TOUTES_LES_SEMAINES;
    hebdomadaire.jours = 0x22;
    hebdomadaire.fin = Jour(mercredi + 30);
    quotidien.date = quotidien.heure = Jour();
    quotidien.periode = IDC_TOUS_LES_JOURS;
    quotidien.fin = Jour(10);
    passe.date = Jour(-1);
    TASK_TRIGGER passee = DeclencheurAVenir();
    passee.wBeginYear = 2001;
    const std::string existe = TexteSysteme(HRESULT_FROM_WIN32(ERROR_FILE_EXISTS));
    const std::string vendredi = Moment(Jour(mercredi + 2, 21, 50)), demain = Moment(Jour(1, 1, 5));
    // The programme, whether the companion is made spent before (its moment gone); the companion
    // then, the boxes.
    const std::tuple<Saisie, bool, std::string, std::vector<std::string>> cas[] = {
        {hebdomadaire, false, vendredi, {}},
        {Programme("Troisieme", true), false, vendredi, {existe}},
        {quotidien, true, demain, {}},
        {passe, false, demain, {MESSAGE_JAMAIS_DEMARRE}},
    };
    std::vector<std::string> noms;
    Demarrer(nullptr, [&](CFenetreEssai& f) {
        const auto octets = [] {
            return OctetsTacheReelle(L"Le_journal_de_20_h") + OctetsTacheReelle(NOM_TACHE_ARRET);
        };
        for (const auto& [saisie, epuise, arret, textes] : cas)
        {
            SCOPED_TRACE(saisie.fichier);
            if (epuise)
                CreerTacheReelle({NOM_TACHE_ARRET, L"C:\\Shutdown.exe", L"", L"", passee});
            const std::string avant = octets();
            CBoitesMessage boites;
            Ajouter(f, saisie);
            EXPECT_EQ(MomentArret(), arret);
            EXPECT_EQ(boites.m_textes, textes);
            EXPECT_TRUE(textes.empty() || textes[0] != existe || octets() == avant);
        }
        // Wine's NewWorkItem does not refuse a name taken, and a save would write over its work item.
        const std::string avant = octets();
        CBoitesMessage boites;
        Commande(f, IDOK, -1, {Enregistrer(Saisie("Le journal de 20 h"))});
        EXPECT_EQ(octets(), avant);
        EXPECT_EQ(boites.m_textes.size(), 1u);
        noms = f.Noms();
        EXPECT_THAT(LireLignes(f).back(),
                    testing::ElementsAre("Le_journal_de_20_h.mpg", testing::_, "", "qvcd", "01:00:00"));
    });
    EXPECT_EQ(noms, (std::vector<std::string>{"Passe", "Quotidien", "Troisieme", "Le_journal_de_20_h"}));
    const TacheLue lue = LireTacheReelle(L"Le_journal_de_20_h");
    EXPECT_EQ(lue.application + lue.parametres,
              L"C:\\TV\\WinTV2K.EXE -c3 -ntod -startr:Le_journal_de_20_h.mpg -qvcd -limit:3600");
    const SYSTEMTIME fin = Jour(mercredi + 30);
    TASK_TRIGGER attendu = DeclencheurLe(Jour(mercredi, 20, 45), TASK_TIME_TRIGGER_WEEKLY);
    std::tie(attendu.wEndYear, attendu.wEndMonth, attendu.wEndDay) =
        std::make_tuple(fin.wYear, fin.wMonth, fin.wDay);
    attendu.rgFlags = TASK_TRIGGER_FLAG_HAS_END_DATE;
    attendu.Type.Weekly = {1, TASK_MONDAY | TASK_FRIDAY};
    EXPECT_EQ(lue.declencheurs, 1);
    EXPECT_EQ(std::memcmp(&lue.declencheur, &attendu, sizeof attendu), 0);
    // Shutdown.exe beside the program (this suite stands beside it; its current directory is
    // elsewhere), from its folder, once, deleting itself after its run, naming its recording.
    const TacheLue arret = LireTacheReelle(NOM_TACHE_ARRET);
    const std::string dossier = CheminDos(VIDALTO_DOSSIER_BUILD);
    EXPECT_EQ(VersEtroit(arret.application), dossier + "\\Shutdown.exe");
    EXPECT_EQ(VersEtroit(arret.dossier), dossier);
    EXPECT_EQ(arret.commentaire,
              L"Arr\u00eat de l'ordinateur apr\u00e8s l'enregistrement \u00ab Quotidien \u00bb");
    EXPECT_EQ(arret.indicateurs & TASK_FLAG_DELETE_WHEN_DONE, DWORD{TASK_FLAG_DELETE_WHEN_DONE});
    EXPECT_EQ(arret.declencheurs, 1);
    EXPECT_EQ(arret.declencheur.TriggerType, TASK_TIME_TRIGGER_ONCE);
    EXPECT_EQ(arret.declencheur.rgFlags, DWORD{TASK_TRIGGER_FLAG_KILL_AT_DURATION_END});
}

// A failed add is deleted again; the scheduler's service, reading the file, refuses the delete
// for a moment, and each save of an add with its companion: asked again. When the delete fails for
// good, the half-made work item it leaves is named to the user by its work item's name.
// Shutdown.exe is looked for beside the program: in a folder without it, or too long to hold its
// path, or when the program's path is cut or cannot be had, the recording is kept without
// companion and the user is told. An edit whose work item the service holds for a moment: asked
// again too.
TEST(Ajout, UnFichierOccupeUnInstantUneSuppressionRefuseeEtShutdownExeIntrouvable)
{
    const auto pannes = std::make_shared<CPannes>();
    const HRESULT occupe = HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION);
    const std::string refus = TexteSysteme(E_ACCESSDENIED),
                      introuvable = TexteSysteme(HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND));
    const Rencontre r = Demarrer(pannes, [&](CFenetreEssai& f) {
        for (const HRESULT code : {occupe, E_ACCESSDENIED})
        {
            pannes->InjecterEchec("SetParameters", E_ACCESSDENIED);
            for (const int rang : {1, 2})
                pannes->InjecterEchec("Delete", code, rang);
            Commande(f, IDOK, -1, {Enregistrer(Programme("Occupe un instant"))});
            EXPECT_EQ(LireTacheReelle(L"Occupe_un_instant").trouvee, code == E_ACCESSDENIED);
        }
        for (const int rang : {1, 3, 5, 7})
            pannes->InjecterEchec("Save", occupe, rang);
        Ajouter(f, Programme("Partage", true));
        EXPECT_NE(LireTacheReelle(NOM_TACHE_ARRET).application, L"");
        SupprimerTacheReelle(NOM_TACHE_ARRET);
        // The program's path as the system gives it: in a folder without Shutdown.exe, one too long
        // for it by a character, one cut by the buffer within a folder's name, none.
        for (const std::string& module :
             {std::string("C:\\TV\\vidalto.exe"), "C:\\" + std::string(244, 'd') + "\\vidalto.exe",
              "C:\\TV\\" + std::string(260, 'd') + "\\vidalto.exe", std::string()})
        {
            g_module = module;
            std::map<std::string, void*> remplacement = {
                {"GetModuleFileNameA", reinterpret_cast<void*>(&CheminModule)}};
            if (module.empty())
            {
                pannes->InjecterEchec("GetModuleFileNameA", HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND));
                remplacement.clear();
            }
            const CDetourImports detour(*pannes, remplacement);
            Ajouter(f, Programme("Sans arret " + std::to_string(module.size()), true));
        }
        for (const int rang : {1, 2})
            pannes->InjecterEchec("Activate", occupe, rang);
        Saisie demiHeure;
        demiHeure.minutes = "30";
        Commande(f, IDC_EDITER, 0, {Enregistrer(demiHeure), Confirmer("secret")});
    });
    const std::string restee =
        "La tâche planifiée « Occupe_un_instant » n'a pas pu être supprimée : elle reste "
        "dans les tâches planifiées.\nSupprimez-la là avant d'utiliser ce nom à nouveau.";
    EXPECT_THAT(r.boites, testing::ElementsAre(refus, refus, restee, MESSAGE_ARRET_ABSENT,
                                               MESSAGE_DOSSIER_ARRET_TROP_LONG,
                                               MESSAGE_DOSSIER_ARRET_TROP_LONG, introuvable));
    EXPECT_EQ(LireTacheReelle(L"Partage").declencheurs, 1);
    EXPECT_EQ(pannes->m_comptes.count(L"Partage"), 1u);
    for (const wchar_t* nom : {L"Sans_arret_17", L"Sans_arret_259", L"Sans_arret_278"})
        EXPECT_TRUE(LireTacheReelle(nom).trouvee) << VersEtroit(nom);
    EXPECT_EQ(LireTacheReelle(L"Sans_arret_0").parametres,
              L" -c3 -ntod -startr:Sans_arret_0.mpg -qvcd -limit:1800");
    EXPECT_FALSE(LireTacheReelle(NOM_TACHE_ARRET).trouvee);
}

// "&Ajouter" with its companion, each of its scheduler calls failed once: the recording and its
// companion are each complete or absent, never a companion without its recording, and the list
// shows the recording, at its top, exactly when it is there, each row beside its own work item's
// name (with one name on either side of the new one, a list that sorts its rows would part them;
// the file name holds a blank, which its work item's name does not).
TEST(AjoutPanne, ChaqueAppelEchoueUneFois)
{
    const auto preparer = [] {
        CreerEnregistrement({L"Autre"});
        CreerEnregistrement({L"Zapping"});
    };
    // "complete" in the store, "absente", or "partielle": a half-made work item.
    const auto etat = [](const std::wstring& nom, const CPannes& pannes) {
        const TacheLue t = LireTacheReelle(nom);
        const auto compte = pannes.m_comptes.find(nom);
        const bool complete =
            !t.application.empty() && t.declencheurs == 1 && compte != pannes.m_comptes.end() &&
            compte->second == std::make_pair(std::wstring(L"SALON\\marc"), std::wstring(L"secret")) &&
            (nom == NOM_TACHE_ARRET ? (t.indicateurs & TASK_FLAG_DELETE_WHEN_DONE) != 0
                                    : !t.parametres.empty());
        return std::string(!t.trouvee ? "absente" : complete ? "complete" : "partielle");
    };
    // A "Shutdown" that cannot be opened is left to the store, which refuses the name when there is
    // one; a missing account read back is replaced by the one just confirmed, a missing next run or
    // comment leaves its column empty.
    const std::size_t appels = ChaqueAppelEchoue(
        preparer, [](CFenetreEssai& f) { Ajouter(f, Programme("Une panne", true)); },
        {"Activate", "GetAccountInformation", "GetNextRunTime", "GetComment"},
        [&etat](const Panne& panne, const CPannes& pannes, CFenetreEssai& fenetre) {
            const std::string etats = etat(L"Une_panne", pannes) + " " + etat(NOM_TACHE_ARRET, pannes);
            EXPECT_TRUE(
                etats == "complete complete" ||
                (!panne.operation.empty() && (etats == "complete absente" || etats == "absente absente")))
                << etats;
            // The rows listed at start-up come in the store's order, a new one at the top.
            const std::vector<std::string>& noms = fenetre.Noms();
            const bool ajoute = etats.rfind("complete", 0) == 0;
            ASSERT_EQ(noms.size(), ajoute ? 3u : 2u);
            EXPECT_EQ(noms[0] == "Une_panne", ajoute);
            EXPECT_THAT(std::vector<std::string>(noms.end() - 2, noms.end()),
                        testing::UnorderedElementsAre("Autre", "Zapping"));
        });
    EXPECT_GE(appels, 22u);
}
