#pragma once
// The recordset over the TV application's channel table hcwChannels, through the channel query.

#include "framework/Odbc.h"

// The channel query, exact: 15 result columns, of which the channel list reads three.
extern const char* const REQUETE_CHAINES;

class CBaseDonnee : public CJeuEnregistrements
{
public:
    // Indexes of the columns the channel list reads: preferred_name, preferred_number, language.
    static constexpr int COLONNE_NOM = 2;
    static constexpr int COLONNE_NUMERO = 3;
    static constexpr int COLONNE_LANGUE = 9;

    explicit CBaseDonnee(CConnexionOdbc& base) : CJeuEnregistrements(base) {}

    // Runs the channel query, forward-only, and moves to its first row.
    void Ouvrir() { CJeuEnregistrements::Ouvrir(REQUETE_CHAINES); }
};
