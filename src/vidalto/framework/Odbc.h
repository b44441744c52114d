#pragma once
// Our stand-in for the database classes the program uses: a connection to a named ODBC data
// source, a forward-only recordset whose columns are bound as text, and the database error,
// which carries the driver's own message text.
//
// Built without UNICODE, so the undecorated ODBC names are called: Wine 8's odbc32 does not
// implement the ...A exports (SQLDriverConnectA, SQLExecDirectA abort the process).

#include "commun/Poignee.h"

#include <windows.h>

#include <sql.h>
#include <sqlext.h>

#include <exception>
#include <string>
#include <utility>
#include <vector>

// An ODBC handle of type TYPE, freed with SQLFreeHandle of that same type.
template <SQLSMALLINT TYPE> struct RegleOdbc
{
    // SQL_NULL_HANDLE is the integer 0L: nullptr keeps the handle's type.
    static SQLHANDLE Nulle() { return nullptr; }
    static void Liberer(SQLHANDLE poignee) { SQLFreeHandle(TYPE, poignee); }
};
template <SQLSMALLINT TYPE> using CPoigneeOdbc = CPoignee<SQLHANDLE, RegleOdbc<TYPE>>;

using CPoigneeEnvironnement = CPoigneeOdbc<SQL_HANDLE_ENV>;
using CPoigneeConnexion = CPoigneeOdbc<SQL_HANDLE_DBC>;
using CPoigneeInstruction = CPoigneeOdbc<SQL_HANDLE_STMT>;

// A new handle under `parent` (SQL_NULL_HANDLE for an environment), in place of the one
// `poignee` held.
template <SQLSMALLINT TYPE> SQLRETURN Allouer(CPoigneeOdbc<TYPE>& poignee, SQLHANDLE parent)
{
    return SQLAllocHandle(TYPE, parent, poignee.Adresse());
}

// A database error: the driver's message texts (all its diagnostic records, one a line).
class CExceptionBaseDonnees : public std::exception
{
public:
    explicit CExceptionBaseDonnees(std::string texte) : m_texte(std::move(texte)) {}
    // The diagnostics of a failed call on `poignee`, of ODBC handle type `type`.
    static CExceptionBaseDonnees Depuis(SQLSMALLINT type, SQLHANDLE poignee, SQLRETURN resultat);

    const std::string& Texte() const { return m_texte; }
    const char* what() const noexcept override { return m_texte.c_str(); }

private:
    std::string m_texte;
};

// The error of a driver that says it fetched more rows than it was given room for.
extern const char* const MESSAGE_LIGNES_EN_TROP;

// A read-only connection to a named data source, through the ODBC cursor library.
class CConnexionOdbc
{
public:
    CConnexionOdbc() = default;
    ~CConnexionOdbc() { Fermer(); }
    CConnexionOdbc(const CConnexionOdbc&) = delete;
    CConnexionOdbc& operator=(const CConnexionOdbc&) = delete;

    // Connects to the data source `nomSource` ("DSN=" + nomSource), without any prompt. False
    // when the driver manager or the driver refuses.
    bool Ouvrir(const std::string& nomSource);
    bool EstOuverte() const { return m_connectee; }
    void Fermer();

    SQLHDBC Poignee() const { return m_connexion.Get(); }

private:
    // Declared in this order so that the connection is freed before its environment.
    CPoigneeEnvironnement m_environnement;
    CPoigneeConnexion m_connexion;
    bool m_connectee = false;
};

// A forward-only recordset on an open connection. Every result column is bound as SQL_C_CHAR
// into buffers of 256 bytes (texts of at most 255 characters) with their length indicators,
// one per row of the block the driver is asked for at each fetch. With the ODBC cursor library
// on, unixODBC's SQLFetch fails (SL009) unless the columns are bound: the recordset always
// binds them. Errors raise CExceptionBaseDonnees.
class CJeuEnregistrements
{
public:
    static constexpr std::size_t TAILLE_COLONNE = 256;

    explicit CJeuEnregistrements(CConnexionOdbc& base) : m_base(base) {}
    CJeuEnregistrements(const CJeuEnregistrements&) = delete;
    CJeuEnregistrements& operator=(const CJeuEnregistrements&) = delete;

    // Rows asked of the driver per fetch, set before Ouvrir; rows are still read one at a
    // time. A driver that cannot fetch blocks is asked for one row at a time.
    void DefinirTailleBloc(long lignes) { m_tailleBloc = lignes > 0 ? lignes : 1; }

    // Runs `sql` forward-only and moves to its first row.
    void Ouvrir(const std::string& sql);
    bool FinDonnees() const { return m_fin; }
    // The next row; at the end of the data, FinDonnees() becomes true.
    void Suivant();
    // Column `indice` (0 for the first) of the current row as text; empty for NULL, past the
    // last column or at the end of the data.
    std::string Valeur(int indice) const;
    void Fermer();

private:
    // Asks the driver for blocks of TailleBloc() rows; the rows per block it granted.
    SQLULEN FixerTailleBloc(SQLHSTMT instruction);
    void Lire();

    // One column for every row of the block, bound column-wise.
    struct Colonne
    {
        std::vector<char> textes;
        std::vector<SQLLEN> indicateurs;
    };

    CConnexionOdbc& m_base;
    CPoigneeInstruction m_instruction;
    // Sized once before binding: the driver keeps the buffers' addresses.
    std::vector<Colonne> m_colonnes;
    long m_tailleBloc = 1;
    SQLULEN m_lignesBloc = 0;     // rows of the block fetched last, written by the driver
    SQLULEN m_lignesAllouees = 0; // rows the buffers hold
    SQLULEN m_ligne = 0;          // the current row within it
    bool m_fin = true;
};
