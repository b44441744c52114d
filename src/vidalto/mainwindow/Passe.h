#pragma once
// The "Mot de passe" dialog: the Windows account a recording runs under, and its password
// typed twice, over the window that asks for them.

#include "framework/Dialogue.h"
#include "framework/Secret.h"
#include "resources/resource.h"

#include <string>

class CPasse : public CDialogue
{
public:
    enum
    {
        IDD = IDD_PASSE
    };
    // The account proposed in `compte`; on OK, the account and the password confirmed go there.
    CPasse(HWND proprietaire, std::string& compte, CSecret<char>& motDePasse);

protected:
    void DoDataExchange(CEchange& echange) override;
    // Closes with OK only when both passwords are the same; otherwise both are emptied and
    // the dialog stays open.
    void OnOK() override;
    void OnCancel() override;

private:
    // The password fields written over, then emptied.
    void EffacerChamps();

    std::string& m_compte;
    CSecret<char>& m_motDePasse;
    CSecret<char> m_confirmation;
};

// The mismatch box's text, and what a text too long for the scheduler's buffers gets.
extern const char* const MESSAGE_CONFIRMATION;
extern const char* const MESSAGE_COMPTE_TROP_LONG;
