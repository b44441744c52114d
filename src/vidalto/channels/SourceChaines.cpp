#include "channels/SourceChaines.h"

#include "channels/BaseDonnee.h"
#include "channels/BlocSourceDonnees.h"
#include "framework/Ressources.h"

#include <odbcinst.h>

const char* const MESSAGE_CHEMIN_TROP_LONG =
    "Le chemin du dossier du programme TV est trop long pour la base des chaînes.";
const char* const MESSAGE_INSTALLATEUR_ABSENT =
    "The ODBC installer DLL (ODBCCP32.DLL) is not installed on this system.";
const char* const TITRE_INSTALLATEUR_ABSENT = "ODBC Installer Error";

namespace
{
const char* const NOM_PILOTE_ACCESS = "Driver do Microsoft Access (*.mdb)";
const char* const NOM_SOURCE_CHAINES = "Chaines";

using FnConfigurerSource = BOOL(WINAPI*)(HWND, WORD, LPCSTR, LPCSTR);

// Windows' own installer, from the system folder: a copy of that name in the program's folder or
// the current one is never taken in its place.
CModule ChargerInstallateur()
{
    char dossier[MAX_PATH] = {};
    const UINT longueur = GetSystemDirectoryA(dossier, MAX_PATH);
    if (longueur == 0 || longueur >= MAX_PATH)
        return CModule();
    return CModule(LoadLibraryA((std::string(dossier) + "\\odbccp32.dll").c_str()));
}

// SQLConfigDataSource without a window. The installer is loaded at each call, as the program
// needs it only when the editor opens and closes.
ResultatEnregistrement ConfigurerSource(WORD requete, const char* attributs)
{
    const CModule installateur = ChargerInstallateur();
    if (!installateur.EstValide())
        return ResultatEnregistrement::InstallateurAbsent;
    const auto configurer = reinterpret_cast<FnConfigurerSource>(
        reinterpret_cast<void (*)()>(GetProcAddress(installateur.Get(), "SQLConfigDataSource")));
    return configurer && configurer(nullptr, requete, NOM_PILOTE_ACCESS, attributs) != FALSE
               ? ResultatEnregistrement::Enregistree
               : ResultatEnregistrement::Refusee;
}
} // namespace

std::string TrouverBase(const std::string& dossierTV)
{
    WIN32_FIND_DATAA entree{};
    const CRechercheFichiers recherche(FindFirstFileA(MotifRechercheBase(dossierTV).c_str(), &entree));
    if (!recherche.EstValide())
        return std::string();
    return CheminBase(dossierTV, entree.cFileName);
}

ResultatEnregistrement EnregistrerSource(const std::string& cheminBase)
{
    BlocAttributs bloc{};
    if (!ConstruireBlocEnregistrement(cheminBase, bloc))
        return ResultatEnregistrement::CheminTropLong;
    return ConfigurerSource(ODBC_ADD_DSN, bloc.data());
}

bool ConnecterChaines(CConnexionOdbc& base)
{
    return base.Ouvrir(NOM_SOURCE_CHAINES);
}

void RemplirChaines(CConnexionOdbc& base, HWND listeChaines)
{
    CBaseDonnee chaines(base);
    chaines.DefinirTailleBloc(100);
    chaines.Ouvrir();
    for (; !chaines.FinDonnees(); chaines.Suivant())
    {
        const std::string ligne = TexteLigneChaine(chaines.Valeur(CBaseDonnee::COLONNE_NUMERO),
                                                   chaines.Valeur(CBaseDonnee::COLONNE_NOM),
                                                   chaines.Valeur(CBaseDonnee::COLONNE_LANGUE));
        SendMessageA(listeChaines, LB_INSERTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(ligne.c_str()));
    }
    // The recordset is closed here, before the caller closes the connection.
}

void SupprimerSource()
{
    ConfigurerSource(ODBC_REMOVE_DSN, BlocSuppression().data());
}
