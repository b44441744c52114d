#pragma once
// What a recording command needs of the window it runs in: telling the user of a failure, and
// asking for the run-as account. The main window answers; the commands know nothing more of it.

#include <windows.h>

class CPasse;

class CInterlocuteur
{
public:
    virtual ~CInterlocuteur() = default;

    // The "Erreur" box with the system's text for a failed result code.
    virtual void AfficherErreur(HRESULT code) = 0;
    // The "Erreur" box with a text of the program's own.
    virtual void AfficherErreur(const char* texte) = 0;
    // Runs the password dialog modally over the window; 1 when the user confirmed it.
    virtual INT_PTR DemanderCompte(CPasse& passe) = 0;
};
