/* The demo's hand: waits for a dialog of the running program by its caption, fills some of its
 * controls, then sends it a command, as a click on one of its buttons would.
 *   Pilote.exe CAPTION [ID=TEXT | ID+N]... COMMAND
 * ID=TEXT types TEXT into control ID; ID+N presses the down arrow N times in control ID (a list:
 * the Nth row after the selected one). Exit status 0 once the command is posted, 1 when no such
 * dialog showed, enabled, within 30 s. */
#include <windows.h>

#include <stdlib.h>
#include <string.h>

int main(int argc, char** argv)
{
    DWORD debut;
    HWND fenetre = NULL;
    int i;
    if (argc < 3)
        return 2;
    debut = GetTickCount();
    while ((fenetre = FindWindowA("#32770", argv[1])) == NULL || !IsWindowVisible(fenetre) ||
           !IsWindowEnabled(fenetre))
    {
        if (GetTickCount() - debut >= 30000)
            return 1;
        Sleep(100);
    }
    for (i = 2; i < argc - 1; ++i)
    {
        const char* egal = strchr(argv[i], '=');
        const char* plus = strchr(argv[i], '+');
        HWND controle = GetDlgItem(fenetre, atoi(argv[i]));
        if (egal != NULL)
            SendMessageA(controle, WM_SETTEXT, 0, (LPARAM)(egal + 1));
        else if (plus != NULL)
        {
            int n;
            for (n = atoi(plus + 1); n > 0; --n)
                SendMessageA(controle, WM_KEYDOWN, VK_DOWN, 1);
        }
    }
    PostMessageA(fenetre, WM_COMMAND, MAKEWPARAM(atoi(argv[argc - 1]), BN_CLICKED), 0);
    return 0;
}
