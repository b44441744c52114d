#pragma once
// The data source "Chaines" over the TV application's channel database: finding the database
// file, registering and removing the data source through the ODBC installer, connecting, and
// filling the editor's channel list. The editor calls them in this order: TrouverBase,
// EnregistrerSource, ConnecterChaines, RemplirChaines; SupprimerSource when it closes through
// its close box or after a database error.

#include "framework/Odbc.h"

#include <windows.h>

#include <string>

// Shown by the editor when the database path does not fit in the registration block, and when
// the ODBC installer cannot be loaded (with its caption).
extern const char* const MESSAGE_CHEMIN_TROP_LONG;
extern const char* const MESSAGE_INSTALLATEUR_ABSENT;
extern const char* const TITRE_INSTALLATEUR_ABSENT;

enum class ResultatEnregistrement
{
    Enregistree,
    Refusee,            // by the installer
    InstallateurAbsent, // its library could not be loaded
    CheminTropLong,     // folder + "\" + file longer than 197 characters: nothing registered
};

// The database path: folder + "\" + the first entry that matches folder + "\*.mdb*" (no
// sorting, no check that it is a file); empty when nothing matches.
std::string TrouverBase(const std::string& dossierTV);

// ODBC_ADD_DSN of "Chaines" for the database path (empty: "DBQ=" stays empty), made on every
// opening whether or not the data source already exists.
ResultatEnregistrement EnregistrerSource(const std::string& cheminBase);

// The connection to "Chaines"; false when refused.
bool ConnecterChaines(CConnexionOdbc& base);

// Runs the channel query and appends one row per channel (number TAB name TAB language) to
// the list box, in the query's order. Raises CExceptionBaseDonnees; rows appended before the
// error stay in the list.
void RemplirChaines(CConnexionOdbc& base, HWND listeChaines);

// ODBC_REMOVE_DSN of "Chaines" with the fixed removal block; the result is not looked at.
void SupprimerSource();
