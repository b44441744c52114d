#include "LectureChaines.h"

#include "channels/BaseDonnee.h"
#include "framework/Odbc.h"

#include <string>
#include <vector>

namespace
{
// The channel query's columns.
constexpr int COLONNES = 15;
// As the program's recordset: 100 rows a fetch, bound column-wise.
constexpr SQLULEN LIGNES_PAR_BLOC = 100;
} // namespace

int LectureNue()
{
    CPoigneeEnvironnement environnement;
    CPoigneeConnexion connexion;
    CPoigneeInstruction instruction;
    if (!SQL_SUCCEEDED(Allouer(environnement, SQL_NULL_HANDLE)))
        return -1;
    SQLSetEnvAttr(environnement.Get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    if (!SQL_SUCCEEDED(Allouer(connexion, environnement.Get())))
        return -1;
    SQLSetConnectAttr(connexion.Get(), SQL_ATTR_ODBC_CURSORS, reinterpret_cast<SQLPOINTER>(SQL_CUR_USE_ODBC),
                      SQL_IS_UINTEGER);
    SQLSetConnectAttr(connexion.Get(), SQL_ATTR_ACCESS_MODE, reinterpret_cast<SQLPOINTER>(SQL_MODE_READ_ONLY),
                      SQL_IS_UINTEGER);
    SQLCHAR texte[] = "DSN=Chaines";
    if (!SQL_SUCCEEDED(SQLDriverConnect(connexion.Get(), nullptr, texte, SQL_NTS, nullptr, 0, nullptr,
                                        SQL_DRIVER_NOPROMPT)))
        return -1;
    int lignes = -1;
    if (SQL_SUCCEEDED(Allouer(instruction, connexion.Get())))
    {
        const SQLHSTMT i = instruction.Get();
        std::string requete = REQUETE_CHAINES;
        static std::vector<char> colonnes(COLONNES * LIGNES_PAR_BLOC * CJeuEnregistrements::TAILLE_COLONNE);
        static std::vector<SQLLEN> indicateurs(COLONNES * LIGNES_PAR_BLOC);
        SQLULEN obtenues = 0;
        SQLSetStmtAttr(i, SQL_ATTR_CURSOR_TYPE, reinterpret_cast<SQLPOINTER>(SQL_CURSOR_FORWARD_ONLY), 0);
        if (SQL_SUCCEEDED(SQLExecDirect(i, reinterpret_cast<SQLCHAR*>(&requete[0]), SQL_NTS)) &&
            SQL_SUCCEEDED(SQLSetStmtAttr(i, SQL_ATTR_ROW_ARRAY_SIZE,
                                         reinterpret_cast<SQLPOINTER>(LIGNES_PAR_BLOC), 0)) &&
            SQL_SUCCEEDED(SQLSetStmtAttr(i, SQL_ATTR_ROWS_FETCHED_PTR, &obtenues, 0)))
        {
            for (SQLUSMALLINT c = 0; c < COLONNES; ++c)
                SQLBindCol(i, c + 1, SQL_C_CHAR,
                           &colonnes[c * LIGNES_PAR_BLOC * CJeuEnregistrements::TAILLE_COLONNE],
                           CJeuEnregistrements::TAILLE_COLONNE, &indicateurs[c * LIGNES_PAR_BLOC]);
            lignes = 0;
            while (SQL_SUCCEEDED(SQLFetch(i)) && obtenues > 0)
                lignes += static_cast<int>(obtenues);
        }
        instruction = CPoigneeInstruction();
    }
    SQLDisconnect(connexion.Get());
    return lignes;
}
