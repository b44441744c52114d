// The account step with the real "Mot de passe" dialog, driven by messages, on a work item of
// Wine's real Task Scheduler (whose account is recorded on its way there: Wine keeps none).

#include "AideTaches.h"
#include "PannesImports.h"

#include "framework/Controles.h"
#include "tasks/Commandes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace
{
using Geste = std::function<void(HWND dialogue)>;

// This computer's name and the user's.
const std::pair<std::string, std::string> NOMS = [] {
    char ordinateur[260] = {}, utilisateur[260] = {};
    DWORD tailles[] = {sizeof ordinateur, sizeof utilisateur};
    GetComputerNameA(ordinateur, &tailles[0]);
    GetUserNameA(utilisateur, &tailles[1]);
    return std::make_pair(std::string(ordinateur), std::string(utilisateur));
}();

Geste Remplir(const std::string& compte, const std::string& motDePasse, const std::string& confirmation)
{
    return [=](HWND d) {
        SetDlgItemTextA(d, IDC_COMPTE, compte.c_str());
        SetDlgItemTextA(d, IDC_MOT_DE_PASSE, motDePasse.c_str());
        SetDlgItemTextA(d, IDC_CONFIRMATION, confirmation.c_str());
        SendDlgItemMessageA(d, IDOK, BM_CLICK, 0, 0);
    };
}

const auto Texte = [](HWND d, int id) { return TexteFenetre(GetDlgItem(d, id)); };

// Enter at once: the proposed account with an empty password.
void Entree(HWND d)
{
    EXPECT_EQ(GetFocus(), GetDlgItem(d, IDOK));
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
}

// A mismatch empties both passwords and keeps the account; the retry succeeds.
void Reprise(HWND d)
{
    Remplir("SALON\\marc", "abc", "ABC")(d);
    EXPECT_EQ(Texte(d, IDC_COMPTE) + Texte(d, IDC_MOT_DE_PASSE) + Texte(d, IDC_CONFIRMATION), "SALON\\marc");
    Remplir("SALON\\marc", "abc", "abc")(d);
}

// Over 259 characters: refused whole, the dialog still open; Escape then cancels it.
void TropLong(HWND d)
{
    Remplir(std::string(260, 'x'), "", "")(d);
    Remplir("", std::string(260, 'x'), "")(d);
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
}
} // namespace

TEST(Passe, LeCompteConfirmeVaAuPlanificateurEtRienDAutre)
{
    const std::string p259(259, 'p'), trop = MESSAGE_COMPTE_TROP_LONG;
    const auto& [ordinateur, utilisateur] = NOMS;
    // The name the system fails to give; the result, the account handed to the scheduler and the
    // password kept, the boxes shown.
    const std::tuple<const char*, HRESULT, std::string, std::string, std::vector<std::string>, Geste> cas[] =
        {{"", S_OK, ordinateur + "\\" + utilisateur, "", {}, Entree},
         {"GetComputerNameA", S_OK, "\\" + utilisateur, "", {}, Entree},
         {"GetUserNameA", S_OK, ordinateur + "\\", "", {}, Entree},
         {"", S_OK, "SALON\\marc", "Secret é", {}, Remplir("SALON\\marc", "Secret é", "Secret é")},
         {"", S_OK, "", "x", {}, Remplir("", "x", "x")},
         {"", S_OK, "autre", p259, {}, Remplir("autre", p259, p259)},
         {"", S_OK, "SALON\\marc", "abc", {MESSAGE_CONFIRMATION}, Reprise},
         {"", COMPTE_ANNULE, "", "ancien", {trop, trop}, TropLong}};
    ASSERT_TRUE(CreerEnregistrement(L"Passe"));
    for (const auto& [sansNom, resultat, compteAttendu, motDePasse, textes, geste] : cas)
    {
        SCOPED_TRACE(compteAttendu + " " + motDePasse);
        const auto pannes = std::make_shared<CPannes>();
        pannes->InjecterEchec(sansNom, E_FAIL);
        std::unique_ptr<CPlanificateur> planificateur;
        std::unique_ptr<CTache> tache;
        std::unique_ptr<CPersistance> persistance;
        CreerPlanificateurPanne(pannes, planificateur);
        planificateur->Activer(L"Passe", tache);
        ASSERT_TRUE(tache && SUCCEEDED(tache->ObtenirPersistance(persistance)));
        CInterlocuteurEssai fenetre;
        fenetre.m_passe = [&](CPasse& passe) {
            // A dialog that the gesture left open is then closed, as cancelled.
            ProgrammerScriptMontre([&](CDialogue& d) {
                EXPECT_EQ(TexteFenetre(d.Fenetre()), "Mot de passe");
                geste(d.Fenetre());
                PostMessageA(d.Fenetre(), WM_CLOSE, 0, 0);
            });
            return passe.DoModal();
        };
        wchar_t motDePasseCompte[TAILLE_TAMPON] = L"ancien";
        std::wstring compte;
        CBoitesMessage boites;
        {
            const CDetourImports detour(*pannes);
            EXPECT_EQ(DefinirCompte(*tache, *persistance, fenetre, motDePasseCompte, compte), resultat);
        }

        // Code page 1252 and UTF-16 agree on these texts' characters (é: 0xE9, U+00E9).
        const bool confirme = SUCCEEDED(resultat);
        const auto& enregistre = pannes->m_comptes[L"Passe"];
        EXPECT_EQ(VersEtroit(enregistre.first), compteAttendu);
        EXPECT_EQ(VersEtroit(enregistre.second), confirme ? motDePasse : "");
        const auto& journal = pannes->Journal();
        EXPECT_EQ(std::count(journal.begin(), journal.end(), "Save"), confirme ? 1 : 0);
        EXPECT_EQ(VersEtroit(motDePasseCompte), motDePasse);
        std::vector<std::string> vues, attendues;
        for (const BoiteVue& vue : boites.Vues())
            vues.push_back(vue.titre + (vue.iconeExclamation ? " (!) " : " ") + vue.texte);
        for (const std::string& texte : textes)
            attendues.push_back("Vidalto (!) " + texte);
        EXPECT_EQ(vues, attendues);
        EXPECT_TRUE(fenetre.m_codes.empty() && fenetre.m_textes.empty());
    }
}

// The password texts do not outlive their dialog, nor the main window's the window.
TEST(Passe, LesMotsDePasseSontEffacesQuandLeurPorteurDisparait)
{
    alignas(CPasse) unsigned char memoirePasse[sizeof(CPasse)];
    alignas(CFenetreEssai) unsigned char memoireFenetre[sizeof(CFenetreEssai)];
    auto* passe = new (memoirePasse) CPasse;
    auto* fenetre = new (memoireFenetre) CFenetreEssai;
    lstrcpyA(passe->m_motDePasse, "secret");
    lstrcpyA(passe->m_confirmation, "secret");
    lstrcpyW(fenetre->m_motDePasseCompte, L"secret");
    const void* textes[] = {passe->m_motDePasse, passe->m_confirmation, fenetre->m_motDePasseCompte};
    passe->~CPasse();
    fenetre->~CFenetreEssai();
    for (const void* texte : textes)
        EXPECT_EQ(std::string(static_cast<const char*>(texte), 6), std::string(6, '\0'));
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
