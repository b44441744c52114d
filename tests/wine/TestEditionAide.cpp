#include "TestEditionAide.h"

#include "BoitesMessage.h"
#include "OutilsOdbc.h"

#include "framework/Controles.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <ctime>

namespace
{
int g_editionsMontrees = 0;
} // namespace

std::string DossierBases(const std::string& nom)
{
    return CheminDos(VIDALTO_BASES_ESSAI "/" + nom);
}

INT_PTR LancerEdition(CEdition& edition, const std::function<void(CEdition&)>& script,
                      bool* scriptLance)
{
    if (scriptLance)
        *scriptLance = false;
    auto lancer = [&edition, script, scriptLance]() {
        if (scriptLance)
            *scriptLance = true;
        EXPECT_TRUE(IsWindowVisible(edition.Fenetre()));
        if (script)
            script(edition);
        // EndDialog hides the dialog at once: still visible means the script left it open.
        if (IsWindowVisible(edition.Fenetre()))
        {
            ADD_FAILURE() << "the script left the editor open";
            edition.EndDialog(IDCANCEL);
        }
    };
    ProgrammerScriptMontre([lancer](CDialogue&) { lancer(); });
    const INT_PTR resultat = edition.DoModal();
    CDialogue::OublierScripts();
    return resultat;
}

void Cliquer(HWND dialogue, int id)
{
    SendMessageA(GetDlgItem(dialogue, id), BM_CLICK, 0, 0);
}

void Taper(HWND controle, const std::string& texte)
{
    for (const char c : texte)
        SendMessageA(controle, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
}

void Effacer(HWND controle)
{
    SendMessageA(controle, EM_SETSEL, 0, -1);
    SendMessageA(controle, WM_CHAR, VK_BACK, 1);
}

void Touche(HWND controle, UINT touche)
{
    SendMessageA(controle, WM_KEYDOWN, touche, 1);
    SendMessageA(controle, WM_KEYUP, touche, 0xC0000001);
}

void ChoisirLigne(HWND liste, int ligne)
{
    // Scrolled into view first: a click lands on what is shown.
    SendMessageA(liste, LB_SETTOPINDEX, static_cast<WPARAM>(ligne), 0);
    RECT rect = {};
    SendMessageA(liste, LB_GETITEMRECT, static_cast<WPARAM>(ligne), reinterpret_cast<LPARAM>(&rect));
    const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageA(liste, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(liste, WM_LBUTTONUP, 0, point);
}

LRESULT ChangerSelecteur(HWND dialogue, int id, const SYSTEMTIME& valeur)
{
    const HWND selecteur = GetDlgItem(dialogue, id);
    SYSTEMTIME st = valeur;
    DateTime_SetSystemtime(selecteur, GDT_VALID, &st);
    NMDATETIMECHANGE changement = {};
    changement.nmhdr.hwndFrom = selecteur;
    changement.nmhdr.idFrom = static_cast<UINT_PTR>(id);
    changement.nmhdr.code = DTN_DATETIMECHANGE;
    changement.dwFlags = GDT_VALID;
    changement.st = valeur;
    // A sentinel, so that a handler that leaves the result alone shows.
    SetWindowLongPtrA(dialogue, DWLP_MSGRESULT, 77);
    return SendMessageA(dialogue, WM_NOTIFY, static_cast<WPARAM>(id),
                        reinterpret_cast<LPARAM>(&changement));
}

SYSTEMTIME LireSelecteur(HWND dialogue, int id)
{
    SYSTEMTIME st = {};
    EXPECT_EQ(DateTime_GetSystemtime(GetDlgItem(dialogue, id), &st), GDT_VALID) << id;
    return st;
}

std::string Texte(HWND dialogue, int id)
{
    return TexteFenetre(GetDlgItem(dialogue, id));
}

bool Coche(HWND dialogue, int id)
{
    return IsDlgButtonChecked(dialogue, id) == BST_CHECKED;
}

bool Actif(HWND dialogue, int id)
{
    return IsWindowEnabled(GetDlgItem(dialogue, id)) != FALSE;
}

std::string HeureMinute(std::time_t instant, long long secondes)
{
    const std::time_t fin = instant + static_cast<std::time_t>(secondes);
    char texte[16] = {};
    std::strftime(texte, sizeof texte, "%H:%M", std::localtime(&fin));
    return texte;
}

std::time_t Instant(const SYSTEMTIME& local)
{
    std::tm champs = {};
    champs.tm_year = local.wYear - 1900;
    champs.tm_mon = local.wMonth - 1;
    champs.tm_mday = local.wDay;
    champs.tm_hour = local.wHour;
    champs.tm_min = local.wMinute;
    champs.tm_sec = local.wSecond;
    champs.tm_isdst = -1;
    return std::mktime(&champs);
}

CEditionsMontrees::CEditionsMontrees()
{
    g_editionsMontrees = 0;
    *m_crochet.Adresse() = SetWindowsHookExA(WH_CALLWNDPROC, &CEditionsMontrees::Crochet, nullptr,
                                             GetCurrentThreadId());
}

CEditionsMontrees::~CEditionsMontrees()
{
    m_crochet.Liberer();
}

int CEditionsMontrees::Nombre() const
{
    return g_editionsMontrees;
}

LRESULT CALLBACK CEditionsMontrees::Crochet(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_SHOWWINDOW && message->wParam != FALSE &&
        TexteFenetre(message->hwnd) == "Edition du Programme")
        ++g_editionsMontrees;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
