// The demo's stand-in for what happens around the program:
//   Demo.exe exemples     puts a few sample programmes in the store (a once, a daily and a weekly
//                         one, and one with a shutdown companion), as the program itself adds them
//   Demo.exe lancer NAME  starts the work item NAME's application with its parameters, as the
//                         scheduler's service does when its trigger comes due (Wine's does not
//                         here), and waits for it
#include "framework/Ressources.h"
#include "tasks/ChaineParametres.h"
#include "tasks/Commandes.h"
#include "tasks/Passe.h"
#include "tasks/PlanificateurCom.h"

#include <objbase.h>

#include <cstdio>
#include <cstring>
#include <ctime>

namespace
{
// Confirms the proposed account with an empty password, and says what went wrong.
class CInterlocuteurDemo : public CInterlocuteur
{
public:
    void AfficherErreur(HRESULT code) override
    {
        std::fprintf(stderr, "error 0x%08lX\n", static_cast<unsigned long>(code));
    }
    void AfficherErreur(const char* texte) override { std::fprintf(stderr, "%s\n", texte); }
    INT_PTR DemanderCompte(CPasse& /*passe*/) override { return IDOK; }
};

CTemps Dans(int jours, int heure, int minute)
{
    std::time_t maintenant = std::time(nullptr) + static_cast<std::time_t>(jours) * 86400;
    const std::tm* local = std::localtime(&maintenant);
    CTemps instant;
    CTemps::DepuisLocal(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, heure, minute, 0, instant);
    return instant;
}

int Exemples(CPlanificateur& planificateur)
{
    struct Exemple
    {
        const char* fichier;
        int chaine, jours, heure, minute;
        const char* minutes;
        int periode; // 0 once, 1 daily, 2 weekly (Friday and Saturday)
        bool arreter;
    };
    const Exemple exemples[] = {
        {"Le film du dimanche", 1, 1, 20, 50, "120", 0, false},
        {"Meteo", 5, 0, 19, 55, "10", 1, false},
        {"Concert", 10, 2, 21, 0, "90", 2, false},
        {"Match de nuit", 2, 3, 23, 30, "105", 0, true},
    };
    std::string dossier = "C:\\TV";
    wchar_t motDePasse[TAILLE_TAMPON] = {};
    CInterlocuteurDemo fenetre;
    const ContexteCommande contexte = {planificateur, fenetre, dossier, motDePasse};
    int echecs = 0;
    for (const Exemple& e : exemples)
    {
        CDefinitionProgramme programme;
        programme.m_fichier = e.fichier;
        programme.m_chaine = e.chaine;
        programme.m_minutes = e.minutes;
        programme.m_dateDepart = Dans(e.jours, 0, 0);
        programme.m_heureDepart = Dans(e.jours, e.heure, e.minute);
        programme.m_dateFin = Dans(e.jours + 60, 0, 0);
        programme.m_uneFois = e.periode == 0;
        programme.m_tousLesJours = e.periode == 1;
        programme.m_toutesLesSemaines = e.periode == 2;
        programme.m_vendredi = programme.m_samedi = 1;
        programme.m_arreter = e.arreter;
        programme.CalculerFin();
        const std::string nom = NomTache(e.fichier);
        wchar_t nomLarge[TAILLE_TAMPON];
        VersLarge(nom, nomLarge, TAILLE_TAMPON);
        SupprimerTache(planificateur, nomLarge);
        if (e.arreter)
            SupprimerTache(planificateur, NOM_TACHE_ARRET);
        if (!AjouterProgramme(contexte, programme, nom))
            ++echecs;
    }
    return echecs == 0 ? 0 : 1;
}

int Lancer(CPlanificateur& planificateur, const char* nom)
{
    wchar_t nomLarge[TAILLE_TAMPON];
    std::unique_ptr<CTache> tache;
    std::wstring application, parametres;
    if (!VersLarge(nom, nomLarge, TAILLE_TAMPON) || FAILED(planificateur.Activer(nomLarge, tache)) ||
        FAILED(tache->LireApplication(application)) || FAILED(tache->LireParametres(parametres)))
        return 1;
    std::wstring ligne = L"\"" + application + L"\"" + parametres;
    STARTUPINFOW demarrage = {};
    demarrage.cb = sizeof demarrage;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(application.c_str(), &ligne[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &demarrage, &info))
        return 1;
    CloseHandle(info.hThread);
    WaitForSingleObject(info.hProcess, 30000);
    CloseHandle(info.hProcess);
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    CoInitialize(nullptr);
    int resultat = 2;
    {
        std::unique_ptr<CPlanificateur> planificateur;
        if (FAILED(CreerPlanificateurCom(planificateur)))
            resultat = 1;
        else if (std::strcmp(argv[1], "exemples") == 0)
            resultat = Exemples(*planificateur);
        else if (std::strcmp(argv[1], "lancer") == 0 && argc == 3)
            resultat = Lancer(*planificateur, argv[2]);
    }
    CoUninitialize();
    return resultat;
}
