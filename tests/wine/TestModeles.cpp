// The dialog templates as the resource compiler wrote them into the program: windres and
// Microsoft's rc do not give a control the same default styles (tab stop, group, border), so
// each control's ID and style are read back from the compiled template, in tab order.

#include "resources/resource.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <utility>
#include <vector>

namespace
{
using Controles = std::vector<std::pair<int, DWORD>>;

// A DLGTEMPLATE (windres writes a DIALOG statement in the short form): the dialog's style and
// its controls.
Controles LireModele(int id, DWORD& style)
{
    const HRSRC ressource = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5)); // RT_DIALOG
    const auto* debut = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, ressource)));
    const BYTE* p = debut;
    const auto mot = [&p] {
        WORD valeur;
        std::memcpy(&valeur, p, sizeof valeur);
        p += sizeof valeur;
        return valeur;
    };
    const auto doubleMot = [&] { return mot() | static_cast<DWORD>(mot()) << 16; };
    // A name, or 0xFFFF and an ordinal.
    const auto passer = [&] {
        const WORD premier = mot();
        if (premier == 0xFFFF)
            mot();
        for (WORD c = premier; c != 0 && c != 0xFFFF;)
            c = mot();
    };
    style = doubleMot();
    doubleMot();
    const WORD nombre = mot();
    p += 4 * sizeof(WORD); // position and size
    passer();              // menu
    passer();              // class
    passer();              // caption
    if (style & DS_SETFONT)
    {
        mot();
        passer();
    }
    Controles controles;
    for (WORD i = 0; i < nombre; ++i)
    {
        p += (4 - (p - debut) % 4) % 4;
        const DWORD styleControle = doubleMot();
        doubleMot();
        p += 4 * sizeof(WORD);
        controles.emplace_back(static_cast<short>(mot()), styleControle);
        passer(); // class
        passer(); // text
        p += mot();
    }
    return controles;
}

constexpr DWORD DIALOGUE = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD V = WS_CHILD | WS_VISIBLE;
constexpr DWORD JOUR = BS_AUTOCHECKBOX | WS_DISABLED | WS_TABSTOP | V;
constexpr DWORD DATE = DTS_SHORTDATEFORMAT | DTS_RIGHTALIGN | WS_TABSTOP | V;
constexpr DWORD ETIQUETTE = SS_CENTER | WS_GROUP | V;
constexpr DWORD SAISIE = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | V;

void Verifier(int id, const Controles& attendus)
{
    DWORD style = 0;
    const Controles controles = LireModele(id, style);
    EXPECT_EQ(style, DIALOGUE);
    ASSERT_EQ(controles.size(), attendus.size());
    for (std::size_t i = 0; i < attendus.size(); ++i)
    {
        EXPECT_EQ(controles[i].first, attendus[i].first) << i;
        EXPECT_EQ(controles[i].second, attendus[i].second) << std::hex << "ID " << attendus[i].first;
    }
}
} // namespace

// clang-format off
TEST(Modeles, LesStylesCompilesSontCeuxDesDialogues)
{
    Verifier(IDD_EDITION, {
        {1010, BS_GROUPBOX | WS_GROUP | V}, {1020, SS_LEFT | WS_GROUP | V},
        {IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP | V}, {IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP | V},
        {1004, SS_CENTER | SS_CENTERIMAGE | WS_GROUP | V}, {1005, SAISIE | WS_DISABLED},
        {1006, BS_GROUPBOX | V}, {1007, BS_AUTORADIOBUTTON | WS_GROUP | V}, {1008, BS_AUTORADIOBUTTON | V},
        {1009, BS_AUTORADIOBUTTON | V}, {1018, BS_GROUPBOX | WS_GROUP | V}, {1022, BS_GROUPBOX | V},
        {1023, SS_LEFT | WS_GROUP | V}, {1024, SAISIE | ES_CENTER},
        {1026, UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | V},
        {1027, ETIQUETTE}, {1028, ETIQUETTE}, {1029, ETIQUETTE}, {1031, DATE}, {1032, ETIQUETTE},
        {1033, DATE | WS_DISABLED}, {1034, BS_GROUPBOX | V},
        {1036, LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT | LBS_SORT | WS_VSCROLL | WS_BORDER | WS_TABSTOP | V},
        {1037, ETIQUETTE}, {1038, SAISIE | ES_CENTER}, {1039, BS_AUTOCHECKBOX | WS_TABSTOP | V},
        {1043, DTS_TIMEFORMAT | DTS_UPDOWN | DTS_RIGHTALIGN | WS_TABSTOP | V},
        {1044, JOUR}, {1045, JOUR}, {1046, JOUR}, {1047, JOUR}, {1048, JOUR}, {1049, JOUR}, {1050, JOUR}});
    Verifier(IDD_PASSE, {
        {IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP | V}, {IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP | V},
        {-1, SS_LEFT | WS_GROUP | V}, {1051, SAISIE}, {-1, SS_LEFT | WS_GROUP | V},
        {-1, SS_LEFT | WS_GROUP | V}, {1052, SAISIE | ES_PASSWORD}, {1053, SAISIE | ES_PASSWORD}});
}
// clang-format on
