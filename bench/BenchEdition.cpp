// The editor's opening with 10,000 channels (registration of the data source, connection,
// channel query, one list row per channel, until the dialog is shown, then its cancel), against
// the platform's own unavoidable cost of it (the floor): a bare ODBC fetch of the same rows on
// the same connection settings, plus the creation and destruction of the same dialog template
// with no data in it (a plain CDialogue on IDD_EDITION, shown then cancelled in the same way).
// Each is measured several times, alternated, after one run of each that is not counted and
// loads the libraries; the best of each is kept. Prints the figures, their ratio and the parts.
// The databases are bench-bases/{chaines,vide}/hcwChanDB_4.mdb of the build, made by sqlite3
// from bench/Chaines10000.sql.
//
// Run it with the other benchmarks (scripts/bench.sh), or alone from the build folder's
// environment:
//   . scripts/xvfb.sh; . scripts/wine-env.sh build/win64; . scripts/odbc-env.sh build/win64
//   "$VIDALTO_WINE64" build/win64/bench/bench_edition.exe

#include "Chrono.h"
#include "ClicMontre.h"
#include "LectureChaines.h"
#include "OutilsOdbc.h"

#include "editor/Edition.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace
{
constexpr int NOMBRE_CHAINES = 10000;
constexpr int ESSAIS = 5;

struct Ouverture
{
    double montree = 1e9; // until shown
    double totale = 1e9;  // until DoModal returned: shown, cancelled and destroyed
    int lignes = -1;      // channel rows once shown; -1 when it was not shown
};

// Opens the dialog and cancels it once shown.
Ouverture Ouvrir(CDialogue& dialogue)
{
    const CClicMontre annuler(IDCANCEL);
    const auto debut = Horloge::now();
    dialogue.DoModal();
    const auto fin = Horloge::now();
    Ouverture o;
    o.totale = Secondes(debut, fin);
    if (!annuler.Vus().empty())
    {
        o.montree = Secondes(debut, annuler.Vus().front().montre);
        o.lignes = annuler.Vus().front().lignes;
    }
    return o;
}

Ouverture OuvrirEdition(const std::string& dossier)
{
    CEdition edition;
    edition.DefinirDossierTV(dossier.c_str());
    return Ouvrir(edition);
}

// The template of the editor with no data: no channel, no value, no handler.
Ouverture OuvrirGabarit()
{
    CDialogue gabarit(CEdition::IDD);
    return Ouvrir(gabarit);
}

void GarderMeilleure(Ouverture& meilleure, const Ouverture& o)
{
    if (o.lignes >= 0 && o.totale < meilleure.totale)
        meilleure = o;
}
} // namespace

int main()
{
    INITCOMMONCONTROLSEX controles = {sizeof controles, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&controles);
    const std::string chaines = CheminDos(VIDALTO_BASES_BANC "/chaines");
    const std::string vide = CheminDos(VIDALTO_BASES_BANC "/vide");
    if (chaines.empty() || vide.empty())
    {
        std::fprintf(stderr, "Run under Wine, in the ODBC environment of scripts/odbc-env.sh.\n");
        return 1;
    }

    // Loads the libraries and fills the file cache; not counted.
    if (OuvrirEdition(chaines).lignes != NOMBRE_CHAINES || OuvrirGabarit().lignes != 0)
    {
        std::fprintf(stderr, "The editor did not open with %d channels.\n", NOMBRE_CHAINES);
        return 1;
    }
    LectureNue();

    // The best of several alternated runs of each, so that the machine's noise weighs alike.
    Ouverture edition, gabarit, sansChaine;
    double lecture = 1e9;
    int lues = 0;
    for (int essai = 0; essai < ESSAIS; ++essai)
    {
        // For reading the figures: what the opening costs whatever the number of channels.
        GarderMeilleure(sansChaine, OuvrirEdition(vide));
        // The editor registers the data source of its database, which the fetch then reads.
        GarderMeilleure(edition, OuvrirEdition(chaines));
        const auto debut = Horloge::now();
        lues = LectureNue();
        lecture = std::min(lecture, Secondes(debut, Horloge::now()));
        GarderMeilleure(gabarit, OuvrirGabarit());
    }
    const double plancher = lecture + gabarit.totale;

    std::printf("Editor opened with %d channel rows, then cancelled: %.3f s (shown after %.3f s)\n",
                edition.lignes, edition.totale, edition.montree);
    std::printf("Floor: bare ODBC fetch of the same %d rows plus the bare template: %.3f s\n", lues,
                plancher);
    std::printf("Ratio: %.2f (goal: at most 1.15)\n", edition.totale / plancher);
    std::printf("Parts:\n  bare fetch, 100 rows a fetch as the program's recordset: %.3f s\n", lecture);
    std::printf("  template %d with no data, shown then cancelled: %.3f s (shown after %.3f s)\n",
                CEdition::IDD, gabarit.totale, gabarit.montree);
    std::printf("  the editor with an empty channel table: %.3f s (shown after %.3f s)\n", sansChaine.totale,
                sansChaine.montree);
    std::printf("  the editor's cost per channel against the fetch's: %.2f\n",
                (edition.totale - sansChaine.totale) / lecture);
    return edition.lignes == NOMBRE_CHAINES && lues == NOMBRE_CHAINES ? 0 : 1;
}
