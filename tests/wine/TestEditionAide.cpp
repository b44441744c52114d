#include "TestEditionAide.h"

#include "OutilsOdbc.h"

#include "framework/Controles.h"

#include <gtest/gtest.h>

#include <commctrl.h>

std::string DossierBases(const std::string& nom)
{
    return CheminDos(nom == "10000" ? VIDALTO_BASES_10000 "/chaines" : VIDALTO_BASES_ESSAI "/" + nom);
}

void Cliquer(HWND dialogue, int id)
{
    SendDlgItemMessageA(dialogue, id, BM_CLICK, 0, 0);
}

void Taper(HWND controle, const std::string& texte, bool effacer)
{
    if (effacer)
        SetWindowTextA(controle, "");
    for (const char c : texte)
        SendMessageA(controle, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
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

void ChangerSelecteur(HWND dialogue, int id, const SYSTEMTIME& valeur)
{
    NMDATETIMECHANGE changement = {};
    changement.nmhdr.hwndFrom = GetDlgItem(dialogue, id);
    changement.nmhdr.idFrom = static_cast<UINT_PTR>(id);
    changement.nmhdr.code = DTN_DATETIMECHANGE;
    changement.dwFlags = GDT_VALID;
    changement.st = valeur;
    DateTime_SetSystemtime(changement.nmhdr.hwndFrom, GDT_VALID, &changement.st);
    SendMessageA(dialogue, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&changement));
}

std::string Texte(HWND dialogue, int id)
{
    return TexteFenetre(GetDlgItem(dialogue, id));
}

bool Actif(HWND dialogue, int id)
{
    return IsWindowEnabled(GetDlgItem(dialogue, id)) != FALSE;
}

SYSTEMTIME LireSelecteur(HWND dialogue, int id)
{
    SYSTEMTIME st = {};
    DateTime_GetSystemtime(GetDlgItem(dialogue, id), &st);
    return st;
}

void VerifierPeriode(HWND dialogue, int radio, unsigned jours)
{
    for (int id = IDC_UNE_FOIS; id <= IDC_TOUTES_LES_SEMAINES; ++id)
        EXPECT_EQ(IsDlgButtonChecked(dialogue, id), id == radio ? BST_CHECKED : BST_UNCHECKED) << id;
    for (int k = 0; k < 7; ++k)
    {
        EXPECT_EQ(IsDlgButtonChecked(dialogue, IDC_DIMANCHE + k), (jours >> k) & 1) << IDC_DIMANCHE + k;
        EXPECT_EQ(Actif(dialogue, IDC_DIMANCHE + k), radio == IDC_TOUTES_LES_SEMAINES) << IDC_DIMANCHE + k;
    }
    EXPECT_EQ(Actif(dialogue, IDC_DATE_FIN), radio != IDC_UNE_FOIS);
}
