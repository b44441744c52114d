// The account step with the real "Mot de passe" dialog, driven by messages; the work item is
// in the in-memory store, which keeps the account it is given (Wine's scheduler does not).

#include "AideTaches.h"

#include "framework/Controles.h"
#include "tasks/Commandes.h"

#include <gtest/gtest.h>

namespace
{
using Geste = std::function<void(HWND dialogue)>;

std::string Proposition()
{
    char ordinateur[260] = {}, utilisateur[260] = {};
    DWORD taille = sizeof ordinateur;
    GetComputerNameA(ordinateur, &taille);
    taille = sizeof utilisateur;
    GetUserNameA(utilisateur, &taille);
    return std::string(ordinateur) + "\\" + utilisateur;
}

void Cliquer(HWND d, int id)
{
    SendMessageA(GetDlgItem(d, id), BM_CLICK, 0, 0);
}

Geste Remplir(const std::string& compte, const std::string& motDePasse, const std::string& confirmation)
{
    return [=](HWND d) {
        SetDlgItemTextA(d, IDC_COMPTE, compte.c_str());
        SetDlgItemTextA(d, IDC_MOT_DE_PASSE, motDePasse.c_str());
        SetDlgItemTextA(d, IDC_CONFIRMATION, confirmation.c_str());
        Cliquer(d, IDOK);
    };
}

// A dialog that a gesture left open is ended after a while, so that the test goes on.
HWND g_ouvert = nullptr;
void CALLBACK Abandonner(HWND /*fenetre*/, UINT /*message*/, UINT_PTR minuterie, DWORD /*heure*/)
{
    KillTimer(nullptr, minuterie);
    if (g_ouvert != nullptr && IsWindowVisible(g_ouvert))
        EndDialog(g_ouvert, IDABORT);
}

// Enter at once: the proposed account with an empty password.
void Entree(HWND d)
{
    EXPECT_EQ(GetFocus(), GetDlgItem(d, IDOK));
    EXPECT_EQ(TexteFenetre(GetDlgItem(d, IDC_COMPTE)), Proposition());
    EXPECT_EQ(GetWindowTextLengthA(GetDlgItem(d, IDC_MOT_DE_PASSE)), 0);
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
}

// A mismatch empties both passwords and keeps the account; the retry succeeds.
void Reprise(HWND d)
{
    Remplir("SALON\\marc", "abc", "ABC")(d);
    EXPECT_TRUE(IsWindowVisible(d));
    EXPECT_EQ(TexteFenetre(GetDlgItem(d, IDC_COMPTE)), "SALON\\marc");
    EXPECT_EQ(GetWindowTextLengthA(GetDlgItem(d, IDC_MOT_DE_PASSE)), 0);
    EXPECT_EQ(GetWindowTextLengthA(GetDlgItem(d, IDC_CONFIRMATION)), 0);
    Remplir("SALON\\marc", "abc", "abc")(d);
}

// Over 259 characters: refused whole, the dialog still open.
void TropLong(HWND d)
{
    Remplir(std::string(260, 'x'), "", "")(d);
    Remplir("", std::string(260, 'x'), "")(d);
    Cliquer(d, IDCANCEL);
}

void AnnulerApresErreur(HWND d)
{
    Remplir("a", "b", "")(d);
    Cliquer(d, IDCANCEL);
}

struct Cas
{
    HRESULT resultat;
    std::string compte, motDePasse; // handed to the scheduler, and the password kept
    std::vector<std::string> boites;
    Geste geste;
};
} // namespace

TEST(Passe, LeCompteConfirmeVaAuPlanificateurEtRienDAutre)
{
    const std::string p259(259, 'p'), trop = MESSAGE_COMPTE_TROP_LONG;
    const Cas cas[] = {
        {S_OK, Proposition(), "", {}, Entree},
        {S_OK, "SALON\\marc", "Secret é", {}, Remplir("SALON\\marc", "Secret é", "Secret é")},
        {S_OK, "", "x", {}, Remplir("", "x", "x")},
        {S_OK, "autre", p259, {}, Remplir("autre", p259, p259)},
        {S_OK, "SALON\\marc", "abc", {MESSAGE_CONFIRMATION}, Reprise},
        {COMPTE_ANNULE, "", "ancien", {trop, trop}, TropLong},
        {COMPTE_ANNULE, "", "ancien", {}, [](HWND) { PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1); }},
        {COMPTE_ANNULE, "", "ancien", {}, [](HWND d) { PostMessageA(d, WM_CLOSE, 0, 0); }},
        {COMPTE_ANNULE, "", "ancien", {MESSAGE_CONFIRMATION}, AnnulerApresErreur}};
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(&c - cas);
        CPlanificateurMemoire memoire;
        std::unique_ptr<CTache> tache;
        std::unique_ptr<CPersistance> persistance;
        memoire.NouvelleTache(L"Passe", tache);
        memoire.AjouterTache(L"Passe", *tache);
        tache->ObtenirPersistance(persistance);
        CInterlocuteurEssai fenetre;
        INT_PTR fin = 0;
        fenetre.m_passe = [&](CPasse& passe) {
            ProgrammerScriptMontre([&](CDialogue& d) {
                EXPECT_EQ(TexteFenetre(d.Fenetre()), "Mot de passe");
                c.geste(d.Fenetre());
                g_ouvert = d.Fenetre();
                SetTimer(nullptr, 0, 3000, &Abandonner);
            });
            fin = passe.DoModal();
            return fin;
        };
        wchar_t motDePasseCompte[TAILLE_TAMPON] = L"ancien";
        std::wstring compte;
        CBoitesMessage boites;
        EXPECT_EQ(DefinirCompte(*tache, *persistance, fenetre, motDePasseCompte, compte), c.resultat);
        EXPECT_NE(fin, IDABORT) << "the dialog was left open";
        g_ouvert = nullptr;

        const TacheStockee* stockee = memoire.Trouver(L"Passe");
        std::wstring motDePasse, compteStocke;
        VersLarge(c.motDePasse, motDePasse);
        VersLarge(c.compte, compteStocke);
        EXPECT_EQ(stockee->compte, compteStocke);
        EXPECT_EQ(stockee->motDePasse, SUCCEEDED(c.resultat) ? motDePasse : L"");
        EXPECT_EQ(stockee->enregistrements, SUCCEEDED(c.resultat) ? 1 : 0);
        EXPECT_EQ(motDePasseCompte, motDePasse);
        std::vector<std::string> textes;
        for (const BoiteVue& vue : boites.Vues())
        {
            textes.push_back(vue.texte);
            EXPECT_TRUE(vue.titre == "Vidalto" && vue.iconeExclamation);
        }
        EXPECT_EQ(textes, c.boites);
        EXPECT_TRUE(fenetre.m_codes.empty() && fenetre.m_textes.empty());
    }
}

// The password texts do not outlive their dialog, nor the main window's the window.
TEST(Passe, LesMotsDePasseSontEffacesQuandLeurPorteurDisparait)
{
    alignas(CPasse) unsigned char memoirePasse[sizeof(CPasse)];
    auto* passe = new (memoirePasse) CPasse;
    lstrcpyA(passe->m_motDePasse, "secret");
    lstrcpyA(passe->m_confirmation, "secret");
    const auto* motDePasse = reinterpret_cast<const unsigned char*>(passe->m_motDePasse);
    const auto* confirmation = reinterpret_cast<const unsigned char*>(passe->m_confirmation);
    passe->~CPasse();
    EXPECT_EQ(std::string(motDePasse, motDePasse + 6) + std::string(confirmation, confirmation + 6),
              std::string(12, '\0'));

    alignas(CFenetreEssai) unsigned char memoireFenetre[sizeof(CFenetreEssai)];
    auto* fenetre = new (memoireFenetre) CFenetreEssai;
    lstrcpyW(fenetre->m_motDePasseCompte, L"secret");
    const auto* compte = reinterpret_cast<const unsigned char*>(fenetre->m_motDePasseCompte);
    fenetre->~CFenetreEssai();
    EXPECT_EQ(std::string(compte, compte + 12), std::string(12, '\0'));
}

// A text is converted whole or not at all: a password cut short would lock the recording out.
TEST(Passe, UnTexteQuiNeTientPasEstRefuseEtVide)
{
    wchar_t tampon[4] = L"xyz";
    EXPECT_TRUE(VersLarge("abc", tampon, 4));
    EXPECT_STREQ(tampon, L"abc");
    EXPECT_FALSE(VersLarge("abcd", tampon, 4));
    EXPECT_STREQ(tampon, L"");
}
