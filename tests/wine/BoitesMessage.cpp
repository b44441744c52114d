#include "BoitesMessage.h"

#include "framework/Controles.h"
#include "framework/Ressources.h"

#include <gtest/gtest.h>

#include <utility>

namespace
{
std::vector<BoiteVue>* g_vues = nullptr; // the boxes of the innermost CBoitesMessage alive
CCrochet g_crochet;                      // the hook of the whole suite
std::function<void()> g_scriptEnAttente;

// Message boxes keep their text in static 0xFFFF and their icon in static 0x440.
constexpr int ID_TEXTE_BOITE = 0xFFFF;
constexpr int ID_ICONE_BOITE = 0x440;

bool MemeIcone(HWND boite, LPCSTR icone)
{
    // The system's icons are shared: the box shows the very handle LoadIcon gives.
    return reinterpret_cast<HICON>(SendDlgItemMessageA(boite, ID_ICONE_BOITE, STM_GETICON, 0, 0)) ==
           LoadIconA(nullptr, icone);
}

LRESULT CALLBACK Crochet(int code, WPARAM wParam, LPARAM lParam)
{
    const auto fenetre = reinterpret_cast<HWND>(wParam);
    char classe[16] = {};
    // A box is a dialog of the system's, not one of ours.
    if (code == HCBT_ACTIVATE && GetClassNameA(fenetre, classe, sizeof classe) > 0 &&
        std::string(classe) == "#32770" && !CDialogue::EstNotreDialogue(fenetre) &&
        GetDlgItem(fenetre, ID_TEXTE_BOITE) != nullptr)
    {
        const BoiteVue vue{TexteFenetre(fenetre), TexteFenetre(GetDlgItem(fenetre, ID_TEXTE_BOITE)),
                           MemeIcone(fenetre, IDI_HAND), MemeIcone(fenetre, IDI_EXCLAMATION)};
        if (g_vues != nullptr)
            g_vues->push_back(vue);
        else
            ADD_FAILURE() << "unexpected message box \"" << vue.titre << "\": " << vue.texte;
        PostMessageA(fenetre, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK LancerScriptEnAttente(HWND /*fenetre*/, UINT /*message*/, UINT_PTR minuterie, DWORD /*heure*/)
{
    KillTimer(nullptr, minuterie);
    if (const std::function<void()> script = std::exchange(g_scriptEnAttente, nullptr))
        script();
}
} // namespace

// The boxes are this one's while it lives, also when nested in another one.
CBoitesMessage::CBoitesMessage() : m_englobantes(std::exchange(g_vues, &m_vues)) {}

CBoitesMessage::~CBoitesMessage()
{
    g_vues = m_englobantes;
}

CCrochet SurveillerBoites()
{
    CCrochet crochet;
    *crochet.Adresse() = SetWindowsHookExA(WH_CBT, &Crochet, nullptr, GetCurrentThreadId());
    return crochet;
}

void RefuserDialoguesImprevus()
{
    g_crochet = SurveillerBoites();
    CDialogue::DefinirScriptImprevu([](CDialogue& dialogue) {
        ADD_FAILURE() << "unexpected dialog \"" << TexteFenetre(dialogue.Fenetre()) << "\"";
        dialogue.EndDialog(IDCANCEL);
    });
}

void ProgrammerScriptMontre(std::function<void(CDialogue&)> script)
{
    CDialogue::ProgrammerScript([script](CDialogue& dialogue) {
        g_scriptEnAttente = [script, &dialogue]() { script(dialogue); };
        SetTimer(nullptr, 0, 1, &LancerScriptEnAttente);
    });
}
