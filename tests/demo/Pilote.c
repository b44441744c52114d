/* The demo's hand: waits for a dialog of the running program by its caption, then sends it a
 * command, as a click on one of its buttons would.
 *   Pilote.exe CAPTION ID
 * Exit status 0 once the command is posted, 1 when no such dialog showed within 30 s. */
#include <windows.h>

#include <stdlib.h>

int main(int argc, char** argv)
{
    DWORD debut;
    if (argc != 3)
        return 2;
    debut = GetTickCount();
    do
    {
        HWND fenetre = FindWindowA("#32770", argv[1]);
        if (fenetre != NULL && IsWindowVisible(fenetre) && IsWindowEnabled(fenetre))
        {
            PostMessageA(fenetre, WM_COMMAND, MAKEWPARAM(atoi(argv[2]), BN_CLICKED), 0);
            return 0;
        }
        Sleep(100);
    } while (GetTickCount() - debut < 30000);
    return 1;
}
