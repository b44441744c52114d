// The Wine tests of the scheduler binding, the main window and its commands, in one process.

#include "AideTaches.h"
#include "BoitesMessage.h"

#include "framework/Application.h"

#include <gtest/gtest.h>

#include <objbase.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    CApplication::InitialiserControles();
    // The tests' own apartment; the main window's CoInitialize then only adds a reference.
    CoInitialize(nullptr);
    DefinirCheminTV("C:\\TV");
    RefuserDialoguesImprevus();
    const int resultat = RUN_ALL_TESTS();
    CoUninitialize();
    return resultat;
}
