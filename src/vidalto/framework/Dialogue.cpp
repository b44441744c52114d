#include "framework/Dialogue.h"

#include "framework/Echange.h"

CDialogue::CDialogue(UINT idModele, HWND parent) : m_idModele(idModele), m_parent(parent) {}

CDialogue::~CDialogue() = default;

INT_PTR CDialogue::DoModal()
{
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_idModele), m_parent,
                           &CDialogue::Procedure, reinterpret_cast<LPARAM>(this));
}

void CDialogue::EndDialog(INT_PTR resultat)
{
    ::EndDialog(m_hWnd, resultat);
}

void CDialogue::Boite(const char* texte, const char* titre, UINT icone) const
{
    MessageBoxA(m_hWnd, texte, titre, MB_OK | icone);
}

void CDialogue::EchangerDonnees(bool lire)
{
    CEchange echange(m_hWnd, lire);
    Echanger(echange);
}

void CDialogue::EchangerControle(int id, bool lire)
{
    CEchange echange(m_hWnd, lire, id);
    Echanger(echange);
}

void CDialogue::Echanger(CEchange& echange)
{
    const bool avant = m_echangeEnCours;
    m_echangeEnCours = true;
    DoDataExchange(echange);
    m_echangeEnCours = avant;
}

BOOL CDialogue::OnInitDialog()
{
    EchangerDonnees(false);
    return TRUE;
}

bool CDialogue::OnCommand(WORD id, WORD code, HWND /*controle*/)
{
    // A menu or accelerator command has code 0, as do IDOK and IDCANCEL from the keyboard.
    return (code == BN_CLICKED || code == 0) && OnButtonClicked(id);
}

bool CDialogue::OnButtonClicked(int id)
{
    if (id == IDOK)
    {
        OnOK();
        return true;
    }
    if (id == IDCANCEL)
    {
        OnCancel();
        return true;
    }
    return false;
}

bool CDialogue::OnNotify(int /*id*/, NMHDR* /*entete*/, LRESULT& /*resultat*/)
{
    return false;
}

void CDialogue::OnOK()
{
    EchangerDonnees(true);
    EndDialog(IDOK);
}

void CDialogue::OnCancel()
{
    EndDialog(IDCANCEL);
}

INT_PTR CALLBACK CDialogue::Procedure(HWND fenetre, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialogue* dialogue = nullptr;
    if (message == WM_INITDIALOG)
    {
        dialogue = reinterpret_cast<CDialogue*>(lParam);
        SetWindowLongPtrA(fenetre, DWLP_USER, lParam);
        dialogue->m_hWnd = fenetre;
    }
    else
    {
        dialogue = reinterpret_cast<CDialogue*>(GetWindowLongPtrA(fenetre, DWLP_USER));
    }
    // Messages sent before WM_INITDIALOG (WM_SETFONT...) have no object yet.
    if (dialogue == nullptr)
        return FALSE;

    // Nothing may unwind through the dialog manager.
    try
    {
        const INT_PTR resultat = dialogue->Traiter(message, wParam, lParam);
        if (message == WM_NCDESTROY)
        {
            dialogue->m_hWnd = nullptr;
            SetWindowLongPtrA(fenetre, DWLP_USER, 0);
        }
        return resultat;
    }
    catch (...)
    {
        return TRUE;
    }
}

INT_PTR CDialogue::Traiter(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
    {
        const HWND controle = reinterpret_cast<HWND>(lParam);
        // A show or read rewrites controls, which notify: those echoes are not user actions.
        if (controle != nullptr && m_echangeEnCours)
            return TRUE;
        return OnCommand(LOWORD(wParam), HIWORD(wParam), controle) ? TRUE : FALSE;
    }
    case WM_NOTIFY:
    {
        if (m_echangeEnCours)
            return TRUE;
        LRESULT resultat = 0;
        auto* entete = reinterpret_cast<NMHDR*>(lParam);
        if (!OnNotify(static_cast<int>(wParam), entete, resultat))
            return FALSE;
        // A dialog procedure only says "handled"; the notification's result goes here.
        SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, resultat);
        return TRUE;
    }
    case WM_TIMER:
        OnTimer(static_cast<UINT_PTR>(wParam));
        return FALSE;
    case WM_SYSCOMMAND:
        return OnSysCommand(wParam, lParam) ? TRUE : FALSE;
    case WM_PAINT:
        return OnPaint() ? TRUE : FALSE;
    case WM_QUERYDRAGICON:
    {
        // One of the few messages whose result a dialog procedure returns directly.
        return reinterpret_cast<INT_PTR>(OnQueryDragIcon());
    }
    case WM_CLOSE:
        OnClose();
        return TRUE;
    case WM_ENDSESSION:
        OnEndSession(wParam != FALSE);
        return TRUE;
    default:
        return FALSE;
    }
}
