/* The demo's hand: waits for a dialog of the running program by its caption, fills some of its
 * controls, then sends it a command, as a click on one of its buttons would.
 *   Pilote.exe CAPTION [ID=TEXT | ID+N | ID@YYYY-MM-DDTHH:MM]... COMMAND
 * ID=TEXT types TEXT into control ID; ID+N presses the down arrow N times in control ID (a list:
 * the Nth row after the selected one); ID@... sets the date-time picker ID to that local time.
 * COMMAND 0 sends none. Exit status 0 once done, 1 when no such dialog showed, enabled, within
 * 30 s, 3 when a picker refused its time. */
#include <windows.h>

#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* A picker's message carries a pointer, which is not marshalled to another process: the time
 * is written into the program's own memory. */
static BOOL Dater(HWND picker, const char* texte)
{
    SYSTEMTIME t;
    DWORD pid = 0;
    HANDLE processus;
    void* copie;
    BOOL fait = FALSE;
    memset(&t, 0, sizeof t);
    if (sscanf(texte, "%hu-%hu-%huT%hu:%hu", &t.wYear, &t.wMonth, &t.wDay, &t.wHour, &t.wMinute) != 5)
        return FALSE;
    GetWindowThreadProcessId(picker, &pid);
    processus = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid);
    if (processus == NULL)
        return FALSE;
    copie = VirtualAllocEx(processus, NULL, sizeof t, MEM_COMMIT, PAGE_READWRITE);
    if (copie != NULL && WriteProcessMemory(processus, copie, &t, sizeof t, NULL))
        fait = SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)copie) != 0;
    if (copie != NULL)
        VirtualFreeEx(processus, copie, 0, MEM_RELEASE);
    CloseHandle(processus);
    return fait;
}

int main(int argc, char** argv)
{
    DWORD debut;
    HWND fenetre = NULL;
    int i, commande;
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
        const char* date = strchr(argv[i], '@');
        HWND controle = GetDlgItem(fenetre, atoi(argv[i]));
        if (egal != NULL)
            SendMessageA(controle, WM_SETTEXT, 0, (LPARAM)(egal + 1));
        else if (plus != NULL)
        {
            int n;
            for (n = atoi(plus + 1); n > 0; --n)
                SendMessageA(controle, WM_KEYDOWN, VK_DOWN, 1);
        }
        else if (date != NULL && !Dater(controle, date + 1))
            return 3;
    }
    commande = atoi(argv[argc - 1]);
    if (commande != 0)
        PostMessageA(fenetre, WM_COMMAND, MAKEWPARAM(commande, BN_CLICKED), 0);
    return 0;
}
