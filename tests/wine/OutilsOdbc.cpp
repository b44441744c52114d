#include "OutilsOdbc.h"

#include <filesystem>
#include <fstream>

namespace
{
std::string Variable(const char* nom)
{
    char valeur[1024];
    const DWORD longueur = GetEnvironmentVariableA(nom, valeur, sizeof valeur);
    return longueur && longueur < sizeof valeur ? std::string(valeur, longueur) : std::string();
}

bool EstEnteteChaines(const std::string& ligne)
{
    return _stricmp(ligne.c_str(), "[Chaines]") == 0;
}
} // namespace

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
    return LignesFichier(CheminDos(Variable("VIDALTO_CONFIGDSN_LOG")));
}

void EffacerJournal()
{
    DeleteFileA(CheminDos(Variable("VIDALTO_CONFIGDSN_LOG")).c_str());
}

std::vector<std::string> SectionChaines()
{
    std::vector<std::string> section;
    bool dedans = false;
    for (const std::string& ligne : LignesFichier(CheminDos(Variable("ODBCINI"))))
    {
        if (!ligne.empty() && ligne[0] == '[')
        {
            dedans = EstEnteteChaines(ligne);
            if (dedans)
                section.push_back(ligne);
        }
        else if (dedans && !ligne.empty())
            section.push_back(ligne);
    }
    if (!section.empty())
        section.erase(section.begin());
    return section;
}

bool SectionChainesPresente()
{
    for (const std::string& ligne : LignesFichier(CheminDos(Variable("ODBCINI"))))
        if (EstEnteteChaines(ligne))
            return true;
    return false;
}

CListeEssai::CListeEssai()
    : m_liste(CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_NOTIFY | WS_VSCROLL, 0, 0, 200,
                              100, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr), nullptr))
{
}

CListeEssai::~CListeEssai()
{
    if (m_liste)
        DestroyWindow(m_liste);
}

std::vector<std::string> CListeEssai::Lignes() const
{
    return LignesListe(m_liste);
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

CVariableEssai::CVariableEssai(const char* nom, const char* valeur)
    : m_nom(nom), m_ancienne(Variable(nom)), m_existait(!m_ancienne.empty())
{
    SetEnvironmentVariableA(nom, valeur);
}

CVariableEssai::~CVariableEssai()
{
    SetEnvironmentVariableA(m_nom.c_str(), m_existait ? m_ancienne.c_str() : nullptr);
}
