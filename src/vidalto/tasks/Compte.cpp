#include "tasks/Compte.h"

#include "tasks/AccesTache.h"

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

HRESULT DefinirCompte(const ContexteCommande& contexte, CTache& tache, CPersistance& persistance,
                      std::wstring& compteConfirme)
{
    std::string compteSaisi = PropositionCompte();
    CSecret<char> motDePasse;
    if (!contexte.fenetre.DemanderCompte(compteSaisi, motDePasse))
        return COMPTE_ANNULE;

    // The dialog refuses texts longer than the buffers: a conversion that fails here is the
    // system's failure, and nothing is handed to the scheduler.
    wchar_t compte[TAILLE_TAMPON];
    if (!VersLarge(motDePasse.Texte(), contexte.motDePasseCompte.Tampon(), TAILLE_TAMPON) ||
        !VersLarge(compteSaisi, compte, TAILLE_TAMPON))
    {
        contexte.fenetre.AfficherErreur(E_INVALIDARG);
        return E_INVALIDARG;
    }
    compteConfirme = compte;

    HRESULT hr = tache.DefinirCompte(compte, contexte.motDePasseCompte.Texte());
    if (SUCCEEDED(hr))
        hr = EnregistrerTache(persistance);
    if (FAILED(hr))
        contexte.fenetre.AfficherErreur(hr);
    return hr;
}
