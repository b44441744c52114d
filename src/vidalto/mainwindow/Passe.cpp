#include "mainwindow/Passe.h"

#include "framework/Echange.h"

#include <cstring>

const char* const MESSAGE_CONFIRMATION =
    "Erreur de confirmation\nLes mots de passe ne correspondent pas\nEssayer encore";
const char* const MESSAGE_COMPTE_TROP_LONG =
    "Le compte et le mot de passe ne peuvent pas dépasser 259 caractères.\nEssayer encore";

CPasse::CPasse(HWND proprietaire, std::string& compte, CSecret<char>& motDePasse)
    : CDialogue(IDD, proprietaire), m_compte(compte), m_motDePasse(motDePasse)
{
}

void CPasse::DoDataExchange(CEchange& echange)
{
    echange.Texte(IDC_COMPTE, m_compte);
    echange.Texte(IDC_MOT_DE_PASSE, m_motDePasse);
    echange.Texte(IDC_CONFIRMATION, m_confirmation);
}

void CPasse::OnOK()
{
    // A text the scheduler's buffers cannot hold is refused whole, never cut.
    for (const int id : {IDC_COMPTE, IDC_MOT_DE_PASSE, IDC_CONFIRMATION})
    {
        if (GetWindowTextLengthA(Controle(id)) > TAILLE_TAMPON - 1)
        {
            Boite(MESSAGE_COMPTE_TROP_LONG, NOM_APPLICATION, MB_ICONEXCLAMATION);
            return;
        }
    }
    EchangerDonnees(true);
    if (std::strcmp(m_motDePasse.Texte(), m_confirmation.Texte()) == 0)
    {
        EffacerChamps();
        EndDialog(IDOK);
        return;
    }
    Boite(MESSAGE_CONFIRMATION, NOM_APPLICATION, MB_ICONEXCLAMATION);
    m_confirmation.Effacer();
    m_motDePasse.Effacer();
    EffacerChamps();
}

void CPasse::OnCancel()
{
    EffacerChamps();
    CDialogue::OnCancel();
}

void CPasse::EffacerChamps()
{
    // Written over before emptied: an edit keeps the memory of its text.
    for (const int id : {IDC_MOT_DE_PASSE, IDC_CONFIRMATION})
    {
        const HWND champ = Controle(id);
        SetWindowTextA(champ,
                       std::string(static_cast<std::size_t>(GetWindowTextLengthA(champ)), '*').c_str());
        SetWindowTextA(champ, "");
    }
}
