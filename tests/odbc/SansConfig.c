// An ODBC installer without SQLConfigDataSource, which the whole-process test makes vidalto.exe
// load in place of Wine's.

#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE module, DWORD raison, LPVOID reserve)
{
    (void)module, (void)raison, (void)reserve;
    return TRUE;
}
