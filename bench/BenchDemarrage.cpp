// Start-up of the main window listing 1,000 recording work items of the real Task Scheduler,
// against a bare loop of the same scheduler calls on the same store (the floor). Each is run
// several times, alternated, so that the file cache and the noise of the machine weigh the same
// on both, and the best of each is kept. Prints both figures, their ratio and, for reading them,
// the parts of the start-up: the window alone, and the time spent inside the scheduler's calls.
// Then the peak memory of each, in a process of its own (MemoireDemarrage.cpp). Run by
// scripts/bench.sh.

#include "Chrono.h"
#include "ClicMontre.h"
#include "MemoireDemarrage.h"
#include "PlanificateurChrono.h"
#include "TachesBanc.h"

#include "mainwindow/VidaltoDlg.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace
{
constexpr int ESSAIS = 7;

// The dialog's start-up, until it is shown (its template is visible: shown as soon as it is
// initialised); its row count.
int Demarrage(CDialogue& fenetre, double& secondes, Horloge::time_point* depart = nullptr)
{
    const CClicMontre fermer(IDCANCEL);
    const auto debut = Horloge::now();
    if (depart)
        *depart = debut;
    fenetre.DoModal();
    if (fermer.Vus().empty())
        return 0;
    secondes = Secondes(debut, fermer.Vus().front().montre);
    return fermer.Vus().front().lignes;
}

struct Meilleurs
{
    double programme = 1e9, plancher = 1e9, gabarit = 1e9, chrono = 1e9;
    // Of the timed start-up: until its first scheduler call, from it to the end of the last,
    // inside the calls, and after the last until shown.
    double avant = 0, liste = 0, dedans = 0, apres = 0;
};
} // namespace

int main(int argc, char** argv)
{
    if (argc > 1)
        return MesurerMemoireEnfant(argv[1]);

    INITCOMMONCONTROLSEX controles = {sizeof controles, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controles);
    CApartementCom com;
    if (FAILED(com.Initialiser()))
        return 1;
    DefinirCheminTV();
    const auto planificateur = Planificateur();
    if (!planificateur || !CreerTaches(planificateur.Get()))
    {
        std::fprintf(stderr, "The work items of the benchmark could not be created.\n");
        return 1;
    }
    // Not counted: warms the file cache and loads the libraries of the window.
    BoucleNue();
    {
        CVidaltoDlg fenetre;
        double ignore = 0;
        Demarrage(fenetre, ignore);
    }

    Meilleurs m;
    int listees = 0, lignes = 0;
    for (int essai = 0; essai < ESSAIS; ++essai)
    {
        const auto debut = Horloge::now();
        listees = BoucleNue();
        m.plancher = std::min(m.plancher, Secondes(debut, Horloge::now()));

        double s = 0;
        {
            CVidaltoDlg fenetre;
            lignes = Demarrage(fenetre, s);
        }
        m.programme = std::min(m.programme, s);

        // The parts, for reading the figures.
        {
            CDialogue gabarit(IDD_VIDALTO);
            Demarrage(gabarit, s);
            m.gabarit = std::min(m.gabarit, s);
        }
        {
            CFenetreChrono fenetre;
            Horloge::time_point depart;
            Demarrage(fenetre, s, &depart);
            const MesuresAppels& a = fenetre.m_appels;
            if (s < m.chrono && !a.vide)
            {
                m.chrono = s;
                m.avant = Secondes(depart, a.debutPremier);
                m.liste = Secondes(a.debutPremier, a.finDernier);
                m.dedans = a.secondes;
                m.apres = s - m.avant - m.liste;
            }
        }
    }

    std::printf("Start-up listing %d work items (%d rows): %.3f s\n", listees, lignes, m.programme);
    std::printf("Bare loop of the same scheduler calls:      %.3f s\n", m.plancher);
    std::printf("Ratio: %.2f (goal: at most 1.10)\n", m.programme / m.plancher);
    std::printf("Parts:\n  the window alone (template %d, no data), until shown: %.3f s\n", IDD_VIDALTO,
                m.gabarit);
    std::printf("  a start-up whose scheduler times its calls: %.3f s, of which\n"
                "    until its first call (window, icons, columns, registry, scheduler object): %.3f s\n"
                "    listing: %.3f s, inside the scheduler %.3f s, outside (rows, texts, timing) %.3f s\n"
                "    after the last call until shown: %.3f s\n",
                m.chrono, m.avant, m.liste, m.dedans, m.liste - m.dedans, m.apres);

    const bool memoire = AfficherMemoire();
    SupprimerTaches(planificateur.Get());
    return lignes >= NOMBRE_TACHES && memoire ? 0 : 1;
}
