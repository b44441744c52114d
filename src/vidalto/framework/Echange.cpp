#include "framework/Echange.h"

#include "framework/Controles.h"

#include <commctrl.h>

void CEchange::Texte(int id, std::string& texte) const
{
    if (!Concerne(id))
        return;
    const HWND controle = GetDlgItem(m_dialogue, id);
    if (!m_lire)
    {
        // An edit given its own text again would move its caret to the start under the
        // user's typing: only a different text is written.
        if (TexteFenetre(controle) != texte)
            SetWindowTextA(controle, texte.c_str());
        return;
    }
    texte = TexteFenetre(controle);
}

void CEchange::Texte(int id, CSecret<char>& secret) const
{
    if (!Concerne(id))
        return;
    const HWND controle = GetDlgItem(m_dialogue, id);
    if (!m_lire)
    {
        SetWindowTextA(controle, secret.Texte());
        return;
    }
    secret.Effacer();
    GetWindowTextA(controle, secret.Tampon(), TAILLE_TAMPON);
}

void CEchange::Case(int id, std::int32_t& drapeau) const
{
    if (!Concerne(id))
        return;
    if (m_lire)
        drapeau = IsDlgButtonChecked(m_dialogue, id) == BST_CHECKED ? 1 : 0;
    else
        CheckDlgButton(m_dialogue, id, drapeau != 0 ? BST_CHECKED : BST_UNCHECKED);
}

void CEchange::Radio(int premier, int dernier, std::int32_t& indice) const
{
    if (!Concerne(premier, dernier))
        return;
    if (!m_lire)
    {
        CheckRadioButton(m_dialogue, premier, dernier, premier + indice);
        return;
    }
    for (int id = premier; id <= dernier; ++id)
    {
        if (IsDlgButtonChecked(m_dialogue, id) == BST_CHECKED)
        {
            indice = id - premier;
            return;
        }
    }
}

void CEchange::IndiceListe(int id, std::int32_t& indice) const
{
    if (!Concerne(id))
        return;
    const HWND liste = GetDlgItem(m_dialogue, id);
    const auto choisie = static_cast<std::int32_t>(SendMessageA(liste, LB_GETCURSEL, 0, 0));
    if (m_lire)
    {
        if (choisie != LB_ERR)
            indice = choisie;
        return;
    }
    // A selection set again would scroll the list back to it under the user's eyes: only a
    // different one is written.
    if (choisie != indice)
        SendMessageA(liste, LB_SETCURSEL, static_cast<WPARAM>(indice), 0);
}

void CEchange::DateHeure(int id, CTemps& valeur) const
{
    if (!Concerne(id))
        return;
    const HWND selecteur = GetDlgItem(m_dialogue, id);
    SYSTEMTIME st = {};
    if (m_lire)
    {
        if (DateTime_GetSystemtime(selecteur, &st) != GDT_VALID)
            return;
        CTemps lu;
        if (CTemps::DepuisLocal(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, lu))
            valeur = lu;
        return;
    }
    ChampsLocaux champs;
    if (!valeur.Local(champs))
        return;
    st.wYear = static_cast<WORD>(champs.annee);
    st.wMonth = static_cast<WORD>(champs.mois);
    st.wDay = static_cast<WORD>(champs.jour);
    st.wDayOfWeek = static_cast<WORD>(champs.jourSemaine - 1);
    st.wHour = static_cast<WORD>(champs.heure);
    st.wMinute = static_cast<WORD>(champs.minute);
    st.wSecond = static_cast<WORD>(champs.seconde);
    // Likewise a picker keeps the field the user is typing in when its value does not change.
    SYSTEMTIME actuel = {};
    if (DateTime_GetSystemtime(selecteur, &actuel) == GDT_VALID && actuel.wYear == st.wYear &&
        actuel.wMonth == st.wMonth && actuel.wDay == st.wDay && actuel.wHour == st.wHour &&
        actuel.wMinute == st.wMinute && actuel.wSecond == st.wSecond)
        return;
    DateTime_SetSystemtime(selecteur, GDT_VALID, &st);
}

void CEchange::Controle(int id, CControle& controle) const
{
    if (!Concerne(id))
        return;
    controle.Attacher(GetDlgItem(m_dialogue, id));
}
