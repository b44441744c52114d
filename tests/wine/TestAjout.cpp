// Adding a programme in the main window against Wine's real Task Scheduler, through the editor and
// the password dialog: the recording work item and its shutdown companion, and every scheduler
// call of an add failed once.

#include "AideTaches.h"

#include "tasks/Commandes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace
{
// A programme of the coming year: 14 March at 20:00 for an hour, on channel row 2.
Saisie Programme(const std::string& fichier, bool arreter = false)
{
    Saisie s;
    s.fichier = fichier;
    s.date = s.heure = Jour();
    s.date->wYear = static_cast<WORD>(s.date->wYear + 1);
    s.date->wMonth = 3;
    s.date->wDay = 14;
    s.heure->wHour = 20;
    s.heure->wMinute = 0;
    s.minutes = "60";
    s.chaine = 2;
    s.arreter = arreter;
    return s;
}

// "complete" in the store, "absente", or "partielle": a half-made work item.
std::string EtatTache(const std::wstring& nom, const CPannes& pannes, bool arret)
{
    const TacheLue t = LireTacheReelle(nom);
    if (!t.trouvee)
        return "absente";
    const auto compte = pannes.m_comptes.find(nom);
    const bool commun = !t.application.empty() && t.declencheurs == 1 && compte != pannes.m_comptes.end() &&
                        !compte->second.first.empty();
    const bool complete = arret ? t.declencheur.rgFlags == TASK_TRIGGER_FLAG_KILL_AT_DURATION_END &&
                                      (t.indicateurs & TASK_FLAG_DELETE_WHEN_DONE) &&
                                      compte->second.second == L"secret"
                                : !t.parametres.empty() && t.declencheur.wBeginYear != 0;
    return commun && complete ? "complete" : "partielle";
}

// "&Ajouter" in `fenetre`, the editor filled with `saisie`, the password confirmed.
void Ajouter(CFenetreEssai& fenetre, const Saisie& saisie)
{
    Commande(fenetre, IDOK, -1, {Enregistrer(saisie), Confirmer("secret", "SALON\\marc")});
}
} // namespace

// A weekly programme whose file name holds blanks, then programmes with their shutdown companion:
// each work item complete in the store, the rows at the top.
TEST(Ajout, UnEnregistrementCompletSonCompagnonEtUnNomPris)
{
    // Mondays and Fridays until 30 June, at 20:45:59 (the seconds are dropped); no companion
    // unless asked.
    Saisie hebdomadaire = Programme("Le journal de 20 h");
    hebdomadaire.heure->wMinute = 45;
    hebdomadaire.heure->wSecond = 59;
    hebdomadaire.periode = IDC_TOUTES_LES_SEMAINES;
    hebdomadaire.jours = 0x22;
    hebdomadaire.fin = hebdomadaire.date;
    hebdomadaire.fin->wMonth = 6;
    hebdomadaire.fin->wDay = 30;
    CBoitesMessage boites;
    CFenetreEssai fenetre;
    std::vector<std::string> noms;
    Lignes lignes;
    std::string octetsArret, octets;
    LancerFenetre(fenetre, [&](CFenetreEssai& f) {
        Ajouter(f, hebdomadaire);
        Ajouter(f, Programme("Ajout second", true));
        // While the companion waits, a second one is refused (the store's text), its recording kept.
        octetsArret = OctetsTacheReelle(NOM_TACHE_ARRET);
        Ajouter(f, Programme("Ajout troisieme", true));
        // A name taken: the store's refusal, no password asked, the work item untouched (Wine's
        // NewWorkItem does not refuse it, and a save would write over it).
        octets = OctetsTacheReelle(L"Ajout_second");
        Commande(f, IDOK, -1, {Enregistrer(Programme("Ajout second"))});
        noms = f.Noms();
        lignes = LireLignes(f);
    });
    const TacheLue lue = LireTacheReelle(L"Le_journal_de_20_h");
    EXPECT_EQ(lue.parametres, L" -c3 -ntod -startr:Le_journal_de_20_h.mpg -qvcd -limit:3600");
    EXPECT_EQ(lue.application, L"C:\\TV\\WinTV2K.EXE");
    TASK_TRIGGER attendu = DeclencheurAVenir(); // 14 March at 20:45
    attendu.wEndYear = attendu.wBeginYear;
    attendu.wEndMonth = 6;
    attendu.wEndDay = 30;
    attendu.rgFlags = TASK_TRIGGER_FLAG_HAS_END_DATE;
    attendu.TriggerType = TASK_TIME_TRIGGER_WEEKLY;
    attendu.Type.Weekly = {1, TASK_MONDAY | TASK_FRIDAY};
    EXPECT_EQ(lue.declencheurs, 1);
    EXPECT_EQ(std::memcmp(&lue.declencheur, &attendu, sizeof attendu), 0);
    EXPECT_EQ(noms, (std::vector<std::string>{"Ajout_troisieme", "Ajout_second", "Le_journal_de_20_h"}));
    ASSERT_EQ(lignes.size(), 3u);
    EXPECT_EQ(lignes[2][0] + " " + lignes[2][3] + " " + lignes[2][4], "Le_journal_de_20_h.mpg qvcd 01:00:00");

    // The companion: Shutdown.exe of the current directory, once, five minutes after the first
    // recording ends, deleting itself after its run.
    char dossier[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, dossier);
    const TacheLue arret = LireTacheReelle(NOM_TACHE_ARRET);
    EXPECT_EQ(VersEtroit(arret.application), std::string(dossier) + "\\Shutdown.exe");
    EXPECT_EQ(arret.indicateurs & TASK_FLAG_DELETE_WHEN_DONE, static_cast<DWORD>(TASK_FLAG_DELETE_WHEN_DONE));
    EXPECT_EQ(arret.declencheurs, 1);
    EXPECT_EQ(arret.declencheur.TriggerType, TASK_TIME_TRIGGER_ONCE);
    EXPECT_EQ(arret.declencheur.rgFlags, static_cast<DWORD>(TASK_TRIGGER_FLAG_KILL_AT_DURATION_END));
    EXPECT_EQ(arret.declencheur.wBeginMonth * 100 + arret.declencheur.wBeginDay, 314);
    EXPECT_EQ(arret.declencheur.wStartHour * 100 + arret.declencheur.wStartMinute, 2105);
    EXPECT_EQ(OctetsTacheReelle(NOM_TACHE_ARRET), octetsArret);
    EXPECT_EQ(OctetsTacheReelle(L"Ajout_second"), octets);
    char existe[TAILLE_TAMPON] = {};
    CVidaltoDlg::TexteErreur(HRESULT_FROM_WIN32(ERROR_FILE_EXISTS), existe, sizeof existe);
    ASSERT_EQ(boites.m_vues.size(), 2u);
    EXPECT_EQ(boites.m_vues[0].texte + boites.m_vues[1].texte, std::string(existe) + existe);
}

// A failed add is deleted again; the scheduler's service, reading the file, refuses the delete
// for a moment: asked again. When the delete fails for good, the half-made work item it leaves is
// named to the user. A current directory too long to hold Shutdown.exe: the recording, without
// its companion.
TEST(Ajout, UneSuppressionRefuseeUnInstantEtUnDossierTropLong)
{
    const auto pannes = std::make_shared<CPannes>();
    CBoitesMessage boites;
    CFenetreEssai fenetre;
    fenetre.Injecter(pannes);
    char ici[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, ici);
    const std::string profond = "C:\\" + std::string(244, 'd');
    LancerFenetre(fenetre, [&](CFenetreEssai& f) {
        for (const HRESULT refus : {HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION), E_ACCESSDENIED})
        {
            pannes->InjecterEchec("SetParameters", E_ACCESSDENIED);
            for (const int rang : {1, 2})
                pannes->InjecterEchec("Delete", refus, rang);
            Commande(f, IDOK, -1, {Enregistrer(Programme("Occupe"))});
            EXPECT_EQ(LireTacheReelle(L"Occupe").trouvee, refus == E_ACCESSDENIED);
        }
        CreateDirectoryA(profond.c_str(), nullptr);
        SetCurrentDirectoryA(profond.c_str());
        Ajouter(f, Programme("Profond", true));
        SetCurrentDirectoryA(ici);
        RemoveDirectoryA(profond.c_str());
    });
    std::vector<std::string> textes;
    for (const BoiteVue& vue : boites.m_vues)
        textes.push_back(vue.texte);
    char refus[TAILLE_TAMPON] = {};
    CVidaltoDlg::TexteErreur(E_ACCESSDENIED, refus, sizeof refus);
    EXPECT_EQ(textes, (std::vector<std::string>{refus, refus, TexteTacheRestee("Occupe"),
                                                MESSAGE_DOSSIER_ARRET_TROP_LONG}));
    EXPECT_TRUE(LireTacheReelle(L"Profond").trouvee);
    EXPECT_FALSE(LireTacheReelle(NOM_TACHE_ARRET).trouvee);
}

// The companion follows the recording's first run: a weekly programme from a Wednesday, ticked
// Monday and Friday, after its Friday; a daily one from today at a time gone, after tomorrow's;
// one that will never start gets none, and the user is told, the recording kept and listed.
TEST(Ajout, LeCompagnonSuitLaPremiereExecution)
{
    int mercredi = 7;
    while (Jour(mercredi).wDayOfWeek != 3)
        ++mercredi;
    Saisie hebdomadaire = Programme("Hebdomadaire", true), quotidien = hebdomadaire, passe = hebdomadaire;
    hebdomadaire.date = Jour(mercredi);
    hebdomadaire.periode = IDC_TOUTES_LES_SEMAINES;
    hebdomadaire.jours = 0x22;
    hebdomadaire.fin = Jour(mercredi + 30);
    quotidien.date = quotidien.heure = Jour();
    quotidien.periode = IDC_TOUS_LES_JOURS;
    quotidien.fin = Jour(10);
    passe.date = Jour(-1);
    const auto moment = [](const SYSTEMTIME& st) {
        char texte[24];
        std::snprintf(texte, sizeof texte, "%u-%u-%u %02u:%02u", st.wYear, st.wMonth, st.wDay, st.wHour,
                      st.wMinute);
        return std::string(texte);
    };
    const std::tuple<Saisie, std::string, std::vector<std::string>> cas[] = {
        {hebdomadaire, moment(Jour(mercredi + 2, 21, 5)), {}},
        {quotidien, moment(Jour(1, 1, 5)), {}},
        {passe, "", {MESSAGE_JAMAIS_DEMARRE}},
    };
    for (const auto& [saisie, arret, boites] : cas)
    {
        SupprimerTachesReelles();
        const Rencontre r =
            Demarrer(nullptr, {}, [&saisie = saisie](CFenetreEssai& f) { Ajouter(f, saisie); });
        const TacheLue t = LireTacheReelle(NOM_TACHE_ARRET);
        SYSTEMTIME st = {};
        st.wYear = t.declencheur.wBeginYear;
        st.wMonth = t.declencheur.wBeginMonth;
        st.wDay = t.declencheur.wBeginDay;
        st.wHour = t.declencheur.wStartHour;
        st.wMinute = t.declencheur.wStartMinute;
        EXPECT_EQ(t.trouvee ? moment(st) : "", arret);
        EXPECT_EQ(r.boites, boites);
        EXPECT_EQ(r.apres.size(), 1u);
        EXPECT_TRUE(LireTacheReelle(L"Hebdomadaire").trouvee);
    }
}

// "&Ajouter" with its companion, each of its scheduler calls failed once: the recording and its
// companion are each complete or absent, never a companion without its recording, and the list
// shows the recording, at its top, exactly when it is there, each row beside its own work item's
// name (with one name on either side of the new one, a list that sorts its rows would part them).
TEST(AjoutPanne, ChaqueAppelEchoueUneFois)
{
    const auto preparer = [](CFenetreEssai&) {
        CreerEnregistrement(L"Autre");
        CreerEnregistrement(L"Zapping");
    };
    // A missing account read back is replaced by the one just confirmed, a missing next run or
    // comment leaves its column empty.
    const std::size_t appels = ChaqueAppelEchoue(
        preparer, [](CFenetreEssai& f) { Ajouter(f, Programme("Une panne", true)); },
        {"GetAccountInformation", "GetNextRunTime", "GetComment"},
        [](const Panne& panne, const CPannes& pannes, CFenetreEssai& fenetre) {
            const std::string etats =
                EtatTache(L"Une_panne", pannes, false) + " " + EtatTache(NOM_TACHE_ARRET, pannes, true);
            if (panne.operation.empty())
            {
                EXPECT_EQ(etats, "complete complete");
            }
            EXPECT_TRUE(etats == "complete complete" || etats == "complete absente" ||
                        etats == "absente absente")
                << etats;
            const bool ajoute = etats.rfind("complete", 0) == 0;
            const Lignes lignes = LireLignes(fenetre);
            std::vector<std::string> lues, attendues = {"Autre.mpg Autre", "Zapping.mpg Zapping"};
            for (std::size_t i = 0; i < lignes.size() && i < fenetre.Noms().size(); ++i)
                lues.push_back(lignes[i][0] + " " + fenetre.Noms()[i]);
            if (ajoute)
                attendues.insert(attendues.begin(), "Une_panne.mpg Une_panne");
            // The rows listed at start-up come in the store's order.
            std::sort(lues.begin() + (ajoute && !lues.empty() ? 1 : 0), lues.end());
            EXPECT_EQ(lues, attendues);
            EXPECT_EQ(fenetre.Noms().size(), lignes.size());
        });
    EXPECT_GE(appels, 22u);
}
