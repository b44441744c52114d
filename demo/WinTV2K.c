/* A stand-in for the TV capture program: it records nothing, but appends the command line it
   was started with to WinTV2K.log beside it, so that anyone can see what a recording receives. */
#include <windows.h>

#include <stdio.h>
#include <string.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE precedente, LPSTR ligne, int affichage)
{
    char journal[MAX_PATH];
    char* separateur;
    FILE* fichier;
    SYSTEMTIME maintenant;
    DWORD longueur = GetModuleFileNameA(NULL, journal, MAX_PATH);

    (void)instance;
    (void)precedente;
    (void)ligne;
    (void)affichage;
    if (longueur == 0 || longueur >= MAX_PATH)
        return 1;
    separateur = strrchr(journal, '\\');
    if (separateur == NULL || (size_t)(separateur - journal) + sizeof "\\WinTV2K.log" > MAX_PATH)
        return 1;
    strcpy(separateur, "\\WinTV2K.log");

    fichier = fopen(journal, "a");
    if (fichier == NULL)
        return 1;
    GetLocalTime(&maintenant);
    fprintf(fichier, "%04u-%02u-%02u %02u:%02u:%02u %s\n", maintenant.wYear, maintenant.wMonth,
            maintenant.wDay, maintenant.wHour, maintenant.wMinute, maintenant.wSecond, GetCommandLineA());
    fclose(fichier);
    return 0;
}
