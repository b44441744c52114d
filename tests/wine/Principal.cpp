// The main of the Wine suites, which run in one process each.

#include "AideTaches.h"

#include "framework/Application.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
// Each test starts, and leaves the prefix, with the TV folder in C:\TV, which holds the channel
// database of a dozen channels, and no work item, whatever the test before it did or where it
// stopped.
class CEtatInitial : public testing::EmptyTestEventListener
{
    static void Remettre()
    {
        EcrireCheminTV("C:\\TV");
        SupprimerTachesReelles();
    }
    void OnTestStart(const testing::TestInfo&) override { Remettre(); }
    void OnTestEnd(const testing::TestInfo&) override { Remettre(); }
};
} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // The C runtime takes a TZ of the environment for its own and does not read the name of a
    // zone there: the suites pin the zone of the system instead, which the program then follows
    // as on Windows, where TZ is not set.
    SetEnvironmentVariableA("TZ", nullptr);
    _putenv("TZ=");
    _tzset();
    CreateDirectoryA("C:\\TV", nullptr);
    CopyFileA("Z:" VIDALTO_BASES_ESSAI "/chaines/hcwChanDB_4.mdb", "C:\\TV\\hcwChanDB_4.mdb", FALSE);
    CApplication::InitialiserControles();
    // The tests' own apartment; the main window's CoInitialize then only adds a reference.
    CApartementCom apartement;
    apartement.Initialiser();
    testing::UnitTest::GetInstance()->listeners().Append(new CEtatInitial);
    const CCrochetFil crochet;
    SignalerImprevus([](const std::string& texte) { ADD_FAILURE() << texte; });
    return RUN_ALL_TESTS();
}
