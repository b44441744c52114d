#include "tasks/Commandes.h"

#include "tasks/Passe.h"

namespace
{
// This computer's name \ the user's name; a part the system cannot give stays empty.
std::string PropositionCompte()
{
    char ordinateur[TAILLE_TAMPON] = {};
    DWORD taille = sizeof ordinateur;
    if (!GetComputerNameA(ordinateur, &taille))
        ordinateur[0] = '\0';
    char utilisateur[TAILLE_TAMPON] = {};
    taille = sizeof utilisateur;
    if (!GetUserNameA(utilisateur, &taille))
        utilisateur[0] = '\0';
    ordinateur[TAILLE_TAMPON - 1] = '\0';
    utilisateur[TAILLE_TAMPON - 1] = '\0';
    return std::string(ordinateur) + "\\" + utilisateur;
}
} // namespace

HRESULT DefinirCompte(CTache& tache, CPersistance& persistance, CInterlocuteur& fenetre,
                      wchar_t (&motDePasseCompte)[TAILLE_TAMPON], std::wstring& compteConfirme)
{
    CPasse passe;
    passe.m_compte = PropositionCompte();
    if (fenetre.DemanderCompte(passe) != IDOK)
        return COMPTE_ANNULE;

    // The dialog refuses texts longer than the buffers: a conversion that fails here is the
    // system's failure, and nothing is handed to the scheduler. A shorter password leaves nothing
    // of a longer one behind it.
    wchar_t compte[TAILLE_TAMPON];
    SecureZeroMemory(motDePasseCompte, sizeof motDePasseCompte);
    if (!VersLarge(passe.m_motDePasse, motDePasseCompte, TAILLE_TAMPON) ||
        !VersLarge(passe.m_compte, compte, TAILLE_TAMPON))
    {
        fenetre.AfficherErreur(E_INVALIDARG);
        return E_INVALIDARG;
    }
    compteConfirme = compte;

    HRESULT hr = tache.DefinirCompte(compte, motDePasseCompte);
    if (SUCCEEDED(hr))
        hr = EnregistrerTache(persistance);
    if (FAILED(hr))
        fenetre.AfficherErreur(hr);
    return hr;
}
