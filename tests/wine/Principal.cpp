// The Wine tests of the scheduler binding, the main window and its commands, in one process.

#include "AideTaches.h"

#include "framework/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    CApplication::InitialiserControles();
    // The tests' own apartment; the main window's CoInitialize then only adds a reference.
    CApartementCom apartement;
    apartement.Initialiser();
    DefinirCheminTV("C:\\TV");
    RefuserDialoguesImprevus();
    return RUN_ALL_TESTS();
}
