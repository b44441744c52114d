#include "framework/Controles.h"

#include <vector>

std::string TexteFenetre(HWND fenetre)
{
    const int longueur = GetWindowTextLengthA(fenetre);
    if (longueur <= 0)
        return std::string();
    std::vector<char> tampon(static_cast<std::size_t>(longueur) + 1, '\0');
    const int lus = GetWindowTextA(fenetre, tampon.data(), longueur + 1);
    return std::string(tampon.data(), static_cast<std::size_t>(lus > 0 ? lus : 0));
}

int CListeRapport::InsererColonne(int index, const char* titre, int format, int largeur,
                                  int sousElement) const
{
    LVCOLUMNA colonne = {};
    colonne.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    colonne.fmt = format;
    colonne.cx = largeur;
    colonne.pszText = const_cast<char*>(titre);
    colonne.iSubItem = sousElement;
    return static_cast<int>(SendMessageA(m_hWnd, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index),
                                         reinterpret_cast<LPARAM>(&colonne)));
}

int CListeRapport::InsererLigne(int index, const std::string& texte) const
{
    LVITEMA ligne = {};
    ligne.mask = LVIF_TEXT;
    ligne.iItem = index;
    ligne.pszText = const_cast<char*>(texte.c_str());
    return static_cast<int>(SendMessageA(m_hWnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&ligne)));
}

void CListeRapport::DefinirTexte(int ligne, int colonne, const std::string& texte) const
{
    LVITEMA element = {};
    element.iSubItem = colonne;
    element.pszText = const_cast<char*>(texte.c_str());
    SendMessageA(m_hWnd, LVM_SETITEMTEXTA, static_cast<WPARAM>(ligne), reinterpret_cast<LPARAM>(&element));
}

std::string CListeRapport::Texte(int ligne, int colonne) const
{
    // The list does not say how long a text is: grow the buffer until it is not filled.
    for (std::size_t taille = 256;; taille *= 4)
    {
        std::vector<char> tampon(taille, '\0');
        LVITEMA element = {};
        element.iSubItem = colonne;
        element.pszText = tampon.data();
        element.cchTextMax = static_cast<int>(taille);
        const auto lus = static_cast<std::size_t>(SendMessageA(
            m_hWnd, LVM_GETITEMTEXTA, static_cast<WPARAM>(ligne), reinterpret_cast<LPARAM>(&element)));
        if (lus + 1 < taille || taille >= (1u << 20))
            return std::string(tampon.data(), lus < taille ? lus : taille - 1);
    }
}

bool CListeRapport::SupprimerLigne(int ligne) const
{
    return SendMessageA(m_hWnd, LVM_DELETEITEM, static_cast<WPARAM>(ligne), 0) != FALSE;
}

int CListeRapport::Selection() const
{
    return static_cast<int>(SendMessageA(m_hWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

int CListeRapport::LargeurClient() const
{
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    return client.right - client.left;
}

void CHautBas::DefinirPlage(int bas, int haut) const
{
    SendMessageA(m_hWnd, UDM_SETRANGE32, static_cast<WPARAM>(bas), static_cast<LPARAM>(haut));
}
