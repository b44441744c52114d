#pragma once
// The "Mot de passe" dialog: the Windows account a recording runs under, and its password
// typed twice. The password texts live in fixed buffers that are wiped when the dialog goes.

#include "framework/Conversion.h"
#include "framework/Dialogue.h"
#include "resources/resource.h"

#include <string>

class CPasse : public CDialogue
{
public:
    enum
    {
        IDD = IDD_PASSE
    };
    CPasse();
    ~CPasse() override;

    std::string m_compte;
    char m_motDePasse[TAILLE_TAMPON] = {};
    char m_confirmation[TAILLE_TAMPON] = {};

protected:
    void DoDataExchange(CEchange& echange) override;
    // Closes with OK only when both passwords are the same; otherwise both are emptied and
    // the dialog stays open.
    void OnOK() override;
    void OnCancel() override;

private:
    // The password fields written over, then emptied.
    void EffacerChamps();
};

// The mismatch box's text, and what a text too long for the scheduler's buffers gets.
extern const char* const MESSAGE_CONFIRMATION;
extern const char* const MESSAGE_COMPTE_TROP_LONG;
