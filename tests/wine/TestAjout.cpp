// Adding a programme: the recording work item and its shutdown companion against Wine's real
// Task Scheduler, and every scheduler call of an add failed once on the in-memory store.

#include "AideTaches.h"

#include "editor/Edition.h"
#include "tasks/ChaineParametres.h"
#include "tasks/Commandes.h"
#include "tasks/PlanificateurCom.h"

#include <gtest/gtest.h>

#include <cstring>

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

class Ajout : public testing::Test
{
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override
    {
        SupprimerTachesReelles(L"Ajout");
        SupprimerTacheReelle(NOM_TACHE_ARRET);
    }

    // The add on the real store, or on `planificateur`; a fresh account of what the user saw.
    std::unique_ptr<CTache> Ajouter(const CDefinitionProgramme& programme,
                                    CPlanificateur* planificateur = nullptr, const std::string& nom = "")
    {
        m_fenetre.m_codes.clear();
        m_fenetre.m_textes.clear();
        m_fenetre.m_demandes = 0;
        const ContexteCommande contexte = {planificateur ? *planificateur : *m_reel, m_fenetre, m_dossier,
                                           m_motDePasse};
        return AjouterProgramme(contexte, programme, nom.empty() ? NomTache(programme.m_fichier) : nom);
    }

    std::unique_ptr<CPlanificateur> m_reel = [] {
        std::unique_ptr<CPlanificateur> planificateur;
        EXPECT_EQ(CreerPlanificateurCom(planificateur), S_OK);
        return planificateur;
    }();
    CInterlocuteurEssai m_fenetre;
    std::string m_dossier = "C:\\TV";
    wchar_t m_motDePasse[TAILLE_TAMPON] = {};
};
} // namespace

TEST_F(Ajout, UnProgrammeHebdomadaireDevientUnEnregistrementComplet)
{
    // Mondays and Fridays until 30 June, at 20:45:59 (the seconds are dropped).
    CDefinitionProgramme programme = Programme("Ajout Journal");
    programme.m_uneFois = 0;
    programme.m_toutesLesSemaines = 1;
    programme.m_lundi = programme.m_vendredi = 1;
    programme.m_heureDepart = CTemps(programme.m_heureDepart.Secondes() + 45 * 60 + 59);
    ASSERT_NE(Ajouter(programme), nullptr);
    EXPECT_TRUE(m_fenetre.m_codes.empty() && m_fenetre.m_textes.empty());
    EXPECT_EQ(m_fenetre.m_demandes, 1);

    const TacheLue lue = LireTacheReelle(L"Ajout_Journal");
    EXPECT_EQ(lue.application, L"C:\\TV\\WinTV2K.EXE");
    EXPECT_EQ(lue.parametres, L" -c3 -ntod -startr:Ajout_Journal.mpg -qvcd -limit:3600");
    EXPECT_EQ(lue.declencheurs, 1);
    TASK_TRIGGER attendu = DeclencheurAVenir(); // 14 March at 20:45
    attendu.wEndYear = attendu.wBeginYear;
    attendu.wEndMonth = 6;
    attendu.wEndDay = 30;
    attendu.rgFlags = TASK_TRIGGER_FLAG_HAS_END_DATE;
    attendu.TriggerType = TASK_TIME_TRIGGER_WEEKLY;
    attendu.Type.Weekly.WeeksInterval = 1;
    attendu.Type.Weekly.rgfDaysOfTheWeek = TASK_MONDAY | TASK_FRIDAY;
    EXPECT_EQ(std::memcmp(&lue.declencheur, &attendu, sizeof attendu), 0);
    // No companion unless asked.
    EXPECT_FALSE(LireTacheReelle(NOM_TACHE_ARRET).trouvee);
}

TEST_F(Ajout, LeCompagnonUnNomPrisEtUnCompteAnnule)
{
    // A daily programme with its companion: Shutdown.exe of the current directory, once, five
    // minutes after the first recording ends, deleting itself after its run.
    CDefinitionProgramme quotidien = Programme("Ajout quotidien", true);
    quotidien.m_uneFois = 0;
    quotidien.m_tousLesJours = 1;
    ASSERT_NE(Ajouter(quotidien), nullptr);
    EXPECT_TRUE(m_fenetre.m_codes.empty() && m_fenetre.m_textes.empty());
    char dossier[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, dossier);
    const TacheLue arret = LireTacheReelle(NOM_TACHE_ARRET);
    EXPECT_EQ(VersEtroit(arret.application), std::string(dossier) + "\\Shutdown.exe");
    EXPECT_EQ(arret.parametres, L"");
    EXPECT_EQ(arret.indicateurs & TASK_FLAG_DELETE_WHEN_DONE, static_cast<DWORD>(TASK_FLAG_DELETE_WHEN_DONE));
    EXPECT_EQ(arret.declencheurs, 1);
    EXPECT_EQ(arret.declencheur.TriggerType, TASK_TIME_TRIGGER_ONCE);
    EXPECT_EQ(arret.declencheur.rgFlags, static_cast<DWORD>(TASK_TRIGGER_FLAG_KILL_AT_DURATION_END));
    EXPECT_EQ(arret.declencheur.wBeginMonth * 100 + arret.declencheur.wBeginDay, 314);
    EXPECT_EQ(arret.declencheur.wStartHour * 100 + arret.declencheur.wStartMinute, 2105);

    // While it waits, a second companion is refused (the store's text); its recording is complete.
    const std::string octetsArret = OctetsTacheReelle(NOM_TACHE_ARRET);
    EXPECT_NE(Ajouter(Programme("Ajout second", true)), nullptr);
    EXPECT_EQ(m_fenetre.m_codes, std::vector<HRESULT>{HRESULT_FROM_WIN32(ERROR_FILE_EXISTS)});
    EXPECT_EQ(LireTacheReelle(L"Ajout_second").parametres,
              L" -c3 -ntod -startr:Ajout_second.mpg -qvcd -limit:3600");
    EXPECT_EQ(OctetsTacheReelle(NOM_TACHE_ARRET), octetsArret);

    // A name taken: the store's refusal, no password asked, the work item untouched.
    const std::string octets = OctetsTacheReelle(L"Ajout_second");
    for (const char* fichier : {"Ajout_second", "Ajout second"})
    {
        EXPECT_EQ(Ajouter(Programme(fichier, true)), nullptr) << fichier;
        EXPECT_EQ(m_fenetre.m_codes, std::vector<HRESULT>{HRESULT_FROM_WIN32(ERROR_FILE_EXISTS)});
        EXPECT_EQ(m_fenetre.m_demandes, 0);
        EXPECT_EQ(OctetsTacheReelle(L"Ajout_second"), octets);
    }

    // The password cancelled: nothing left, nothing shown.
    m_fenetre.m_passe = [](CPasse&) -> INT_PTR { return IDCANCEL; };
    EXPECT_EQ(Ajouter(Programme("Ajout annule")), nullptr);
    EXPECT_TRUE(m_fenetre.m_codes.empty() && m_fenetre.m_textes.empty());
    EXPECT_TRUE(OctetsTacheReelle(L"Ajout_annule").empty());

    // The companion is no recording: the list leaves it out.
    CFenetreEssai liste;
    LancerFenetre(liste);
    for (const std::string& nom : liste.m_nomsTaches)
        EXPECT_NE(nom, "Shutdown");
}

TEST_F(Ajout, UnNomTropLongOuUneSuppressionRefuseeUnInstant)
{
    // 218 characters fit the parameter string, 219 are refused before any call.
    CPlanificateurMemoire memoire;
    EXPECT_NE(Ajouter(Programme(""), &memoire, std::string(218, 'n')), nullptr);
    memoire = CPlanificateurMemoire();
    EXPECT_EQ(Ajouter(Programme(""), &memoire, std::string(219, 'n')), nullptr);
    EXPECT_TRUE(memoire.Journal().empty());
    EXPECT_EQ(m_fenetre.m_textes, std::vector<std::string>{MESSAGE_NOM_TROP_LONG});

    // A current directory too long to hold Shutdown.exe: the recording, without its companion.
    char ici[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, ici);
    const std::string profond = "C:\\" + std::string(244, 'd');
    CreateDirectoryA(profond.c_str(), nullptr);
    memoire = CPlanificateurMemoire();
    ASSERT_TRUE(SetCurrentDirectoryA(profond.c_str()));
    EXPECT_NE(Ajouter(Programme("Profond", true), &memoire), nullptr);
    SetCurrentDirectoryA(ici);
    RemoveDirectoryA(profond.c_str());
    EXPECT_EQ(m_fenetre.m_textes, std::vector<std::string>{MESSAGE_DOSSIER_ARRET_TROP_LONG});
    EXPECT_EQ(memoire.Noms(), std::vector<std::wstring>{L"Profond"});

    // The scheduler's service, reading the file, refuses a delete for a moment: asked again.
    m_fenetre.m_passe = [](CPasse&) -> INT_PTR { return IDCANCEL; };
    for (const int rang : {1, 2})
        memoire.InjecterEchec("Delete", HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION), rang);
    EXPECT_EQ(Ajouter(Programme("Occupe"), &memoire), nullptr);
    EXPECT_EQ(memoire.Trouver(L"Occupe"), nullptr);
    EXPECT_TRUE(m_fenetre.m_codes.empty());
}

namespace
{
// Complete in the store, or not there at all; anything else is a half-made work item.
enum class Etat
{
    Absente,
    Complete,
    Partielle
};

Etat EtatTache(const TacheStockee* t, bool arret)
{
    if (t == nullptr)
        return Etat::Absente;
    const bool commun = !t->application.empty() && t->declencheurs.size() == 1 && !t->compte.empty() &&
                        t->enregistrements >= 2;
    const bool complete = arret
                              ? t->declencheurs[0].rgFlags == TASK_TRIGGER_FLAG_KILL_AT_DURATION_END &&
                                    t->indicateurs == TASK_FLAG_DELETE_WHEN_DONE && t->motDePasse == L"secret"
                              : !t->parametres.empty() && t->declencheurs[0].wBeginYear != 0;
    return commun && complete ? Etat::Complete : Etat::Partielle;
}
} // namespace

// "&Ajouter" with its companion, each of its scheduler calls failed once: the recording and its
// companion are each complete or absent, never a companion without its recording, and the list
// shows the recording exactly when it is there.
TEST(AjoutPanne, ChaqueAppelEchoueUneFois)
{
    const CDefinitionProgramme programme = Programme("Panne", true);
    const auto preparer = [&programme](CPlanificateurMemoire&, CFenetreEssai& fenetre) {
        fenetre.m_editeur = [&programme](CEdition& edition) -> INT_PTR {
            static_cast<CDefinitionProgramme&>(edition) = programme;
            return IDOK;
        };
        fenetre.m_passe = Confirmer("SALON\\marc", "secret");
    };
    // A missing account read back is replaced by the one just confirmed, a missing next run or
    // comment leaves its column empty.
    const std::size_t appels = ChaqueAppelEchoue(
        preparer, [](CFenetreEssai& f) { Cliquer(f, IDOK); },
        {"GetAccountInformation", "GetNextRunTime", "GetComment"},
        [](const Panne& panne, CPlanificateurMemoire& memoire, CFenetreEssai& fenetre, const Lignes& lignes) {
            const Etat enregistrement = EtatTache(memoire.Trouver(L"Panne"), false);
            const Etat arret = EtatTache(memoire.Trouver(NOM_TACHE_ARRET), true);
            if (panne.operation.empty())
            {
                EXPECT_TRUE(enregistrement == Etat::Complete && arret == Etat::Complete);
            }
            EXPECT_NE(enregistrement, Etat::Partielle);
            EXPECT_NE(arret, Etat::Partielle);
            EXPECT_FALSE(enregistrement == Etat::Absente && arret != Etat::Absente);
            ASSERT_EQ(lignes.size(), enregistrement == Etat::Complete ? 1u : 0u);
            EXPECT_EQ(fenetre.m_nomsTaches.size(), lignes.size());
            if (!lignes.empty())
            {
                EXPECT_EQ(lignes[0][0] + fenetre.m_nomsTaches[0], "Panne.mpgPanne");
            }
        });
    EXPECT_GE(appels, 22u);
}
