#pragma once
// The main window: start-up checks, the schedule list, the clock, and the commands.

#include "framework/Controles.h"
#include "framework/Dialogue.h"
#include "framework/Ressources.h"
#include "tasks/Planificateur.h"

#include <memory>
#include <string>
#include <vector>

class CDefinitionProgramme;

constexpr UINT_PTR ID_TIMER_HORLOGE = 101;

// The result of a command whose path or parameter string does not fit the scheduler's
// 260-unit buffers: ERROR_FILENAME_EXCED_RANGE, "The filename or extension is too long."
constexpr HRESULT COMMANDE_TROP_LONGUE = static_cast<HRESULT>(0x800700CE);

class CVidaltoDlg : public CDialogue
{
public:
    enum
    {
        IDD = 102
    };
    explicit CVidaltoDlg(HWND parent = nullptr);

    // The system's text for a failed result code (left untouched for a success code); empty
    // when the system has none.
    static void TexteErreur(HRESULT code, char* tampon, DWORD taille);

    // Schedule list
    void InsererLigne(CTache& tache, const std::string& nom);
    void RemplirLigne(CTache& tache, int ligne, const std::string& parametres);

    // Recording steps. DefinirCommande saves the work item once, then sets its command; it
    // hands back the work item's persistence, through which the account step saves it.
    HRESULT DefinirCommande(CTache& tache, const CDefinitionProgramme& edition, const std::string& nom,
                            std::unique_ptr<CPersistance>& persistance);
    HRESULT DefinirDeclencheur(CDeclencheur& declencheur, const CDefinitionProgramme& edition);

    std::string m_cheminTV;
    CListeRapport m_liste;
    std::string m_horloge;
    HICON m_hIcone;
    wchar_t m_motDePasseCompte[260] = {};
    std::vector<std::string> m_nomsTaches;
    std::unique_ptr<CPlanificateur> m_planificateur;

protected:
    void DoDataExchange(CEchange& echange) override;
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND controle) override;
    void OnTimer(UINT_PTR id) override;
    bool OnSysCommand(WPARAM commande, LPARAM parametre) override;
    bool OnPaint() override;
    HICON OnQueryDragIcon() override;
    void OnClose() override;

    // Commands
    void OnAjouter();

    // Seams of the start-up: the scheduler object, and the end of the process.
    virtual HRESULT CreerPlanificateur(std::unique_ptr<CPlanificateur>& planificateur);
    virtual void ArreterProgramme(int statut);

    void MettreAJourHorloge();
    void AfficherErreur(const char* texte) const;
    void AfficherErreur(HRESULT code) const;

private:
    void AjouterEntreeAPropos();
    void CreerColonnes();
    // The steps of the start-up that may end the program; false when it stopped.
    bool LireCheminTV();
    bool ConnecterPlanificateur();
    bool ListerTaches();
    void Arreter(HRESULT code, const char* phrase);

    CApartementCom m_com;
};
