// Adding a programme against Wine's real Task Scheduler: the recording work item and its shutdown
// companion, and every scheduler call of an add failed once.

#include "AideTaches.h"

#include "editor/Edition.h"
#include "tasks/ChaineParametres.h"
#include "tasks/Commandes.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    programme.m_dureeSecondes = 3600;
    programme.m_arreter = arreter;
    return programme;
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

class Ajout : public testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(CreerPlanificateurPanne(m_pannes, m_reel), S_OK); }

    // The add on the real store; a fresh account of what the user saw.
    std::unique_ptr<CTache> Ajouter(const CDefinitionProgramme& programme)
    {
        m_fenetre = CInterlocuteurEssai();
        const ContexteCommande contexte = {*m_reel, m_fenetre, m_dossier, m_motDePasse};
        return AjouterProgramme(contexte, programme, NomTache(programme.m_fichier));
    }

    std::shared_ptr<CPannes> m_pannes = std::make_shared<CPannes>();
    std::unique_ptr<CPlanificateur> m_reel;
    CInterlocuteurEssai m_fenetre;
    std::string m_dossier = "C:\\TV";
    wchar_t m_motDePasse[TAILLE_TAMPON] = {};
};
} // namespace

TEST_F(Ajout, UnEnregistrementCompletSonCompagnonEtUnNomPris)
{
    // Mondays and Fridays until 30 June, at 20:45:59 (the seconds are dropped); no companion
    // unless asked.
    CDefinitionProgramme programme = Programme("Ajout Journal");
    programme.m_uneFois = 0;
    programme.m_toutesLesSemaines = 1;
    programme.m_lundi = programme.m_vendredi = 1;
    programme.m_heureDepart = CTemps(programme.m_heureDepart.Secondes() + 45 * 60 + 59);
    ASSERT_NE(Ajouter(programme), nullptr);
    EXPECT_EQ(m_fenetre.m_demandes, 1);
    const TacheLue lue = LireTacheReelle(L"Ajout_Journal");
    EXPECT_EQ(lue.parametres, L" -c3 -ntod -startr:Ajout_Journal.mpg -qvcd -limit:3600");
    EXPECT_EQ(lue.declencheurs, 1);
    TASK_TRIGGER attendu = DeclencheurAVenir(); // 14 March at 20:45
    attendu.wEndYear = attendu.wBeginYear;
    attendu.wEndMonth = 6;
    attendu.wEndDay = 30;
    attendu.rgFlags = TASK_TRIGGER_FLAG_HAS_END_DATE;
    attendu.TriggerType = TASK_TIME_TRIGGER_WEEKLY;
    attendu.Type.Weekly = {1, TASK_MONDAY | TASK_FRIDAY};
    EXPECT_EQ(std::memcmp(&lue.declencheur, &attendu, sizeof attendu), 0);
    EXPECT_FALSE(LireTacheReelle(NOM_TACHE_ARRET).trouvee);

    // The companion: Shutdown.exe of the current directory, once, five minutes after the first
    // recording ends, deleting itself after its run.
    ASSERT_NE(Ajouter(Programme("Ajout second", true)), nullptr);
    EXPECT_TRUE(m_fenetre.m_codes.empty() && m_fenetre.m_textes.empty());
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

    // While it waits, a second companion is refused (the store's text), its recording kept.
    const std::string octetsArret = OctetsTacheReelle(NOM_TACHE_ARRET);
    EXPECT_NE(Ajouter(Programme("Ajout troisieme", true)), nullptr);
    EXPECT_EQ(m_fenetre.m_codes, std::vector<HRESULT>{HRESULT_FROM_WIN32(ERROR_FILE_EXISTS)});
    EXPECT_TRUE(LireTacheReelle(L"Ajout_troisieme").trouvee);
    EXPECT_EQ(OctetsTacheReelle(NOM_TACHE_ARRET), octetsArret);

    // A name taken: the store's refusal, no password asked, the work item untouched (Wine's
    // NewWorkItem does not refuse it, and a save would write over it).
    const std::string octets = OctetsTacheReelle(L"Ajout_second");
    EXPECT_EQ(Ajouter(Programme("Ajout second")), nullptr);
    EXPECT_EQ(m_fenetre.m_codes, std::vector<HRESULT>{HRESULT_FROM_WIN32(ERROR_FILE_EXISTS)});
    EXPECT_EQ(m_fenetre.m_demandes, 0);
    EXPECT_EQ(OctetsTacheReelle(L"Ajout_second"), octets);
}

TEST_F(Ajout, UnNomTropLongOuUneSuppressionRefuseeUnInstant)
{
    // 219 characters do not fit the parameter string: refused before any call; 218 fit.
    EXPECT_EQ(Ajouter(Programme(std::string(219, 'n'))), nullptr);
    EXPECT_TRUE(m_pannes->Journal().empty());
    EXPECT_EQ(m_fenetre.m_textes, std::vector<std::string>{MESSAGE_NOM_TROP_LONG});
    EXPECT_NE(Ajouter(Programme(std::string(218, 'n'))), nullptr);

    // A current directory too long to hold Shutdown.exe: the recording, without its companion.
    char ici[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, ici);
    const std::string profond = "C:\\" + std::string(244, 'd');
    CreateDirectoryA(profond.c_str(), nullptr);
    ASSERT_TRUE(SetCurrentDirectoryA(profond.c_str()));
    EXPECT_NE(Ajouter(Programme("Profond", true)), nullptr);
    SetCurrentDirectoryA(ici);
    RemoveDirectoryA(profond.c_str());
    EXPECT_EQ(m_fenetre.m_textes, std::vector<std::string>{MESSAGE_DOSSIER_ARRET_TROP_LONG});
    EXPECT_FALSE(LireTacheReelle(NOM_TACHE_ARRET).trouvee);

    // A failed add is deleted again; the scheduler's service, reading the file, refuses the
    // delete for a moment: asked again. Only the first failure is shown, also when the delete
    // fails for good, which leaves the half-made work item.
    for (const HRESULT refus : {HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION), E_ACCESSDENIED})
    {
        m_pannes->InjecterEchec("SetParameters", E_ACCESSDENIED);
        for (const int rang : {1, 2})
            m_pannes->InjecterEchec("Delete", refus, rang);
        EXPECT_EQ(Ajouter(Programme("Occupe")), nullptr);
        EXPECT_EQ(LireTacheReelle(L"Occupe").trouvee, refus == E_ACCESSDENIED);
        EXPECT_EQ(m_fenetre.m_codes, std::vector<HRESULT>{E_ACCESSDENIED});
    }
}

// "&Ajouter" with its companion, each of its scheduler calls failed once: the recording and its
// companion are each complete or absent, never a companion without its recording, and the list
// shows the recording, at its top, exactly when it is there, each row beside its own work item's
// name (with one name on either side of the new one, a list that sorts its rows would part them).
TEST(AjoutPanne, ChaqueAppelEchoueUneFois)
{
    const CDefinitionProgramme programme = Programme("Panne", true);
    const auto preparer = [&programme](CFenetreEssai& fenetre) {
        CreerEnregistrement(L"Autre");
        CreerEnregistrement(L"Zapping");
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
        [](const Panne& panne, const CPannes& pannes, CFenetreEssai& fenetre, const Lignes& lignes) {
            const std::string etats =
                EtatTache(L"Panne", pannes, false) + " " + EtatTache(NOM_TACHE_ARRET, pannes, true);
            if (panne.operation.empty())
            {
                EXPECT_EQ(etats, "complete complete");
            }
            EXPECT_TRUE(etats == "complete complete" || etats == "complete absente" ||
                        etats == "absente absente")
                << etats;
            const bool ajoute = etats.rfind("complete", 0) == 0;
            std::vector<std::string> lues, attendues = {"Autre.mpg Autre", "Zapping.mpg Zapping"};
            for (std::size_t i = 0; i < lignes.size() && i < fenetre.m_nomsTaches.size(); ++i)
                lues.push_back(lignes[i][0] + " " + fenetre.m_nomsTaches[i]);
            if (ajoute)
                attendues.insert(attendues.begin(), "Panne.mpg Panne");
            // The rows listed at start-up come in the store's order.
            std::sort(lues.begin() + (ajoute && !lues.empty() ? 1 : 0), lues.end());
            EXPECT_EQ(lues, attendues);
            EXPECT_EQ(fenetre.m_nomsTaches.size(), lignes.size());
        });
    EXPECT_GE(appels, 22u);
}
