#include "Ecran.h"

#include "framework/Controles.h"

#include <deque>
#include <map>
#include <set>
#include <utility>

namespace
{
// Message boxes keep their text in static 0xFFFF and their icon in static 0x440; the program's
// dialogs have no control 0x440.
constexpr int ID_TEXTE_BOITE = 0xFFFF;
constexpr int ID_ICONE_BOITE = 0x440;

// One thread at a time shows windows: a test that runs a window on a thread of its own waits for
// it. (Objects local to a thread would be destroyed at its end, which Wine does not survive here.)
CBoitesMessage* g_boites = nullptr;
std::deque<Script> g_scripts;
std::set<HWND> g_vus; // the windows already seen activated, until destroyed
std::map<UINT_PTR, std::pair<HWND, Script>> g_enAttente;
std::function<void(const std::string&)> g_signaler;

// False when nobody asked: the box or dialog is then left alone.
bool Signaler(const std::string& texte)
{
    if (g_signaler)
        g_signaler(texte);
    return static_cast<bool>(g_signaler);
}

// A dialog ends at once when its script or the hook has ended it; one still open a while later
// would hold its modal loop, and the test, for ever: the test fails, named, and the dialog ends.
constexpr UINT DELAI_FIN_MS = 10000;
std::map<UINT_PTR, HWND> g_surveilles;

void CALLBACK VerifierFin(HWND /*fenetre*/, UINT /*message*/, UINT_PTR minuterie, DWORD /*heure*/)
{
    KillTimer(nullptr, minuterie);
    const HWND dialogue = g_surveilles[minuterie];
    g_surveilles.erase(minuterie);
    if (!IsWindow(dialogue))
        return;
    Signaler("the dialog \"" + TexteFenetre(dialogue) + "\" still open " +
             std::to_string(DELAI_FIN_MS / 1000) + " s after its script, its focus on \"" +
             TexteFenetre(GetFocus()) + "\"");
    EndDialog(dialogue, IDCANCEL);
}

void Surveiller(HWND dialogue)
{
    if (IsWindow(dialogue))
        g_surveilles[SetTimer(nullptr, 0, DELAI_FIN_MS, &VerifierFin)] = dialogue;
}

// A script runs from a timer's message, that is from the dialog's loop once its queue is empty.
void CALLBACK LancerScript(HWND /*fenetre*/, UINT /*message*/, UINT_PTR minuterie, DWORD /*heure*/)
{
    KillTimer(nullptr, minuterie);
    const auto attente = g_enAttente.find(minuterie);
    if (attente == g_enAttente.end())
        return;
    const auto [dialogue, script] = std::move(attente->second);
    g_enAttente.erase(attente);
    if (IsWindow(dialogue))
        script(dialogue);
    Surveiller(dialogue);
}

void VoirBoite(HWND boite)
{
    const std::string texte = TexteFenetre(GetDlgItem(boite, ID_TEXTE_BOITE));
    if (g_boites == nullptr)
    {
        if (!Signaler("unexpected message box \"" + TexteFenetre(boite) + "\": " + texte))
            return;
    }
    else
    {
        // The system's icons are shared: the box shows the very handle LoadIcon gives.
        const auto icone =
            reinterpret_cast<HICON>(SendDlgItemMessageA(boite, ID_ICONE_BOITE, STM_GETICON, 0, 0));
        g_boites->m_textes.push_back(texte);
        g_boites->m_vues.push_back(TexteFenetre(boite) +
                                   (icone == LoadIconA(nullptr, IDI_HAND)          ? " (x) "
                                    : icone == LoadIconA(nullptr, IDI_EXCLAMATION) ? " (!) "
                                                                                   : " ") +
                                   texte);
        g_boites->Pendant(boite);
    }
    PostMessageA(boite, WM_COMMAND, IDOK, 0);
}

void VoirDialogue(HWND dialogue)
{
    if (g_scripts.empty())
    {
        if (Signaler("unexpected dialog \"" + TexteFenetre(dialogue) + "\""))
        {
            PostMessageA(dialogue, WM_COMMAND, IDCANCEL, 0);
            Surveiller(dialogue);
        }
        return;
    }
    const UINT_PTR minuterie = SetTimer(nullptr, 0, 1, &LancerScript);
    g_enAttente[minuterie] = {dialogue, std::move(g_scripts.front())};
    g_scripts.pop_front();
}

LRESULT CALLBACK Crochet(int code, WPARAM wParam, LPARAM lParam)
{
    const auto fenetre = reinterpret_cast<HWND>(wParam);
    char classe[16] = {};
    if (code == HCBT_DESTROYWND)
        g_vus.erase(fenetre);
    // A dialog is activated again when a box over it goes: only its first activation counts.
    else if (code == HCBT_ACTIVATE && GetClassNameA(fenetre, classe, sizeof classe) > 0 &&
             std::string(classe) == "#32770" && g_vus.insert(fenetre).second)
    {
        if (GetDlgItem(fenetre, ID_ICONE_BOITE) != nullptr)
            VoirBoite(fenetre);
        else
            VoirDialogue(fenetre);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
} // namespace

CBoitesMessage::CBoitesMessage() : m_englobante(std::exchange(g_boites, this)) {}

CBoitesMessage::~CBoitesMessage()
{
    g_boites = m_englobante;
}

void CBoitesMessage::Pendant(HWND boite) const
{
    if (m_pendant)
        m_pendant(boite);
    else if (m_englobante != nullptr)
        m_englobante->Pendant(boite);
}

void Programmer(Script script)
{
    g_scripts.push_back(std::move(script));
}

void Oublier()
{
    g_scripts.clear();
}

CCrochetFil::CCrochetFil() : m_crochet(SetWindowsHookExA(WH_CBT, &Crochet, nullptr, GetCurrentThreadId())) {}

CCrochetFil::~CCrochetFil()
{
    UnhookWindowsHookEx(m_crochet);
    g_scripts.clear();
    g_vus.clear();
    for (const auto& surveille : g_surveilles)
        KillTimer(nullptr, surveille.first);
    g_surveilles.clear();
}

void SignalerImprevus(std::function<void(const std::string&)> signaler)
{
    g_signaler = std::move(signaler);
}
