// A programme's values written as a recording work item's command and trigger: read back
// from the real Task Scheduler and listed; refusals and failures on the in-memory store.

#include "AideTaches.h"

#include "editor/DefinitionProgramme.h"
#include "tasks/Commandes.h"
#include "framework/Ressources.h"
#include "tasks/PlanificateurCom.h"
#include "tasks/UuidTaches.h"

#include <gtest/gtest.h>

#include <wrl/client.h>

#include <cstring>

using Microsoft::WRL::ComPtr;

namespace
{
CTemps Instant(int annee, int mois, int jour, int heure, int minute, int seconde)
{
    CTemps t;
    EXPECT_TRUE(CTemps::DepuisLocal(annee, mois, jour, heure, minute, seconde, t));
    return t;
}

// A weekly programme on Mondays and Fridays, 20:45 for 90 minutes on channel row 2.
CDefinitionProgramme Hebdomadaire()
{
    CDefinitionProgramme programme;
    programme.m_uneFois = 0;
    programme.m_toutesLesSemaines = 1;
    programme.m_chaine = 2;
    programme.m_minutes = "90";
    programme.m_dateDepart = Instant(2027, 1, 4, 9, 0, 0);
    programme.m_heureDepart = Instant(2027, 1, 4, 20, 45, 59);
    programme.m_dateFin = Instant(2027, 6, 30, 0, 0, 0);
    programme.m_lundi = 1;
    programme.m_vendredi = 1;
    programme.CalculerFin();
    return programme;
}

std::wstring LireTexte(HRESULT (STDMETHODCALLTYPE ITask::*lecture)(LPWSTR*), ITask* tache)
{
    LPWSTR brut = nullptr;
    const HRESULT hr = (tache->*lecture)(&brut);
    CTexteCom texte(brut);
    EXPECT_EQ(hr, S_OK);
    return texte.EstValide() ? std::wstring(texte.Get()) : std::wstring();
}
} // namespace

TEST(CommandeReelle, UneTacheEcriteSeRelitEtEstListee)
{
    SupprimerTachesReelles(L"Commande");
    std::unique_ptr<CPlanificateur> planificateur;
    ASSERT_EQ(CreerPlanificateurCom(planificateur), S_OK);

    const CDefinitionProgramme programme = Hebdomadaire();
    {
        std::unique_ptr<CTache> tache;
        ASSERT_EQ(planificateur->NouvelleTache(L"CommandeJournal", tache), S_OK);
        std::unique_ptr<CPersistance> persistance;
        ASSERT_EQ(DefinirCommande(*tache, programme, "C:\\TV", "CommandeJournal", persistance), S_OK);
        ASSERT_NE(persistance, nullptr);
        WORD index = 0;
        std::unique_ptr<CDeclencheur> declencheur;
        ASSERT_EQ(tache->CreerDeclencheur(index, declencheur), S_OK);
        ASSERT_EQ(DefinirDeclencheur(*declencheur, programme), S_OK);
        ASSERT_EQ(persistance->Enregistrer(), S_OK);
    }

    // Read back through the scheduler's own interfaces, independently of the binding.
    ComPtr<ITaskScheduler> brut;
    ASSERT_EQ(CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskScheduler,
                               reinterpret_cast<void**>(brut.GetAddressOf())),
              S_OK);
    ComPtr<IUnknown> inconnu;
    ASSERT_EQ(brut->Activate(L"CommandeJournal", IID_ITask, &inconnu), S_OK);
    ComPtr<ITask> tache;
    ASSERT_EQ(inconnu.As(&tache), S_OK);
    EXPECT_EQ(LireTexte(&ITask::GetApplicationName, tache.Get()), L"C:\\TV\\WinTV2K.EXE");
    EXPECT_EQ(LireTexte(&ITask::GetParameters, tache.Get()),
              L" -c3 -ntod -startr:CommandeJournal.mpg -qvcd -limit:5400");
    WORD nombre = 0;
    ASSERT_EQ(tache->GetTriggerCount(&nombre), S_OK);
    EXPECT_EQ(nombre, 1);
    ComPtr<ITaskTrigger> declencheur;
    ASSERT_EQ(tache->GetTrigger(0, &declencheur), S_OK);
    TASK_TRIGGER lu = {};
    lu.cbTriggerSize = sizeof lu;
    ASSERT_EQ(declencheur->GetTrigger(&lu), S_OK);

    TASK_TRIGGER attendu = {};
    attendu.cbTriggerSize = sizeof attendu;
    attendu.wBeginYear = 2027;
    attendu.wBeginMonth = 1;
    attendu.wBeginDay = 4;
    attendu.wEndYear = 2027;
    attendu.wEndMonth = 6;
    attendu.wEndDay = 30;
    attendu.wStartHour = 20;
    attendu.wStartMinute = 45;
    attendu.rgFlags = TASK_TRIGGER_FLAG_HAS_END_DATE;
    attendu.TriggerType = TASK_TIME_TRIGGER_WEEKLY;
    attendu.Type.Weekly.WeeksInterval = 1;
    attendu.Type.Weekly.rgfDaysOfTheWeek = TASK_MONDAY | TASK_FRIDAY;
    EXPECT_EQ(std::memcmp(&lu, &attendu, sizeof lu), 0);

    CFenetreEssai liste;
    Lignes lignes;
    LancerFenetre(liste, [&](CFenetreEssai& f) { lignes = LireLignes(f.m_liste); });
    const Lignes nos = Filtrer(lignes, "CommandeJournal");
    ASSERT_EQ(nos.size(), 1u);
    EXPECT_EQ(nos[0][0], "CommandeJournal.mpg");
    // The next Monday or Friday at 20:45 from now, before the end date.
    EXPECT_EQ(nos[0][1].substr(nos[0][1].size() - 8), " à 20:45") << nos[0][1];
    EXPECT_EQ(nos[0][2], "");
    EXPECT_EQ(nos[0][3], "qvcd");
    EXPECT_EQ(nos[0][4], "01:30:00");
    SupprimerTachesReelles(L"Commande");
}

TEST(CommandeMemoire, UnCheminOuDesParametresTropLongsSontRefusesSansRienChanger)
{
    CPlanificateurMemoire memoire;
    const CDefinitionProgramme programme = Hebdomadaire();
    const auto ecrire = [&](const std::string& dossier, const std::string& nom) {
        std::unique_ptr<CTache> tache;
        EXPECT_EQ(memoire.NouvelleTache(L"Essai", tache), S_OK);
        std::unique_ptr<CPersistance> persistance;
        const HRESULT hr = DefinirCommande(*tache, programme, dossier, nom, persistance);
        EXPECT_EQ(persistance != nullptr, SUCCEEDED(hr));
        return hr;
    };

    // "\WinTV2K.EXE" is 12 characters: a folder of 247 makes a path of 259, which fits.
    const std::string dossier247 = "C:\\" + std::string(244, 'd');
    ASSERT_EQ(ecrire(dossier247, "Journal"), S_OK);
    const TacheStockee* stockee = memoire.Trouver(L"Essai");
    ASSERT_NE(stockee, nullptr);
    EXPECT_EQ(stockee->enregistrements, 1);

    memoire = CPlanificateurMemoire();
    EXPECT_EQ(ecrire(dossier247 + "d", "Journal"), COMMANDE_TROP_LONGUE);
    // Refused before the first save: nothing was written or set.
    EXPECT_EQ(memoire.Journal(), (std::vector<std::string>{"NewWorkItem"}));
    EXPECT_EQ(memoire.Trouver(L"Essai"), nullptr);

    // " -c3 -ntod -startr:" NAME ".mpg -qvcd -limit:5400" is 41 characters and the name.
    memoire = CPlanificateurMemoire();
    EXPECT_EQ(ecrire("C:\\TV", std::string(218, 'n')), S_OK);
    memoire = CPlanificateurMemoire();
    EXPECT_EQ(ecrire("C:\\TV", std::string(219, 'n')), COMMANDE_TROP_LONGUE);
    EXPECT_EQ(memoire.Journal(), (std::vector<std::string>{"NewWorkItem"}));

    // The system has a text for the refusal, which the adding command shows.
    char texte[260] = {};
    CVidaltoDlg::TexteErreur(COMMANDE_TROP_LONGUE, texte, sizeof texte);
    EXPECT_STRNE(texte, "");
}

TEST(CommandeMemoire, LePremierEchecEstRenduTelQuel)
{
    const CDefinitionProgramme programme = Hebdomadaire();
    const HRESULT echec = HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
    for (const char* operation : {"QueryInterface(IPersistFile)", "Save", "SetApplicationName", "SetParameters"})
    {
        CPlanificateurMemoire memoire;
        std::unique_ptr<CTache> tache;
        ASSERT_EQ(memoire.NouvelleTache(L"Essai", tache), S_OK);
        memoire.InjecterEchec(operation, echec);
        std::unique_ptr<CPersistance> persistance;
        EXPECT_EQ(DefinirCommande(*tache, programme, "C:\\TV", "Essai", persistance), echec) << operation;
        // Nothing is asked after the failure.
        EXPECT_EQ(memoire.Journal().back(), operation);
    }

    // The trigger step hands back the scheduler's answer, failure or success code alike.
    for (const HRESULT reponse : {echec, static_cast<HRESULT>(S_FALSE)})
    {
        CPlanificateurMemoire memoire;
        std::unique_ptr<CTache> tache;
        ASSERT_EQ(memoire.NouvelleTache(L"Essai", tache), S_OK);
        WORD index = 0;
        std::unique_ptr<CDeclencheur> declencheur;
        ASSERT_EQ(tache->CreerDeclencheur(index, declencheur), S_OK);
        memoire.InjecterEchec("SetTrigger", reponse);
        EXPECT_EQ(DefinirDeclencheur(*declencheur, programme), reponse);
    }
}
