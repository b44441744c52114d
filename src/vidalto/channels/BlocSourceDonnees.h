#pragma once
// The attribute blocks given to the ODBC installer for the data source "Chaines", and the
// texts of the channel list.

#include <array>
#include <string>

constexpr std::size_t TAILLE_BLOC = 260;
// 61 bytes of fixed prefix, the path, two closing NULs.
constexpr std::size_t LONGUEUR_MAX_CHEMIN_BASE = 197;

using BlocAttributs = std::array<char, TAILLE_BLOC>;

// The directory search pattern: folder + "\*.mdb*".
std::string MotifRechercheBase(const std::string& dossierTV);

// folder + "\" + name, or empty when the search found no name.
std::string CheminBase(const std::string& dossierTV, const std::string& nomFichier);

// "DSN=Chaines", "Description=Chaines de TV", "FileType=MS ACCESS", "DBQ=" + path, then
// NUL NUL, the rest zero. False (and the block untouched) when the path is longer than 197.
bool ConstruireBlocEnregistrement(const std::string& cheminBase, BlocAttributs& bloc);

// The fixed removal block, with "DBQ=D:\hcwChanDB_4.mdb".
const BlocAttributs& BlocSuppression();

// number TAB name TAB language.
std::string TexteLigneChaine(const std::string& numero, const std::string& nom, const std::string& langue);
