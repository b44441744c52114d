#pragma once
// What a recording command needs of the window it runs in: telling the user of a failure, and
// asking for the run-as account. The main window answers; the commands know nothing more of it.

#include "framework/Secret.h"

#include <windows.h>

#include <string>

class CInterlocuteur
{
public:
    virtual ~CInterlocuteur() = default;

    // The "Erreur" box with the system's text for a failed result code.
    virtual void AfficherErreur(HRESULT code) = 0;
    // The "Erreur" box with a text of the program's own.
    virtual void AfficherErreur(const char* texte) = 0;
    // Asks for the Windows account a recording runs under (`compte` proposes one) and its
    // password typed twice; false when the user cancelled. Nothing is given back then.
    virtual bool DemanderCompte(std::string& compte, CSecret<char>& motDePasse) = 0;
};
