#include "ClicMontre.h"

#include "framework/Dialogue.h"
#include "resources/resource.h"

namespace
{
CClicMontre* g_actif = nullptr;
} // namespace

CClicMontre::CClicMontre(WORD commande) : m_commande(commande)
{
    g_actif = this;
    CDialogue::ProgrammerScript([this](CDialogue& dialogue) {
        m_dialogue = dialogue.Fenetre();
        m_crochet =
            SetWindowsHookExA(WH_CALLWNDPROCRET, &CClicMontre::Crochet, nullptr, GetCurrentThreadId());
    });
}

CClicMontre::~CClicMontre()
{
    if (m_crochet != nullptr)
        UnhookWindowsHookEx(m_crochet);
    // A dialog that ended while it opened never took its script.
    CDialogue::OublierScripts();
    g_actif = nullptr;
}

void CClicMontre::Montre(HWND dialogue)
{
    m_quand = Horloge::now();
    m_vu = true;
    m_lignes = static_cast<int>(SendDlgItemMessageA(dialogue, IDC_CHAINES, LB_GETCOUNT, 0, 0));
    UnhookWindowsHookEx(m_crochet);
    m_crochet = nullptr;
    m_dialogue = nullptr;
    PostMessageA(dialogue, WM_COMMAND, m_commande, 0);
}

LRESULT CALLBACK CClicMontre::Crochet(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && g_actif != nullptr && g_actif->m_dialogue != nullptr &&
        message->hwnd == g_actif->m_dialogue && message->message == WM_SHOWWINDOW && message->wParam != FALSE)
        g_actif->Montre(message->hwnd);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
