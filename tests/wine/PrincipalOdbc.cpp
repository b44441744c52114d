// The channel database tests under Wine, in one process (each Wine process costs seconds).
// They need the ODBC set-up of scripts/odbc-env.sh in this build's prefix; ctest gives them
// its environment (ODBCSYSINI, ODBCINI, VIDALTO_CONFIGDSN_LOG).

#include "BoitesMessage.h"

#include "framework/Application.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

#include <cstdio>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    char valeur[8];
    if (!GetEnvironmentVariableA("ODBCINI", valeur, 1) && GetLastError() == ERROR_ENVVAR_NOT_FOUND)
    {
        // Without ODBCINI unixODBC would use the user's own files: refuse to run.
        std::fprintf(stderr, "ODBCINI is not set: run the tests through ctest, after sourcing "
                             "scripts/wine-env.sh and scripts/odbc-env.sh.\n");
        return 1;
    }
    RefuserDialoguesImprevus();
    CApplication::InitialiserControles();
    // The tests' own apartment, for the work items they read beside the main window.
    CoInitialize(nullptr);
    const int resultat = RUN_ALL_TESTS();
    CoUninitialize();
    return resultat;
}
