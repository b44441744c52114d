#pragma once
// Thin wrappers of the controls the program uses.

#include <windows.h>
#include <commctrl.h>
#include <string>

// The whole window text of a window, read after asking its length.
std::string TexteFenetre(HWND fenetre);

// No redrawing of a window while the object lives: filling a list row by row, for instance.
class CSansRedessin
{
public:
    explicit CSansRedessin(HWND fenetre) : m_fenetre(fenetre)
    {
        SendMessageA(m_fenetre, WM_SETREDRAW, FALSE, 0);
    }
    ~CSansRedessin()
    {
        SendMessageA(m_fenetre, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(m_fenetre, nullptr, TRUE);
    }
    CSansRedessin(const CSansRedessin&) = delete;
    CSansRedessin& operator=(const CSansRedessin&) = delete;

private:
    HWND m_fenetre;
};

class CControle
{
public:
    void Attacher(HWND fenetre) { m_hWnd = fenetre; }
    HWND Fenetre() const { return m_hWnd; }

protected:
    HWND m_hWnd = nullptr;
};

// A list view in report view.
class CListeRapport : public CControle
{
public:
    int InsererColonne(int index, const char* titre, int format, int largeur, int sousElement) const;
    // A row with its column-0 text; its index, or -1.
    int InsererLigne(int index, const std::string& texte) const;
    void DefinirTexte(int ligne, int colonne, const std::string& texte) const;
    std::string Texte(int ligne, int colonne) const;
    bool SupprimerLigne(int ligne) const;
    // The selected row, or -1.
    int Selection() const;
    int LargeurClient() const;
};

class CHautBas : public CControle
{
public:
    void DefinirPlage(int bas, int haut) const;
};
