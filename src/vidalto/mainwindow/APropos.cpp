// The About entry of the main window's system menu, and the box it opens.

#include "mainwindow/VidaltoDlg.h"

#include "mainwindow/AProposDlg.h"

void CVidaltoDlg::AjouterEntreeAPropos()
{
    char texte[256] = {};
    LoadStringA(GetModuleHandleA(nullptr), IDS_APROPOS, texte, sizeof texte);
    const HMENU menu = GetSystemMenu(m_hWnd, FALSE);
    if (menu == nullptr || texte[0] == '\0')
        return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_APROPOS, texte);
}

bool CVidaltoDlg::OnSysCommand(WPARAM commande, LPARAM /*parametre*/)
{
    // The system keeps the low four bits of a command identifier for itself.
    if ((commande & 0xFFF0) != IDM_APROPOS)
        return false;
    CAProposDlg aPropos(m_hWnd);
    aPropos.DoModal();
    return true;
}
