#pragma once
// A user's click on a dialog as soon as it is shown, for the benchmarks: the dialog manager
// shows a modal dialog once its queue is empty after the initialisation, and a click cannot
// come earlier.

#include "Chrono.h"

#include <windows.h>

// While it lives: once the next dialog of ours is shown, notes when and how many channel rows it
// had, then posts `commande` to it as a click on that button does. The hook that watches for
// the show is set once the dialog is initialised and removed as soon as it fires: under Wine a
// hook on the thread's messages costs each message a trip to the server, a list's rows included.
// One at a time.
class CClicMontre
{
public:
    explicit CClicMontre(WORD commande);
    ~CClicMontre();
    CClicMontre(const CClicMontre&) = delete;
    CClicMontre& operator=(const CClicMontre&) = delete;

    bool Vu() const { return m_vu; }
    Horloge::time_point Quand() const { return m_quand; }
    // The channel list's rows then (0 for a dialog without that list).
    int Lignes() const { return m_lignes; }

private:
    static LRESULT CALLBACK Crochet(int code, WPARAM wParam, LPARAM lParam);
    void Montre(HWND dialogue);

    WORD m_commande;
    HWND m_dialogue = nullptr;
    HHOOK m_crochet = nullptr;
    bool m_vu = false;
    Horloge::time_point m_quand;
    int m_lignes = -1;
};
