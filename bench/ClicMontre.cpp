#include "ClicMontre.h"

#include "resources/resource.h"

#include <commctrl.h>

#include <string>

namespace
{
CClicMontre* g_actif = nullptr;

int Lignes(HWND dialogue)
{
    if (const HWND chaines = GetDlgItem(dialogue, IDC_CHAINES))
        return static_cast<int>(SendMessageA(chaines, LB_GETCOUNT, 0, 0));
    return static_cast<int>(SendDlgItemMessageA(dialogue, IDC_LISTE, LVM_GETITEMCOUNT, 0, 0));
}
} // namespace

CClicMontre::CClicMontre(WORD commande, std::function<void(HWND)> aLaVue)
    : m_commande(commande), m_aLaVue(std::move(aLaVue))
{
    g_actif = this;
    m_crochet = SetWindowsHookExA(WH_CBT, &CClicMontre::Crochet, nullptr, GetCurrentThreadId());
}

CClicMontre::~CClicMontre()
{
    UnhookWindowsHookEx(m_crochet);
    g_actif = nullptr;
}

LRESULT CALLBACK CClicMontre::Crochet(int code, WPARAM wParam, LPARAM lParam)
{
    const auto fenetre = reinterpret_cast<HWND>(wParam);
    CClicMontre* const actif = g_actif;
    char classe[16] = {};
    // Only the dialogs made while it lives: a window shown before it is activated again when a
    // dialog over it goes.
    if (actif != nullptr && code == HCBT_CREATEWND &&
        (reinterpret_cast<const CBT_CREATEWNDA*>(lParam)->lpcs->style & WS_CHILD) == 0)
        actif->m_crees[fenetre] = false;
    else if (actif != nullptr && code == HCBT_DESTROYWND && actif->m_ouverts.count(fenetre) != 0)
    {
        actif->m_vus[actif->m_ouverts[fenetre]].fin = Horloge::now();
        actif->m_ouverts.erase(fenetre);
    }
    else if (actif != nullptr && code == HCBT_ACTIVATE && actif->m_crees.count(fenetre) != 0 &&
             !actif->m_crees[fenetre] && GetClassNameA(fenetre, classe, sizeof classe) > 0 &&
             std::string(classe) == "#32770")
    {
        actif->m_crees[fenetre] = true;
        actif->m_ouverts[fenetre] = actif->m_vus.size();
        actif->m_vus.push_back({Horloge::now(), {}, Lignes(fenetre)});
        if (actif->m_aLaVue)
            actif->m_aLaVue(fenetre);
        PostMessageA(fenetre, WM_COMMAND, actif->m_commande, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
