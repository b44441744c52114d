#include "framework/Odbc.h"

#include <cstring>

const char* const MESSAGE_LIGNES_EN_TROP =
    "Le pilote ODBC dit avoir lu plus de lignes de la base des chaînes qu'il n'en avait la place.";

namespace
{
bool Reussi(SQLRETURN resultat)
{
    return resultat == SQL_SUCCESS || resultat == SQL_SUCCESS_WITH_INFO;
}
} // namespace

CExceptionBaseDonnees CExceptionBaseDonnees::Depuis(SQLSMALLINT type, SQLHANDLE poignee, SQLRETURN resultat)
{
    std::string texte;
    for (SQLSMALLINT numero = 1;; ++numero)
    {
        SQLCHAR etat[SQL_SQLSTATE_SIZE + 1] = {};
        SQLINTEGER natif = 0;
        std::vector<SQLCHAR> message(SQL_MAX_MESSAGE_LENGTH);
        SQLSMALLINT longueur = 0;
        SQLRETURN lu = SQLGetDiagRec(type, poignee, numero, etat, &natif, message.data(),
                                     static_cast<SQLSMALLINT>(message.size()), &longueur);
        if (lu == SQL_SUCCESS_WITH_INFO && longueur >= static_cast<SQLSMALLINT>(message.size()))
        {
            // A longer text than the usual limit: ask again with room for all of it.
            message.resize(static_cast<std::size_t>(longueur) + 1);
            lu = SQLGetDiagRec(type, poignee, numero, etat, &natif, message.data(),
                               static_cast<SQLSMALLINT>(message.size()), &longueur);
        }
        if (!Reussi(lu))
            break;
        if (!texte.empty())
            texte += '\n';
        texte += reinterpret_cast<const char*>(message.data());
    }
    if (texte.empty())
        texte = "Erreur de la base de données (code ODBC " + std::to_string(resultat) + ").";
    return CExceptionBaseDonnees(std::move(texte));
}

bool CConnexionOdbc::Ouvrir(const std::string& nomSource)
{
    Fermer();
    // A refusal leaves no handle behind; the driver's diagnostics are not shown for it.
    const auto refuser = [this] {
        Fermer();
        return false;
    };
    SQLRETURN resultat = Allouer(m_environnement, SQL_NULL_HANDLE);
    if (!Reussi(resultat))
        return refuser();
    resultat = SQLSetEnvAttr(m_environnement.Get(), SQL_ATTR_ODBC_VERSION,
                             reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    if (!Reussi(resultat))
        return refuser();
    resultat = Allouer(m_connexion, m_environnement.Get());
    if (!Reussi(resultat))
        return refuser();

    // Both attributes must be set before connecting. The cursor library is a connection
    // attribute: unixODBC loads it (libodbccr.so) while connecting.
    resultat = SQLSetConnectAttr(m_connexion.Get(), SQL_ATTR_ODBC_CURSORS,
                                 reinterpret_cast<SQLPOINTER>(SQL_CUR_USE_ODBC), SQL_IS_UINTEGER);
    if (Reussi(resultat))
        resultat = SQLSetConnectAttr(m_connexion.Get(), SQL_ATTR_ACCESS_MODE,
                                     reinterpret_cast<SQLPOINTER>(SQL_MODE_READ_ONLY), SQL_IS_UINTEGER);
    if (!Reussi(resultat))
        return refuser();

    const std::string chaine = "DSN=" + nomSource;
    std::vector<SQLCHAR> texte(chaine.begin(), chaine.end());
    texte.push_back('\0');
    SQLCHAR complete[1024];
    SQLSMALLINT longueur = 0;
    resultat = SQLDriverConnect(m_connexion.Get(), nullptr, texte.data(), SQL_NTS, complete,
                                static_cast<SQLSMALLINT>(sizeof complete), &longueur, SQL_DRIVER_NOPROMPT);
    if (!Reussi(resultat))
        return refuser();
    m_connectee = true;
    return true;
}

void CConnexionOdbc::Fermer()
{
    if (m_connectee)
        SQLDisconnect(m_connexion.Get());
    m_connectee = false;
    m_connexion.Liberer();
    m_environnement.Liberer();
}

void CJeuEnregistrements::Ouvrir(const std::string& sql)
{
    Fermer();
    if (!m_base.EstOuverte())
        throw CExceptionBaseDonnees("La connexion à la base de données n'est pas ouverte.");

    SQLRETURN resultat = Allouer(m_instruction, m_base.Poignee());
    if (!Reussi(resultat))
        throw CExceptionBaseDonnees::Depuis(SQL_HANDLE_DBC, m_base.Poignee(), resultat);
    try
    {
        SQLHSTMT instruction = m_instruction.Get();
        resultat = SQLSetStmtAttr(instruction, SQL_ATTR_CURSOR_TYPE,
                                  reinterpret_cast<SQLPOINTER>(SQL_CURSOR_FORWARD_ONLY), 0);
        if (!Reussi(resultat))
            throw CExceptionBaseDonnees::Depuis(SQL_HANDLE_STMT, instruction, resultat);

        std::vector<SQLCHAR> requete(sql.begin(), sql.end());
        requete.push_back('\0');
        resultat = SQLExecDirect(instruction, requete.data(), SQL_NTS);
        if (!Reussi(resultat))
            throw CExceptionBaseDonnees::Depuis(SQL_HANDLE_STMT, instruction, resultat);

        SQLSMALLINT nombre = 0;
        resultat = SQLNumResultCols(instruction, &nombre);
        if (!Reussi(resultat))
            throw CExceptionBaseDonnees::Depuis(SQL_HANDLE_STMT, instruction, resultat);
        const SQLULEN lignes = FixerTailleBloc(instruction);
        m_lignesAllouees = lignes;
        m_colonnes.assign(static_cast<std::size_t>(nombre > 0 ? nombre : 0), Colonne());
        for (std::size_t i = 0; i < m_colonnes.size(); ++i)
        {
            Colonne& colonne = m_colonnes[i];
            colonne.textes.assign(static_cast<std::size_t>(lignes) * TAILLE_COLONNE, '\0');
            colonne.indicateurs.assign(static_cast<std::size_t>(lignes), SQL_NULL_DATA);
            resultat = SQLBindCol(instruction, static_cast<SQLUSMALLINT>(i + 1), SQL_C_CHAR,
                                  colonne.textes.data(), TAILLE_COLONNE, colonne.indicateurs.data());
            if (!Reussi(resultat))
                throw CExceptionBaseDonnees::Depuis(SQL_HANDLE_STMT, instruction, resultat);
        }
        m_fin = false;
        Lire();
    }
    catch (...)
    {
        Fermer();
        throw;
    }
}

SQLULEN CJeuEnregistrements::FixerTailleBloc(SQLHSTMT instruction)
{
    // Column-wise binding of blocks of rows; the driver may lower the size (01S02) or refuse
    // it, and what it keeps is read back. Rows are then counted as it fetches them.
    SQLULEN lignes = 1;
    if (m_tailleBloc > 1 &&
        Reussi(SQLSetStmtAttr(instruction, SQL_ATTR_ROW_ARRAY_SIZE,
                              reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(m_tailleBloc)), 0)))
    {
        SQLULEN gardees = 0;
        if (Reussi(SQLGetStmtAttr(instruction, SQL_ATTR_ROW_ARRAY_SIZE, &gardees, 0, nullptr)) &&
            gardees >= 1 && gardees <= static_cast<SQLULEN>(m_tailleBloc))
            lignes = gardees;
    }
    // Buffers of one row take one row a fetch only: a driver that would not go back to it would
    // fetch past them.
    SQLRETURN resultat = SQL_SUCCESS;
    if (lignes == 1)
        resultat = SQLSetStmtAttr(instruction, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(1), 0);
    if (!Reussi(resultat))
        throw CExceptionBaseDonnees::Depuis(SQL_HANDLE_STMT, instruction, resultat);
    resultat = SQLSetStmtAttr(instruction, SQL_ATTR_ROWS_FETCHED_PTR, &m_lignesBloc, 0);
    if (!Reussi(resultat))
        throw CExceptionBaseDonnees::Depuis(SQL_HANDLE_STMT, instruction, resultat);
    return lignes;
}

void CJeuEnregistrements::Lire()
{
    if (m_ligne + 1 < m_lignesBloc)
    {
        ++m_ligne;
        return;
    }
    m_ligne = 0;
    m_lignesBloc = 0;
    const SQLRETURN resultat = SQLFetch(m_instruction.Get());
    if (resultat == SQL_NO_DATA || (Reussi(resultat) && m_lignesBloc == 0))
    {
        m_fin = true;
        return;
    }
    // SQL_SUCCESS_WITH_INFO: for instance a text longer than 255 characters, cut (01004).
    if (!Reussi(resultat))
        throw CExceptionBaseDonnees::Depuis(SQL_HANDLE_STMT, m_instruction.Get(), resultat);
    // The rows are read where the buffers hold them, never past.
    if (m_lignesBloc > m_lignesAllouees)
        throw CExceptionBaseDonnees(MESSAGE_LIGNES_EN_TROP);
}

void CJeuEnregistrements::Suivant()
{
    if (!m_instruction.EstValide() || m_fin)
        return;
    Lire();
}

std::string CJeuEnregistrements::Valeur(int indice) const
{
    if (m_fin || indice < 0 || static_cast<std::size_t>(indice) >= m_colonnes.size())
        return std::string();
    const Colonne& colonne = m_colonnes[static_cast<std::size_t>(indice)];
    const SQLLEN indicateur = colonne.indicateurs[m_ligne];
    if (indicateur == SQL_NULL_DATA)
        return std::string();
    const char* texte = colonne.textes.data() + m_ligne * TAILLE_COLONNE;
    // The indicator gives the full length even when the text was cut to the buffer.
    std::size_t longueur = ::strnlen(texte, TAILLE_COLONNE - 1);
    if (indicateur >= 0 && static_cast<std::size_t>(indicateur) < longueur)
        longueur = static_cast<std::size_t>(indicateur);
    return std::string(texte, longueur);
}

void CJeuEnregistrements::Fermer()
{
    m_instruction.Liberer();
    m_colonnes.clear();
    m_lignesBloc = 0;
    m_lignesAllouees = 0;
    m_ligne = 0;
    m_fin = true;
}
