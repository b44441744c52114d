#include "mainwindow/VidaltoDlg.h"

#include "mainwindow/AProposDlg.h"
#include "mainwindow/TexteHorloge.h"
#include "resources/resource.h"

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

// Weekday, date and time come from one reading of the clock, so they change together. Each
// second rewrites the clock's control alone.
void CVidaltoDlg::MettreAJourHorloge()
{
    ChampsLocaux maintenant;
    if (!CTemps::Maintenant().Local(maintenant))
        return;
    m_horloge = TexteHorloge(maintenant);
    EchangerControle(IDC_HORLOGE, false);
}

void CVidaltoDlg::OnTimer(UINT_PTR /*id*/)
{
    MettreAJourHorloge();
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
