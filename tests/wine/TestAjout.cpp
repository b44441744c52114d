// Adding a programme: the recording work item and its shutdown companion against Wine's real
// Task Scheduler, and every scheduler call of an add failed once on the in-memory store, through
// the main window's "&Ajouter".

#include "AideTaches.h"
#include "BoitesMessage.h"

#include "editor/Edition.h"
#include "tasks/ChaineParametres.h"
#include "tasks/Commandes.h"
#include "tasks/PlanificateurCom.h"
#include "tasks/UuidTaches.h"

#include <gtest/gtest.h>

#include <wrl/client.h>

#include <cstring>
#include <map>

using Microsoft::WRL::ComPtr;

namespace
{
// A programme of the coming year: 14 March at 20:00 for an hour, on channel row 2.
CDefinitionProgramme Programme(const std::string& fichier, bool arreter = false)
{
    CDefinitionProgramme programme;
    const WORD annee = DeclencheurAVenir().wBeginYear;
    CTemps::DepuisLocal(annee, 3, 14, 20, 0, 0, programme.m_dateDepart);
    programme.m_heureDepart = programme.m_dateDepart;
    CTemps::DepuisLocal(annee, 6, 30, 0, 0, 0, programme.m_dateFin);
    programme.m_fichier = fichier;
    programme.m_chaine = 2;
    programme.m_minutes = "60";
    programme.CalculerFin();
    programme.m_arreter = arreter ? 1 : 0;
    return programme;
}

class AjoutReel : public testing::Test
{
protected:
    void SetUp() override { Nettoyer(); }
    void TearDown() override { Nettoyer(); }
    static void Nettoyer()
    {
        SupprimerTachesReelles(L"Ajout");
        SupprimerTacheReelle(NOM_TACHE_ARRET);
    }

    std::unique_ptr<CTache> Ajouter(const CDefinitionProgramme& programme)
    {
        const ContexteCommande contexte = {*m_planificateur, m_fenetre, m_dossier, m_motDePasse};
        return AjouterProgramme(contexte, programme, NomTache(programme.m_fichier));
    }

    std::unique_ptr<CPlanificateur> m_planificateur = [] {
        std::unique_ptr<CPlanificateur> planificateur;
        EXPECT_EQ(CreerPlanificateurCom(planificateur), S_OK);
        return planificateur;
    }();
    CInterlocuteurEssai m_fenetre;
    std::string m_dossier = "C:\\TV";
    wchar_t m_motDePasse[TAILLE_TAMPON] = {};
};
} // namespace

TEST_F(AjoutReel, UnProgrammeDevientUnEnregistrementComplet)
{
    // Weekly on Mondays and Fridays until 30 June, at 20:45:59 (the seconds are dropped).
    CDefinitionProgramme programme = Programme("Ajout Journal");
    programme.m_uneFois = 0;
    programme.m_toutesLesSemaines = 1;
    programme.m_lundi = programme.m_vendredi = 1;
    programme.m_heureDepart = CTemps(programme.m_heureDepart.Secondes() + 45 * 60 + 59);
    ASSERT_NE(Ajouter(programme), nullptr);
    EXPECT_TRUE(m_fenetre.m_codes.empty() && m_fenetre.m_textes.empty());
    EXPECT_EQ(m_fenetre.m_demandes, 1);

    const TacheLue lue = LireTacheReelle(L"Ajout_Journal");
    ASSERT_TRUE(lue.trouvee);
    EXPECT_EQ(lue.application, L"C:\\TV\\WinTV2K.EXE");
    EXPECT_EQ(lue.parametres, L" -c3 -ntod -startr:Ajout_Journal.mpg -qvcd -limit:3600");
    EXPECT_EQ(lue.declencheurs, 1);
    TASK_TRIGGER attendu = {};
    attendu.cbTriggerSize = sizeof attendu;
    attendu.wBeginYear = attendu.wEndYear = DeclencheurAVenir().wBeginYear;
    attendu.wBeginMonth = 3;
    attendu.wBeginDay = 14;
    attendu.wEndMonth = 6;
    attendu.wEndDay = 30;
    attendu.wStartHour = 20;
    attendu.wStartMinute = 45;
    attendu.rgFlags = TASK_TRIGGER_FLAG_HAS_END_DATE;
    attendu.TriggerType = TASK_TIME_TRIGGER_WEEKLY;
    attendu.Type.Weekly.WeeksInterval = 1;
    attendu.Type.Weekly.rgfDaysOfTheWeek = TASK_MONDAY | TASK_FRIDAY;
    EXPECT_EQ(std::memcmp(&lue.declencheur, &attendu, sizeof attendu), 0);
    // No companion unless asked.
    EXPECT_FALSE(LireTacheReelle(NOM_TACHE_ARRET).trouvee);
}

TEST_F(AjoutReel, UnNomPrisNeChangeRienALaTacheExistante)
{
    ASSERT_NE(Ajouter(Programme("Ajout_b")), nullptr);
    const std::string avant = OctetsTacheReelle(L"Ajout_b");
    ASSERT_FALSE(avant.empty());
    for (const char* fichier : {"Ajout_b", "Ajout b"})
    {
        m_fenetre = CInterlocuteurEssai();
        EXPECT_EQ(Ajouter(Programme(fichier, true)), nullptr) << fichier;
        // The store's own refusal, with its text; no password asked, no companion made.
        ASSERT_EQ(m_fenetre.m_codes.size(), 1u) << fichier;
        EXPECT_EQ(m_fenetre.m_codes[0], HRESULT_FROM_WIN32(ERROR_FILE_EXISTS));
        EXPECT_EQ(m_fenetre.m_demandes, 0);
        EXPECT_EQ(OctetsTacheReelle(L"Ajout_b"), avant);
        EXPECT_FALSE(LireTacheReelle(NOM_TACHE_ARRET).trouvee);
    }
}

TEST_F(AjoutReel, UnMotDePasseAnnuleNeLaisseAucuneTache)
{
    m_fenetre.m_passe = [](CPasse&) -> INT_PTR { return IDCANCEL; };
    EXPECT_EQ(Ajouter(Programme("Ajout annule", true)), nullptr);
    EXPECT_TRUE(m_fenetre.m_codes.empty() && m_fenetre.m_textes.empty());
    EXPECT_TRUE(OctetsTacheReelle(L"Ajout_annule").empty());
    EXPECT_FALSE(LireTacheReelle(NOM_TACHE_ARRET).trouvee);
}

TEST_F(AjoutReel, UnNomTropLongEstRefuseAvantTouteTache)
{
    CPlanificateurMemoire memoire;
    const ContexteCommande contexte = {memoire, m_fenetre, m_dossier, m_motDePasse};
    // 218 characters fit the parameter string, 219 do not.
    EXPECT_NE(AjouterProgramme(contexte, Programme(""), std::string(218, 'n')), nullptr);
    memoire = CPlanificateurMemoire();
    EXPECT_EQ(AjouterProgramme(contexte, Programme(""), std::string(219, 'n')), nullptr);
    EXPECT_TRUE(memoire.Journal().empty());
    EXPECT_EQ(m_fenetre.m_textes, std::vector<std::string>{MESSAGE_NOM_TROP_LONG});
}

// The scheduler's service reading the file refuses a delete for a moment: it is asked again.
TEST_F(AjoutReel, UneSuppressionRefuseeUnInstantEstRedemandee)
{
    CPlanificateurMemoire memoire;
    const ContexteCommande contexte = {memoire, m_fenetre, m_dossier, m_motDePasse};
    m_fenetre.m_passe = [](CPasse&) -> INT_PTR { return IDCANCEL; };
    for (const int rang : {1, 2})
        memoire.InjecterEchec("Delete", HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION), rang);
    EXPECT_EQ(AjouterProgramme(contexte, Programme("Occupe"), "Occupe"), nullptr);
    EXPECT_EQ(memoire.Trouver(L"Occupe"), nullptr);
    EXPECT_TRUE(m_fenetre.m_codes.empty());
}

TEST_F(AjoutReel, LeCompagnonArreteLOrdinateurCinqMinutesApresLaPremiereFin)
{
    CDefinitionProgramme quotidien = Programme("Ajout quotidien", true);
    quotidien.m_uneFois = 0;
    quotidien.m_tousLesJours = 1;
    ASSERT_NE(Ajouter(quotidien), nullptr);
    EXPECT_TRUE(m_fenetre.m_codes.empty() && m_fenetre.m_textes.empty());

    char dossier[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, dossier);
    const TacheLue arret = LireTacheReelle(NOM_TACHE_ARRET);
    ASSERT_TRUE(arret.trouvee);
    const std::string application = std::string(dossier) + "\\Shutdown.exe";
    EXPECT_EQ(arret.application, std::wstring(application.begin(), application.end()));
    EXPECT_EQ(arret.parametres, L"");
    EXPECT_EQ(arret.indicateurs & TASK_FLAG_DELETE_WHEN_DONE, static_cast<DWORD>(TASK_FLAG_DELETE_WHEN_DONE));
    // One run only, after the first recording, whatever the programme's period.
    EXPECT_EQ(arret.declencheurs, 1);
    EXPECT_EQ(arret.declencheur.TriggerType, TASK_TIME_TRIGGER_ONCE);
    EXPECT_EQ(arret.declencheur.rgFlags, static_cast<DWORD>(TASK_TRIGGER_FLAG_KILL_AT_DURATION_END));
    EXPECT_EQ(arret.declencheur.wBeginMonth * 100 + arret.declencheur.wBeginDay, 314);
    EXPECT_EQ(arret.declencheur.wStartHour * 100 + arret.declencheur.wStartMinute, 2105);

    // While it waits, a second companion is refused; the second recording is complete.
    const std::string avant = OctetsTacheReelle(NOM_TACHE_ARRET);
    EXPECT_NE(Ajouter(Programme("Ajout second", true)), nullptr);
    EXPECT_EQ(m_fenetre.m_codes.size(), 1u);
    EXPECT_EQ(LireTacheReelle(L"Ajout_second").parametres,
              L" -c3 -ntod -startr:Ajout_second.mpg -qvcd -limit:3600");
    EXPECT_EQ(OctetsTacheReelle(NOM_TACHE_ARRET), avant);

    // The companion is no recording: the list leaves it out.
    CFenetreEssai liste;
    LancerFenetre(liste);
    for (const std::string& nom : liste.m_nomsTaches)
        EXPECT_NE(nom, "Shutdown");
}

namespace
{
// A call of an add, as the store's journal names it, and which of its calls of that name.
struct Appel
{
    std::string operation;
    int rang;
};

// What the in-memory store holds of a work item: complete, nothing, or something in between.
enum class Etat
{
    Absente,
    Complete,
    Partielle
};

Etat EtatEnregistrement(const TacheStockee* t)
{
    if (t == nullptr)
        return Etat::Absente;
    const bool complete = !t->application.empty() && !t->parametres.empty() &&
                          t->declencheurs.size() == 1 && t->declencheurs[0].wBeginYear != 0 &&
                          !t->compte.empty() && t->enregistrements >= 2;
    return complete ? Etat::Complete : Etat::Partielle;
}

Etat EtatArret(const TacheStockee* t)
{
    if (t == nullptr)
        return Etat::Absente;
    const bool complete = !t->application.empty() && t->declencheurs.size() == 1 &&
                          t->declencheurs[0].rgFlags == TASK_TRIGGER_FLAG_KILL_AT_DURATION_END &&
                          t->indicateurs == TASK_FLAG_DELETE_WHEN_DONE && !t->compte.empty() &&
                          t->motDePasse == L"secret" && t->enregistrements >= 2;
    return complete ? Etat::Complete : Etat::Partielle;
}

// "&Ajouter" in a main window over `memoire`, the editor and the password dialog answered in
// their place; `avant` runs once the window has started, just before the add. The list's rows
// after the add.
Lignes AjouterParLaFenetre(CPlanificateurMemoire& memoire, CFenetreEssai& fenetre,
                           const std::function<void()>& avant = {})
{
    Lignes lignes;
    const CDefinitionProgramme programme = Programme("Panne", true);
    fenetre.Emprunter(memoire);
    fenetre.m_editeur = [&programme](CEdition& edition) -> INT_PTR {
        static_cast<CDefinitionProgramme&>(edition) = programme;
        return IDOK;
    };
    fenetre.m_passe = Confirmer("SALON\\marc", "secret");
    LancerFenetre(fenetre, [&](CFenetreEssai& f) {
        if (avant)
            avant();
        SendMessageA(f.Fenetre(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        lignes = LireLignes(f.m_liste);
    });
    return lignes;
}
} // namespace

// Every scheduler call of an add is failed once: the user sees the system's text for that code,
// the recording and its companion are each complete in the store or not there at all, and the
// list and its names agree with the store.
TEST(AjoutPanne, ChaqueAppelEchoueUneFois)
{
    const HRESULT echec = HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
    char texteEchec[TAILLE_TAMPON] = {};
    CVidaltoDlg::TexteErreur(echec, texteEchec, sizeof texteEchec);
    ASSERT_STRNE(texteEchec, "");

    // The calls of an add that goes through, in their order.
    std::vector<Appel> appels;
    {
        CPlanificateurMemoire memoire;
        CFenetreEssai fenetre;
        std::size_t debut = 0;
        AjouterParLaFenetre(memoire, fenetre, [&] { debut = memoire.Journal().size(); });
        ASSERT_EQ(EtatEnregistrement(memoire.Trouver(L"Panne")), Etat::Complete);
        ASSERT_EQ(EtatArret(memoire.Trouver(NOM_TACHE_ARRET)), Etat::Complete);
        std::map<std::string, int> rangs;
        for (std::size_t i = debut; i < memoire.Journal().size(); ++i)
            appels.push_back({memoire.Journal()[i], ++rangs[memoire.Journal()[i]]});
    }
    ASSERT_GE(appels.size(), 22u);

    // Calls whose failure the program passes over: a missing account read back is replaced by
    // the one just confirmed, a missing next run or comment leaves its column empty.
    const std::vector<std::string> muets = {"GetAccountInformation", "GetNextRunTime", "GetComment"};
    for (const Appel& appel : appels)
    {
        SCOPED_TRACE(appel.operation + " #" + std::to_string(appel.rang));
        CPlanificateurMemoire memoire;
        CFenetreEssai fenetre;
        CBoitesMessage boites;
        const Lignes lignes = AjouterParLaFenetre(
            memoire, fenetre, [&] { memoire.InjecterEchec(appel.operation, echec, appel.rang); });

        const bool muet = std::find(muets.begin(), muets.end(), appel.operation) != muets.end();
        ASSERT_EQ(boites.Vues().size(), muet ? 0u : 1u);
        if (!muet)
        {
            EXPECT_EQ(boites.Vues()[0].titre, "Erreur");
            EXPECT_EQ(boites.Vues()[0].texte, texteEchec);
            EXPECT_TRUE(boites.Vues()[0].iconeErreur);
        }
        const Etat enregistrement = EtatEnregistrement(memoire.Trouver(L"Panne"));
        const Etat arret = EtatArret(memoire.Trouver(NOM_TACHE_ARRET));
        EXPECT_NE(enregistrement, Etat::Partielle);
        EXPECT_NE(arret, Etat::Partielle);
        // No companion without its recording.
        EXPECT_FALSE(enregistrement == Etat::Absente && arret != Etat::Absente);

        ASSERT_EQ(fenetre.m_nomsTaches.size(), lignes.size());
        if (enregistrement == Etat::Complete)
        {
            ASSERT_EQ(lignes.size(), 1u);
            EXPECT_EQ(fenetre.m_nomsTaches[0], "Panne");
            EXPECT_EQ(lignes[0][0], "Panne.mpg");
        }
        else
        {
            EXPECT_TRUE(lignes.empty());
        }
    }
}
