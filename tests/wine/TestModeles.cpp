// The dialog templates as the resource compiler wrote them into the program. windres and
// Microsoft's rc do not give a statement the same default styles (an explicit style replaces
// windres's defaults), so the bits a compiler could drop or add are read back from the compiled
// template: each control's ID in tab order, and its tab stop, group, border, disabled state and
// visibility. The rest of a style is written out in the script and tried by the dialogs' tests.

#include "resources/resource.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cwchar>
#include <tuple>
#include <utility>
#include <vector>

namespace
{
using Controles = std::vector<std::pair<int, DWORD>>;

constexpr DWORD T = WS_TABSTOP, G = WS_GROUP, B = WS_BORDER, D = WS_DISABLED, P = ES_PASSWORD;

// A DLGTEMPLATE (windres writes a DIALOG statement in the short form): the dialog's whole style
// as control 0, then each control's ID and its bits of `masque`. Every control is a visible
// child: a missing WS_CHILD or WS_VISIBLE shows as a set bit.
Controles LireModele(int id, DWORD masque)
{
    const HRSRC ressource = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5)); // RT_DIALOG
    const auto* modele = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(nullptr, ressource)));
    const auto* p = reinterpret_cast<const WORD*>(modele + 1);
    // A name, or 0xFFFF and an ordinal.
    const auto passer = [&p] {
        p += *p == 0xFFFF ? 2 : std::wcslen(reinterpret_cast<const wchar_t*>(p)) + 1;
    };
    for (int champ = 0; champ < 3; ++champ) // menu, class, caption
        passer();
    if (modele->style & DS_SETFONT)
    {
        ++p; // point size, then the face
        passer();
    }
    Controles controles = {{0, modele->style}};
    for (WORD i = 0; i < modele->cdit; ++i)
    {
        // Each control starts on a DWORD boundary (the resource itself is aligned).
        const auto* controle = reinterpret_cast<const DLGITEMTEMPLATE*>(
            (reinterpret_cast<std::uintptr_t>(p) + 3) & ~std::uintptr_t{3});
        constexpr DWORD visible = WS_CHILD | WS_VISIBLE;
        controles.emplace_back(static_cast<short>(controle->id),
                               (controle->style ^ visible) & (visible | masque));
        p = reinterpret_cast<const WORD*>(controle + 1);
        passer();                   // class
        passer();                   // text
        p += 1 + *p / sizeof(WORD); // creation data
    }
    return controles;
}
} // namespace

TEST(Modeles, LesStylesCompilesSontCeuxDesDialogues)
{
    constexpr DWORD DIALOGUE = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    // The password dialog's edits also hide what is typed (no other control there uses that bit).
    // clang-format off
    const std::tuple<int, DWORD, Controles> modeles[] = {
        {IDD_EDITION, T | G | B | D, {{0, DIALOGUE},
            {1010, G}, {1020, G}, {IDOK, T}, {IDCANCEL, T}, {1004, G}, {1005, B | T | D}, {1006, 0}, {1007, G},
            {1008, 0}, {1009, 0}, {1018, G}, {1022, 0}, {1023, G}, {1024, B | T}, {1026, 0}, {1027, G},
            {1028, G}, {1029, G}, {1031, T}, {1032, G}, {1033, T | D}, {1034, 0}, {1036, B | T}, {1037, G},
            {1038, B | T}, {1039, T}, {1043, T}, {1044, T | D}, {1045, T | D}, {1046, T | D}, {1047, T | D},
            {1048, T | D}, {1049, T | D}, {1050, T | D}}},
        {IDD_PASSE, T | G | B | D | P, {{0, DIALOGUE},
            {IDOK, T}, {IDCANCEL, T}, {-1, G}, {1051, B | T}, {-1, G}, {-1, G}, {1052, B | T | P}, {1053, B | T | P}}}};
    // clang-format on
    for (const auto& [id, masque, attendus] : modeles)
        EXPECT_EQ(LireModele(id, masque), attendus) << id;
}
