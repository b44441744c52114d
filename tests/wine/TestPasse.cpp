// The account step with the real "Mot de passe" dialog, driven by messages; the work item is
// in the in-memory store, which keeps the account it is given (Wine's scheduler does not).

#include "AideTaches.h"
#include "BoitesMessage.h"

#include "framework/Controles.h"
#include "tasks/Commandes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace
{
using Geste = std::function<void(HWND dialogue)>;

// What the user ends up with after one account step.
struct Issue
{
    HRESULT resultat = S_OK;
    std::wstring compte;     // handed to the scheduler
    std::wstring motDePasse; // handed to the scheduler
    std::wstring motDePasseCompte;
    int enregistrements = 0;
    std::vector<BoiteVue> boites;
};

std::string Proposition()
{
    char ordinateur[260] = {}, utilisateur[260] = {};
    DWORD taille = sizeof ordinateur;
    GetComputerNameA(ordinateur, &taille);
    taille = sizeof utilisateur;
    GetUserNameA(utilisateur, &taille);
    return std::string(ordinateur) + "\\" + utilisateur;
}

void Saisir(HWND d, int id, const std::string& texte)
{
    SetDlgItemTextA(d, id, texte.c_str());
}

void Ok(HWND d)
{
    SendMessageA(GetDlgItem(d, IDOK), BM_CLICK, 0, 0);
}

// A dialog that a gesture left open is ended after a while, so that the test goes on.
HWND g_ouvert = nullptr;
void CALLBACK Abandonner(HWND /*fenetre*/, UINT /*message*/, UINT_PTR minuterie, DWORD /*heure*/)
{
    KillTimer(nullptr, minuterie);
    if (g_ouvert != nullptr && IsWindowVisible(g_ouvert))
        EndDialog(g_ouvert, IDABORT);
}

// Runs the account step on a work item of the in-memory store; `geste` drives the dialog once
// it is shown and must end it, at once or through the messages it posts.
Issue Etape(const Geste& geste)
{
    CPlanificateurMemoire memoire;
    std::unique_ptr<CTache> tache;
    std::unique_ptr<CPersistance> persistance;
    EXPECT_EQ(memoire.NouvelleTache(L"Passe", tache), S_OK);
    EXPECT_EQ(memoire.AjouterTache(L"Passe", *tache), S_OK);
    EXPECT_EQ(tache->ObtenirPersistance(persistance), S_OK);

    CInterlocuteurEssai fenetre;
    INT_PTR fin = 0;
    fenetre.m_passe = [&](CPasse& passe) {
        ProgrammerScriptMontre([&](CDialogue& d) {
            geste(d.Fenetre());
            g_ouvert = d.Fenetre();
            SetTimer(nullptr, 0, 3000, &Abandonner);
        });
        fin = passe.DoModal();
        g_ouvert = nullptr;
        return fin;
    };
    wchar_t motDePasseCompte[TAILLE_TAMPON] = L"ancien";
    std::wstring compte;
    Issue issue;
    {
        CBoitesMessage boites;
        issue.resultat = DefinirCompte(*tache, *persistance, fenetre, motDePasseCompte, compte);
        issue.boites = boites.Vues();
    }
    EXPECT_NE(fin, IDABORT) << "the dialog was left open";
    EXPECT_TRUE(fenetre.m_codes.empty() && fenetre.m_textes.empty());
    const TacheStockee* stockee = memoire.Trouver(L"Passe");
    issue.compte = stockee->compte;
    issue.motDePasse = stockee->motDePasse;
    issue.enregistrements = stockee->enregistrements;
    issue.motDePasseCompte = motDePasseCompte;
    return issue;
}

std::wstring Large(const std::string& texte)
{
    return std::wstring(texte.begin(), texte.end());
}
} // namespace

TEST(Passe, EntreeAccepteLeCompteProposeAvecUnMotDePasseVide)
{
    const Issue issue = Etape([](HWND d) {
        EXPECT_EQ(TexteFenetre(d), "Mot de passe");
        EXPECT_EQ(GetFocus(), GetDlgItem(d, IDOK));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d, IDOK)));
        EXPECT_EQ(TexteFenetre(GetDlgItem(d, IDC_COMPTE)), Proposition());
        EXPECT_EQ(GetWindowTextLengthA(GetDlgItem(d, IDC_MOT_DE_PASSE)), 0);
        EXPECT_EQ(GetWindowTextLengthA(GetDlgItem(d, IDC_CONFIRMATION)), 0);
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
    });
    EXPECT_EQ(issue.resultat, S_OK);
    EXPECT_EQ(issue.compte, Large(Proposition()));
    EXPECT_EQ(issue.motDePasse, L"");
    EXPECT_EQ(issue.motDePasseCompte, L"");
    EXPECT_EQ(issue.enregistrements, 1);
    EXPECT_TRUE(issue.boites.empty());
}

TEST(Passe, LeCompteEtLeMotDePasseSontPassesTelsQuelsAuPlanificateur)
{
    struct Cas
    {
        std::string compte, motDePasse;
    };
    for (const Cas& c : {Cas{"SALON\\marc", "Secret é"}, Cas{"", "x"}, Cas{"autre", std::string(259, 'p')}})
    {
        const Issue issue = Etape([&](HWND d) {
            Saisir(d, IDC_COMPTE, c.compte);
            Saisir(d, IDC_MOT_DE_PASSE, c.motDePasse);
            Saisir(d, IDC_CONFIRMATION, c.motDePasse);
            Ok(d);
        });
        EXPECT_EQ(issue.resultat, S_OK);
        EXPECT_EQ(issue.compte, Large(c.compte));
        std::wstring large(TAILLE_TAMPON, L'\0');
        large.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, c.motDePasse.c_str(), -1, &large[0], TAILLE_TAMPON) - 1));
        EXPECT_EQ(issue.motDePasse, large);
        EXPECT_EQ(issue.motDePasseCompte, large);
    }
}

TEST(Passe, DesMotsDePasseDifferentsSontRefusesEtLeDialogueResteOuvert)
{
    // The mismatch empties both password fields, keeps the account, and the retry succeeds.
    const Issue reprise = Etape([](HWND d) {
        Saisir(d, IDC_COMPTE, "SALON\\marc");
        Saisir(d, IDC_MOT_DE_PASSE, "abc");
        Saisir(d, IDC_CONFIRMATION, "ABC");
        Ok(d);
        EXPECT_TRUE(IsWindowVisible(d));
        EXPECT_EQ(TexteFenetre(GetDlgItem(d, IDC_COMPTE)), "SALON\\marc");
        EXPECT_EQ(GetWindowTextLengthA(GetDlgItem(d, IDC_MOT_DE_PASSE)), 0);
        EXPECT_EQ(GetWindowTextLengthA(GetDlgItem(d, IDC_CONFIRMATION)), 0);
        Saisir(d, IDC_MOT_DE_PASSE, "abc");
        Saisir(d, IDC_CONFIRMATION, "abc");
        Ok(d);
    });
    EXPECT_EQ(reprise.resultat, S_OK);
    EXPECT_EQ(reprise.compte, L"SALON\\marc");
    EXPECT_EQ(reprise.motDePasse, L"abc");
    ASSERT_EQ(reprise.boites.size(), 1u);
    EXPECT_EQ(reprise.boites[0].texte, MESSAGE_CONFIRMATION);
    EXPECT_EQ(reprise.boites[0].titre, "Vidalto");
    EXPECT_TRUE(reprise.boites[0].iconeExclamation);

    // A text longer than 259 characters is refused whole, the dialog open, nothing converted.
    for (const int id : {IDC_COMPTE, IDC_MOT_DE_PASSE})
    {
        const Issue long_ = Etape([id](HWND d) {
            Saisir(d, id, std::string(260, 'x'));
            Ok(d);
            EXPECT_TRUE(IsWindowVisible(d));
            PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(long_.resultat, COMPTE_ANNULE);
        ASSERT_EQ(long_.boites.size(), 1u);
        EXPECT_EQ(long_.boites[0].texte, MESSAGE_COMPTE_TROP_LONG);
        EXPECT_EQ(long_.motDePasseCompte, L"ancien");
    }
}

TEST(Passe, AnnulerNeLitRienNiNEnregistreRien)
{
    const Geste gestes[] = {
        [](HWND /*d*/) { PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1); },
        [](HWND d) { PostMessageA(d, WM_CLOSE, 0, 0); },
        [](HWND d) { SendMessageA(GetDlgItem(d, IDCANCEL), BM_CLICK, 0, 0); },
        // After a mismatch, no further box.
        [](HWND d) {
            Saisir(d, IDC_MOT_DE_PASSE, "a");
            Ok(d);
            Saisir(d, IDC_MOT_DE_PASSE, "b");
            Saisir(d, IDC_CONFIRMATION, "b");
            SendMessageA(GetDlgItem(d, IDCANCEL), BM_CLICK, 0, 0);
        },
    };
    for (const Geste& geste : gestes)
    {
        const Issue issue = Etape(geste);
        EXPECT_EQ(issue.resultat, COMPTE_ANNULE);
        EXPECT_EQ(issue.compte, L"");
        EXPECT_EQ(issue.enregistrements, 0);
        EXPECT_EQ(issue.motDePasseCompte, L"ancien");
        EXPECT_LE(issue.boites.size(), 1u);
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
