#include "BoitesMessage.h"

#include "framework/Controles.h"
#include "framework/Dialogue.h"

#include <gtest/gtest.h>

namespace
{
std::vector<BoiteVue>* g_vues = nullptr;
// The hook of the whole suite, once RefuserDialoguesImprevus has run.
CCrochet g_crochet;

// Message boxes keep their text in static 0xFFFF and their icon in static 0x440.
constexpr int ID_TEXTE_BOITE = 0xFFFF;
constexpr int ID_ICONE_BOITE = 0x440;

bool MemeIcone(HWND boite, LPCSTR icone)
{
    const HWND statique = GetDlgItem(boite, ID_ICONE_BOITE);
    if (statique == nullptr)
        return false;
    const auto affichee = reinterpret_cast<HICON>(SendMessageA(statique, STM_GETICON, 0, 0));
    return affichee != nullptr && affichee == LoadIconA(nullptr, icone);
}
} // namespace

CBoitesMessage::CBoitesMessage() : m_englobantes(g_vues)
{
    // The boxes are this one's while it lives, also when nested in another one.
    g_vues = &m_vues;
    if (!g_crochet.EstValide())
        *m_crochet.Adresse() =
            SetWindowsHookExA(WH_CBT, &CBoitesMessage::Crochet, nullptr, GetCurrentThreadId());
}

CBoitesMessage::~CBoitesMessage()
{
    m_crochet.Liberer();
    g_vues = m_englobantes;
}

LRESULT CALLBACK CBoitesMessage::Crochet(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE)
    {
        const auto fenetre = reinterpret_cast<HWND>(wParam);
        char classe[16] = {};
        GetClassNameA(fenetre, classe, sizeof classe);
        // A box is a dialog of the system's, not one of ours.
        if (std::string(classe) == "#32770" && !CDialogue::EstNotreDialogue(fenetre) &&
            GetDlgItem(fenetre, ID_TEXTE_BOITE) != nullptr)
        {
            BoiteVue vue;
            vue.titre = TexteFenetre(fenetre);
            vue.texte = TexteFenetre(GetDlgItem(fenetre, ID_TEXTE_BOITE));
            vue.iconeErreur = MemeIcone(fenetre, IDI_HAND);
            vue.iconeInformation = MemeIcone(fenetre, IDI_ASTERISK);
            vue.iconeExclamation = MemeIcone(fenetre, IDI_EXCLAMATION);
            if (g_vues != nullptr)
                g_vues->push_back(vue);
            else
                ADD_FAILURE() << "unexpected message box \"" << vue.titre << "\": " << vue.texte;
            PostMessageA(fenetre, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void RefuserDialoguesImprevus()
{
    *g_crochet.Adresse() = SetWindowsHookExA(WH_CBT, &CBoitesMessage::Crochet, nullptr, GetCurrentThreadId());
    CDialogue::DefinirScriptImprevu([](CDialogue& dialogue) {
        ADD_FAILURE() << "unexpected dialog \"" << TexteFenetre(dialogue.Fenetre()) << "\"";
        dialogue.EndDialog(IDCANCEL);
    });
}

namespace
{
std::function<void()> g_scriptEnAttente;

void CALLBACK LancerScriptEnAttente(HWND /*fenetre*/, UINT /*message*/, UINT_PTR minuterie, DWORD /*heure*/)
{
    KillTimer(nullptr, minuterie);
    std::function<void()> script = std::move(g_scriptEnAttente);
    g_scriptEnAttente = nullptr;
    if (script)
        script();
}
} // namespace

void ProgrammerScriptMontre(std::function<void(CDialogue&)> script)
{
    CDialogue::ProgrammerScript([script](CDialogue& dialogue) {
        g_scriptEnAttente = [script, &dialogue]() { script(dialogue); };
        SetTimer(nullptr, 0, 1, &LancerScriptEnAttente);
    });
}
