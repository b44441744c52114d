#pragma once
// The main window: start-up checks, the schedule list, the clock, and the commands.

#include "framework/Controles.h"
#include "framework/Conversion.h"
#include "framework/Dialogue.h"
#include "framework/Ressources.h"
#include "resources/resource.h"
#include "tasks/ContexteCommande.h"

#include <memory>
#include <string>
#include <vector>

constexpr UINT_PTR ID_TIMER_HORLOGE = 101;

// The columns of the schedule list, in their order.
enum ColonneListe
{
    COLONNE_FICHIER,        // "Nom du programme": the recording's file
    COLONNE_PROCHAIN,       // "Prochain démarrage"
    COLONNE_INFOS,          // "Infos du Programme": the work item's comment
    COLONNE_ENREGISTREMENT, // "Enregistrement"
    COLONNE_DUREE,          // "Durée"
    NOMBRE_COLONNES
};

class CVidaltoDlg : public CDialogue, public CInterlocuteur
{
    // Declared first, so that it goes last: the scheduler object is released before COM is
    // uninitialised, also when Escape ends the dialog without its close handling.
    CApartementCom m_com;

public:
    enum
    {
        IDD = IDD_VIDALTO
    };
    // The window ends with this status only when its start-up stopped, after telling why (its OK
    // command adds a programme and never ends it); the program then exits with it.
    static constexpr INT_PTR STATUT_ARRET = 1;

    explicit CVidaltoDlg(HWND parent = nullptr);

    // The system's text for a failed result code (left untouched for a success code); empty
    // when the system has none.
    static void TexteErreur(HRESULT code, char* tampon, DWORD taille);

    // Schedule list
    void InsererLigne(CTache& tache, const std::string& nom);
    // The top row of a recording whose parameter text is known, its name beside it.
    void AjouterLigne(CTache& tache, const std::string& nom, const std::string& parametres);
    void RemplirLigne(CTache& tache, int ligne, const std::string& parametres);

protected:
    void DoDataExchange(CEchange& echange) override;
    BOOL OnInitDialog() override;
    bool OnButtonClicked(int id) override;
    void OnTimer(UINT_PTR id) override;
    bool OnSysCommand(WPARAM commande, LPARAM parametre) override;
    bool OnPaint() override;
    HICON OnQueryDragIcon() override;
    void OnClose() override;
    // Windows ends the session: a work item that a command left half-made while it waits on the
    // user goes at once, and the command writes nothing more.
    void OnEndSession(bool fin) override;

    // Commands
    void OnAjouter();
    void OnEditer();
    void OnSupprimer();

    // The scheduler object of the start-up: the binding over the Task Scheduler service, or a
    // replacement of the service that keeps its operations.
    virtual HRESULT CreerPlanificateur(std::unique_ptr<CPlanificateur>& planificateur);

    void MettreAJourHorloge();

    // What the commands ask of the window.
    void AfficherErreur(const char* texte) override;
    void AfficherErreur(HRESULT code) override;
    bool DemanderCompte(std::string& compte, CSecret<char>& motDePasse) override;

    std::string m_cheminTV;
    std::vector<std::string> m_nomsTaches;

private:
    // While the start-up or a command runs, a close that comes meanwhile (from another program:
    // the window is disabled under the command's dialogs and boxes) waits for its end, and the
    // scheduler is not released under it.
    class COccupation
    {
    public:
        explicit COccupation(CVidaltoDlg& fenetre);
        ~COccupation();
        COccupation(const COccupation&) = delete;
        COccupation& operator=(const COccupation&) = delete;

    private:
        CVidaltoDlg& m_fenetre;
    };
    // The close: the scheduler released, COM uninitialised, the window ended.
    void Fermer();
    // What a command borrows from the window, with the password of its account step.
    ContexteCommande Contexte(CSecret<wchar_t>& motDePasseCompte);

    // The selected row, when it has its work-item name; -1 otherwise.
    int LigneChoisie() const;
    void AjouterEntreeAPropos();
    void CreerColonnes();
    // The steps of the start-up that may end the program; false when it stopped.
    bool LireCheminTV();
    bool ConnecterPlanificateur();
    bool ListerTaches();
    // Tells the user why the program stops, then ends the window with STATUT_ARRET.
    void Arreter(const char* texte);
    void Arreter(HRESULT code, const char* phrase);

    CListeRapport m_liste;
    std::string m_horloge;
    HICON m_hIcone;
    std::unique_ptr<CPlanificateur> m_planificateur;
    std::wstring m_tacheInachevee;
    bool m_occupe = false;
    bool m_fermetureDemandee = false;
    bool m_sessionTerminee = false;
};
