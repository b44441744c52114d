// The main window minimised: the icon it draws itself, and the one dragged.

#include "mainwindow/VidaltoDlg.h"

// A minimised dialog draws its icon itself.
bool CVidaltoDlg::OnPaint()
{
    if (!IsIconic(m_hWnd))
        return false;
    PAINTSTRUCT peinture;
    const HDC contexte = BeginPaint(m_hWnd, &peinture);
    SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(contexte), 0);
    const int cx = GetSystemMetrics(SM_CXICON);
    const int cy = GetSystemMetrics(SM_CYICON);
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    const int x = (client.right - client.left - cx + 1) / 2;
    const int y = (client.bottom - client.top - cy + 1) / 2;
    DrawIcon(contexte, x, y, m_hIcone);
    EndPaint(m_hWnd, &peinture);
    return true;
}

// The cursor shown while the user drags the minimised window.
HICON CVidaltoDlg::OnQueryDragIcon()
{
    return m_hIcone;
}
