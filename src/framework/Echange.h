#pragma once
// One direction of a dialog's data exchange: read (controls to members) or show.

#include "framework/Temps.h"

#include <windows.h>
#include <cstdint>
#include <string>

class CControle;

class CEchange
{
public:
    CEchange(HWND dialogue, bool lire) : m_dialogue(dialogue), m_lire(lire) {}

    bool Lire() const { return m_lire; }

    // The control's whole window text.
    void Texte(int id, std::string& texte) const;
    // A text in a fixed buffer of taille bytes, terminator included (a password: it never
    // passes through a growable text).
    void Texte(int id, char* tampon, int taille) const;
    // A check box: checked is 1.
    void Case(int id, std::int32_t& drapeau) const;
    // A date or time picker: its full date and time.
    void DateHeure(int id, CTemps& valeur) const;
    // Attaches a control object to its control (both directions).
    void Controle(int id, CControle& controle) const;

private:
    HWND m_dialogue;
    bool m_lire;
};
