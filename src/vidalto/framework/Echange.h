#pragma once
// One direction of a dialog's data exchange: read (controls to members) or show; of every pair
// the dialog lists, or of one control's pairs only.

#include "framework/Secret.h"
#include "framework/Temps.h"

#include <windows.h>
#include <cstdint>
#include <string>

class CControle;

class CEchange
{
public:
    static constexpr int TOUS = -1;

    // With `seul`, only the pairs of that control run (for a radio group, of any of its
    // buttons); the others are left as they are.
    CEchange(HWND dialogue, bool lire, int seul = TOUS) : m_dialogue(dialogue), m_lire(lire), m_seul(seul) {}

    bool Lire() const { return m_lire; }

    // The control's whole window text.
    void Texte(int id, std::string& texte) const;
    // A password: it never passes through a growable text.
    void Texte(int id, CSecret<char>& secret) const;
    // A check box: checked is 1.
    void Case(int id, std::int32_t& drapeau) const;
    // The radio buttons premier..dernier (consecutive IDs): index of the checked one. With none
    // checked, a read leaves the index as it was.
    void Radio(int premier, int dernier, std::int32_t& indice) const;
    // A list box: index of the selected row. With none selected, a read leaves the index as it
    // was.
    void IndiceListe(int id, std::int32_t& indice) const;
    // A date or time picker: its full date and time.
    void DateHeure(int id, CTemps& valeur) const;
    // Attaches a control object to its control (both directions).
    void Controle(int id, CControle& controle) const;

private:
    bool Concerne(int premier, int dernier) const
    {
        return m_seul == TOUS || (m_seul >= premier && m_seul <= dernier);
    }
    bool Concerne(int id) const { return Concerne(id, id); }

    HWND m_dialogue;
    bool m_lire;
    int m_seul;
};
