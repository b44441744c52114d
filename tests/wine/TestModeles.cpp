// The dialog templates as the resource compiler wrote them into the program: windres and
// Microsoft's rc do not give a control the same default styles (tab stop, group, border), so
// each control's ID and style are read back from the compiled template, in tab order.

#include "resources/resource.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <cwchar>
#include <utility>
#include <vector>

namespace
{
using Controles = std::vector<std::pair<int, DWORD>>;

// A DLGTEMPLATE (windres writes a DIALOG statement in the short form): the dialog's style (as
// the style of control 0), then each control's ID and style.
Controles LireModele(int id)
{
    const HRSRC ressource = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5)); // RT_DIALOG
    const auto* modele = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(nullptr, ressource)));
    const auto* p = reinterpret_cast<const WORD*>(modele + 1);
    // A name, or 0xFFFF and an ordinal.
    const auto passer = [&p] {
        p += *p == 0xFFFF ? 2 : std::wcslen(reinterpret_cast<const wchar_t*>(p)) + 1;
    };
    passer(); // menu
    passer(); // class
    passer(); // caption
    if (modele->style & DS_SETFONT)
    {
        ++p; // point size
        passer();
    }
    Controles controles = {{0, modele->style}};
    for (WORD i = 0; i < modele->cdit; ++i)
    {
        // Each control starts on a DWORD boundary (the resource itself is aligned).
        const auto* controle = reinterpret_cast<const DLGITEMTEMPLATE*>(
            (reinterpret_cast<std::uintptr_t>(p) + 3) & ~std::uintptr_t{3});
        controles.emplace_back(static_cast<short>(controle->id), controle->style);
        p = reinterpret_cast<const WORD*>(controle + 1);
        passer();                   // class
        passer();                   // text
        p += 1 + *p / sizeof(WORD); // creation data
    }
    return controles;
}

constexpr DWORD DIALOGUE = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD V = WS_CHILD | WS_VISIBLE, CADRE = BS_GROUPBOX | V, RADIO = BS_AUTORADIOBUTTON | V;
constexpr DWORD OK = BS_DEFPUSHBUTTON | WS_TABSTOP | V, ANNULER = BS_PUSHBUTTON | WS_TABSTOP | V;
constexpr DWORD JOUR = BS_AUTOCHECKBOX | WS_DISABLED | WS_TABSTOP | V, ETIQUETTE = SS_CENTER | WS_GROUP | V;
constexpr DWORD DATE = DTS_SHORTDATEFORMAT | DTS_RIGHTALIGN | WS_TABSTOP | V;
constexpr DWORD SAISIE = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | V, TEXTE = SS_LEFT | WS_GROUP | V;
} // namespace

TEST(Modeles, LesStylesCompilesSontCeuxDesDialogues)
{
    // clang-format off
    const std::pair<int, Controles> modeles[] = {
        {IDD_EDITION, {{0, DIALOGUE}, {1010, CADRE | WS_GROUP}, {1020, TEXTE}, {IDOK, OK},
            {IDCANCEL, ANNULER}, {1004, SS_CENTER | SS_CENTERIMAGE | WS_GROUP | V},
            {1005, SAISIE | WS_DISABLED}, {1006, CADRE}, {1007, RADIO | WS_GROUP}, {1008, RADIO},
            {1009, RADIO}, {1018, CADRE | WS_GROUP}, {1022, CADRE}, {1023, TEXTE}, {1024, SAISIE | ES_CENTER},
            {1026, UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | V},
            {1027, ETIQUETTE}, {1028, ETIQUETTE}, {1029, ETIQUETTE}, {1031, DATE}, {1032, ETIQUETTE},
            {1033, DATE | WS_DISABLED}, {1034, CADRE},
            {1036, LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT | LBS_SORT | WS_VSCROLL | WS_BORDER |
                       WS_TABSTOP | V},
            {1037, ETIQUETTE}, {1038, SAISIE | ES_CENTER}, {1039, BS_AUTOCHECKBOX | WS_TABSTOP | V},
            {1043, DTS_TIMEFORMAT | DTS_UPDOWN | DTS_RIGHTALIGN | WS_TABSTOP | V}, {1044, JOUR},
            {1045, JOUR}, {1046, JOUR}, {1047, JOUR}, {1048, JOUR}, {1049, JOUR}, {1050, JOUR}}},
        {IDD_PASSE, {{0, DIALOGUE}, {IDOK, OK}, {IDCANCEL, ANNULER}, {-1, TEXTE}, {1051, SAISIE},
            {-1, TEXTE}, {-1, TEXTE}, {1052, SAISIE | ES_PASSWORD}, {1053, SAISIE | ES_PASSWORD}}}};
    // clang-format on
    for (const auto& [id, attendus] : modeles)
        EXPECT_EQ(LireModele(id), attendus) << id;
}
