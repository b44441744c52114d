#pragma once
// What the user sees on a thread, seen from outside the program: a hook on the thread's windows
// records and answers each message box, and runs on each dialog of the program the script a
// test queued for it, as a user would act on it. A box or a dialog that no test expects is
// reported and closed, so that the suite goes on instead of waiting for a click.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The boxes shown while the object lives (the innermost one when nested): their texts, and the
// same after their caption and icon ("Erreur (x) ", "Vidalto (!) "). Each is answered by its
// default button, after `m_pendant` when set (the innermost one set, when nested). Neither copied
// nor moved.
class CBoitesMessage
{
public:
    CBoitesMessage();
    ~CBoitesMessage();
    CBoitesMessage(const CBoitesMessage&) = delete;
    CBoitesMessage& operator=(const CBoitesMessage&) = delete;

    std::vector<std::string> m_textes, m_vues;
    // Run while a box is shown, before it is answered.
    std::function<void(HWND boite)> m_pendant;
    // Runs the innermost m_pendant set, from this one out.
    void Pendant(HWND boite) const;

private:
    CBoitesMessage* m_englobante;
};

using Script = std::function<void(HWND dialogue)>;

// Queues `script` for the next dialog shown: it runs from that dialog's own loop
// once the dialog is shown and active. A dialog that ends while it opens takes none.
void Programmer(Script script);
// Forgets the scripts no dialog took.
void Oublier();

// Hooks the calling thread while the object lives.
class CCrochetFil
{
public:
    CCrochetFil();
    ~CCrochetFil();
    CCrochetFil(const CCrochetFil&) = delete;
    CCrochetFil& operator=(const CCrochetFil&) = delete;

private:
    HHOOK m_crochet;
};

// What an unexpected box or dialog is told to: a test's failure, named by its caption and text.
void SignalerImprevus(std::function<void(const std::string&)> signaler);
