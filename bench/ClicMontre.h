#pragma once
// A user's click on each dialog as soon as it is shown, for the benchmarks: the dialog manager
// shows a modal dialog once its queue is empty after the initialisation, and a click cannot
// come earlier.

#include "Chrono.h"

#include <windows.h>

#include <functional>
#include <map>
#include <vector>

// While it lives: once a dialog made on the thread meanwhile is shown, notes when and how many rows its
// channel list or schedule list had, runs `aLaVue` (if any), then posts `commande` to it as a click on that
// button does; notes when the dialog goes. A hook on the windows' activation, not on the messages: under Wine
// a hook on the thread's messages costs each message a trip to the server, a list's rows included. One at a
// time.
class CClicMontre
{
public:
    struct Vue
    {
        Horloge::time_point montre, fin;
        int lignes = 0;
    };

    explicit CClicMontre(WORD commande, std::function<void(HWND)> aLaVue = {});
    ~CClicMontre();
    CClicMontre(const CClicMontre&) = delete;
    CClicMontre& operator=(const CClicMontre&) = delete;

    // The dialogs shown, in turn.
    const std::vector<Vue>& Vus() const { return m_vus; }

private:
    static LRESULT CALLBACK Crochet(int code, WPARAM wParam, LPARAM lParam);

    WORD m_commande;
    std::function<void(HWND)> m_aLaVue;
    HHOOK m_crochet = nullptr;
    std::vector<Vue> m_vus;
    std::map<HWND, bool> m_crees;          // the windows made while it lives, and whether shown
    std::map<HWND, std::size_t> m_ouverts; // the dialogs shown and not yet gone
};
