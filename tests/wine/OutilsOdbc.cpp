#include "OutilsOdbc.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

std::string CheminDos(const std::string& cheminUnix)
{
    // Exported by Wine's kernel32 only, hence looked up at run time.
    using FnCheminDos = WCHAR*(__cdecl*)(const char*);
    const auto convertir = reinterpret_cast<FnCheminDos>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    WCHAR* large = convertir ? convertir(cheminUnix.c_str()) : nullptr;
    if (!large)
        return std::string();
    char etroit[MAX_PATH * 2];
    const int n = WideCharToMultiByte(CP_ACP, 0, large, -1, etroit, sizeof etroit, nullptr, nullptr);
    HeapFree(GetProcessHeap(), 0, large);
    return n > 0 ? std::string(etroit) : std::string();
}

std::string DossierEssai(const std::string& nom)
{
    const std::string dossier = CheminDos(VIDALTO_DOSSIER_BUILD "/essais/" + nom);
    std::filesystem::remove_all(dossier);
    std::filesystem::create_directories(dossier);
    return dossier;
}

std::vector<std::string> LignesFichier(const std::string& chemin)
{
    std::vector<std::string> lignes;
    std::ifstream fichier(chemin, std::ios::binary);
    for (std::string ligne; std::getline(fichier, ligne);)
    {
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.pop_back();
        lignes.push_back(ligne);
    }
    return lignes;
}

std::vector<std::string> JournalConfigDsn()
{
    const char* journal = std::getenv("VIDALTO_CONFIGDSN_LOG");
    const std::string chemin = CheminDos(journal ? journal : "");
    std::vector<std::string> lignes = LignesFichier(chemin);
    DeleteFileA(chemin.c_str());
    return lignes;
}

std::vector<std::string> LignesListe(HWND liste)
{
    std::vector<std::string> lignes;
    const LRESULT nombre = SendMessageA(liste, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < nombre; ++i)
    {
        const LRESULT longueur = SendMessageA(liste, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::vector<char> texte(static_cast<std::size_t>(longueur > 0 ? longueur : 0) + 1, '\0');
        SendMessageA(liste, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(texte.data()));
        lignes.emplace_back(texte.data());
    }
    return lignes;
}
