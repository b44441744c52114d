#include "mainwindow/VidaltoDlg.h"

#include "framework/Conversion.h"
#include "programme/LectureParametres.h"

// Lists a work item when it is one of the program's recordings: a trigger, and "startr:" in
// its parameters. Work items of other programs pass silently.
void CVidaltoDlg::InsererLigne(CTache& tache, const std::string& nom)
{
    std::unique_ptr<CDeclencheur> declencheur;
    if (FAILED(tache.LireDeclencheur(0, declencheur)))
        return;
    declencheur.reset();

    std::wstring parametresLarges;
    const HRESULT hr = tache.LireParametres(parametresLarges);
    if (FAILED(hr))
    {
        AfficherErreur(hr);
        return;
    }
    std::string parametres;
    // Longer than the program ever writes, or not exactly in the program's code page: a foreign
    // work item, not listed.
    if (!VersAnsi(parametresLarges.c_str(), parametres))
        return;
    AjouterLigne(tache, nom, parametres);
}

void CVidaltoDlg::AjouterLigne(CTache& tache, const std::string& nom, const std::string& parametres)
{
    const LigneLue ligne = LireLigne(parametres);
    if (!ligne.reconnue)
        return;

    // The names stay parallel to the rows: a row the list refused gets no name.
    const int rang = m_liste.InsererLigne(0, ligne.nomFichier);
    if (rang < 0)
        return;
    m_nomsTaches.insert(m_nomsTaches.begin() + rang, nom);
    m_liste.DefinirTexte(rang, COLONNE_ENREGISTREMENT, ligne.enregistrement);

    std::wstring application;
    const HRESULT hrApplication = tache.LireApplication(application);
    if (FAILED(hrApplication))
    {
        AfficherErreur(hrApplication);
        return;
    }
    RemplirLigne(tache, rang, parametres);
}

void CVidaltoDlg::RemplirLigne(CTache& tache, int ligne, const std::string& parametres)
{
    SYSTEMTIME prochaine = {};
    const HRESULT hrProchaine = tache.ProchaineExecution(prochaine);

    std::wstring commentaireLarge;
    if (FAILED(tache.LireCommentaire(commentaireLarge)))
        commentaireLarge.clear();

    // Only S_OK means a run to come; the other success codes mean none.
    if (hrProchaine == S_OK)
        m_liste.DefinirTexte(ligne, COLONNE_PROCHAIN,
                             TexteProchainDemarrage(prochaine.wDay, prochaine.wMonth, prochaine.wYear,
                                                    prochaine.wHour, prochaine.wMinute));

    // A comment longer than the buffer is shown cut.
    std::string commentaire;
    VersAnsi(commentaireLarge.c_str(), commentaire);
    m_liste.DefinirTexte(ligne, COLONNE_INFOS, commentaire);

    m_liste.DefinirTexte(ligne, COLONNE_DUREE, TexteDuree(parametres));
}
