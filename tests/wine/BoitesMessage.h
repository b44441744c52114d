#pragma once
// Records and answers the message boxes the program shows while an object of this class
// lives: the hook RefuserDialoguesImprevus sets sees each box as it is activated, reads its
// caption, text and icon, and presses its default button. Outside such an object a box is a
// failure, named by its caption and text, and is answered all the same.

#include "framework/Dialogue.h"
#include "framework/Ressources.h"

#include <functional>
#include <string>
#include <vector>

struct BoiteVue
{
    std::string titre, texte;
    bool iconeErreur = false, iconeExclamation = false;
};

// Neither copied nor moved: the hook finds it by its address.
class CBoitesMessage
{
public:
    CBoitesMessage();
    ~CBoitesMessage();
    const std::vector<BoiteVue>& Vues() const { return m_vues; }

private:
    std::vector<BoiteVue> m_vues;
    std::vector<BoiteVue>* m_englobantes; // the boxes of the object this one is nested in
};

// Hooks the message boxes of the calling thread while the hook lives; the suite's own thread is
// hooked by RefuserDialoguesImprevus.
CCrochet SurveillerBoites();

// Any dialog of ours shown while no test script waits for it, and any message box shown while
// no CBoitesMessage lives, is a failure, named by its caption, and is ended so that the suite
// goes on instead of waiting for a click.
void RefuserDialoguesImprevus();

// Queues `script` for the next dialog of ours, to run once the dialog is shown and active (the
// dialog manager shows a modal dialog when its queue is first empty, after the seam's own
// script message: the script waits for a timer, whose message comes only then).
void ProgrammerScriptMontre(std::function<void(CDialogue&)> script);
