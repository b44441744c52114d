// The Wine tests of the scheduler binding, the main window and its commands, in one process.

#include "AideTaches.h"

#include "framework/Application.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace
{
// A crash ends the suite at once, after the test it stopped in, instead of leaving it waiting
// for a debugger that is never started.
LONG WINAPI Plantage(EXCEPTION_POINTERS* exception)
{
    std::fprintf(stderr, "\nCrash: exception 0x%08lX at %p\n",
                 static_cast<unsigned long>(exception->ExceptionRecord->ExceptionCode),
                 exception->ExceptionRecord->ExceptionAddress);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

// Each test starts, and leaves the prefix, with the TV folder in C:\TV and no work item, whatever
// the test before it did or where it stopped.
class CEtatInitial : public testing::EmptyTestEventListener
{
    static void Remettre()
    {
        DefinirCheminTV("C:\\TV");
        SupprimerTachesReelles(L"");
    }
    void OnTestStart(const testing::TestInfo&) override { Remettre(); }
    void OnTestEnd(const testing::TestInfo&) override { Remettre(); }
};
} // namespace

int main(int argc, char** argv)
{
    SetUnhandledExceptionFilter(&Plantage);
    testing::InitGoogleTest(&argc, argv);
    CApplication::InitialiserControles();
    // The tests' own apartment; the main window's CoInitialize then only adds a reference.
    CApartementCom apartement;
    apartement.Initialiser();
    testing::UnitTest::GetInstance()->listeners().Append(new CEtatInitial);
    RefuserDialoguesImprevus();
    return RUN_ALL_TESTS();
}
