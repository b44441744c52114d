#include "framework/Conversion.h"

#include <cwchar>
#include <vector>

bool VersLarge(const std::string& texte, wchar_t* destination, int taille)
{
    return VersLarge(texte.c_str(), destination, taille);
}

bool VersLarge(const char* texte, wchar_t* destination, int taille)
{
    if (taille <= 0)
        return false;
    destination[0] = L'\0';
    const int ecrits = MultiByteToWideChar(CP_ACP, 0, texte, -1, destination, taille);
    if (ecrits == 0)
    {
        // A failed conversion may have written part of the text.
        destination[0] = L'\0';
        return false;
    }
    return true;
}

bool VersAnsi(const wchar_t* texte, std::string& resultat, int octetsMax)
{
    resultat.clear();
    if (texte == nullptr)
        return true;
    const int requis = WideCharToMultiByte(CP_ACP, 0, texte, -1, nullptr, 0, nullptr, nullptr);
    if (requis <= 0)
        return false;
    std::string tampon(static_cast<std::size_t>(requis), '\0');
    if (WideCharToMultiByte(CP_ACP, 0, texte, -1, &tampon[0], requis, nullptr, nullptr) == 0)
        return false;
    tampon.resize(static_cast<std::size_t>(requis - 1));
    if (tampon.size() > static_cast<std::size_t>(octetsMax))
    {
        resultat = tampon.substr(0, static_cast<std::size_t>(octetsMax));
        return false;
    }
    resultat = std::move(tampon);
    // Converted back, the text must be the one given.
    const int larges = MultiByteToWideChar(CP_ACP, 0, resultat.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> retour(static_cast<std::size_t>(larges > 0 ? larges : 1), L'\0');
    return larges > 0 && MultiByteToWideChar(CP_ACP, 0, resultat.c_str(), -1, retour.data(), larges) > 0 &&
           std::wcscmp(retour.data(), texte) == 0;
}
