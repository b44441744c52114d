#pragma once
// The application object: one global instance whose InitInstance runs the program.

#include <windows.h>

class CApplication
{
public:
    CApplication();
    virtual ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    // Returns false so that the program ends instead of running a message loop of its own.
    virtual BOOL InitInstance() = 0;

    // The entry point's work: the framework's start-up, then InitInstance; the program's exit
    // status.
    static int Lancer();

    // The framework's usual start-up for a dialog application: the common controls.
    static void InitialiserControles();

protected:
    // 0 unless InitInstance sets another.
    int m_statutSortie = 0;

private:
    static CApplication* s_instance;
};
