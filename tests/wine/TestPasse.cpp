// The account step with the real "Mot de passe" dialog, driven as a user drives it, at the end of
// an add in the main window over Wine's real Task Scheduler (whose account is recorded on its way
// there: Wine keeps none).

#include "AideTaches.h"
#include "PannesImports.h"

#include "mainwindow/Passe.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <tuple>

namespace
{
// This computer's name and the user's.
const std::pair<std::string, std::string> NOMS = [] {
    char ordinateur[260] = {}, utilisateur[260] = {};
    DWORD tailles[] = {sizeof ordinateur, sizeof utilisateur};
    GetComputerNameA(ordinateur, &tailles[0]);
    GetUserNameA(utilisateur, &tailles[1]);
    return std::make_pair(std::string(ordinateur), std::string(utilisateur));
}();

// Enter at once: the proposed account with an empty password, both fields hiding what is typed.
void Entree(HWND d)
{
    EXPECT_EQ(GetFocus(), GetDlgItem(d, IDOK));
    for (const int id : {IDC_MOT_DE_PASSE, IDC_CONFIRMATION})
        EXPECT_NE(SendDlgItemMessageA(d, id, EM_GETPASSWORDCHAR, 0, 0), 0);
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
}

// A mismatch empties both passwords and keeps the account; the retry succeeds.
void Reprise(HWND d)
{
    Confirmer("abc", "SALON\\marc", "ABC")(d);
    EXPECT_EQ(Texte(d, {IDC_COMPTE, IDC_MOT_DE_PASSE, IDC_CONFIRMATION}), "SALON\\marc  ");
    Confirmer("abc")(d);
}

// Over 259 characters: refused whole, the dialog still open; "&Annuler" then cancels it, its
// fields emptied.
void TropLong(HWND d)
{
    Confirmer("", std::string(260, 'x'))(d);
    Confirmer(std::string(260, 'x'), "SALON\\marc", "x")(d);
    Cliquer(d, IDCANCEL);
    EXPECT_EQ(Texte(d, {IDC_MOT_DE_PASSE, IDC_CONFIRMATION}), " ");
}
} // namespace

// What the user confirms is what the scheduler gets, and the work item is saved with it; a
// cancelled step saves nothing and leaves nothing.
TEST(Passe, LeCompteConfirmeVaAuPlanificateurEtRienDAutre)
{
    const std::string p259(259, 'p'), trop = "Vidalto (!) " + std::string(MESSAGE_COMPTE_TROP_LONG);
    const auto& [ordinateur, utilisateur] = NOMS;
    // The name the system fails to give; the account handed to the scheduler and its password (an
    // empty account: the step cancelled), the boxes shown.
    const std::tuple<const char*, std::string, std::string, std::vector<std::string>, Script> cas[] = {
        {"", ordinateur + "\\" + utilisateur, "", {}, Entree},
        {"GetComputerNameA", "\\" + utilisateur, "", {}, Entree},
        {"GetUserNameA", ordinateur + "\\", "", {}, Entree},
        {"", "SALON\\marc", "Secret é", {}, Confirmer("Secret é", "SALON\\marc")},
        {"", "autre", p259, {}, Confirmer(p259, "autre")},
        {"", "SALON\\marc", "abc", {"Vidalto (!) " + std::string(MESSAGE_CONFIRMATION)}, Reprise},
        {"", "", "", {trop, trop}, TropLong}};
    for (const auto& [sansNom, compte, motDePasse, textes, geste] : cas)
    {
        SCOPED_TRACE(compte + " " + motDePasse);
        SupprimerTacheReelle(L"Passe");
        const auto pannes = std::make_shared<CPannes>();
        pannes->InjecterEchec(sansNom, E_FAIL);
        std::vector<std::string> vues;
        {
            const CDetourImports detour(*pannes);
            Demarrer(pannes, [&, geste = geste](CFenetreEssai& f) {
                const CBoitesMessage boites;
                Commande(f, IDOK, -1, {Enregistrer({"Passe"}), geste});
                vues = boites.m_vues;
            });
        }
        // Code page 1252 and UTF-16 agree on these texts' characters (é: 0xE9, U+00E9).
        const auto& enregistre = pannes->m_comptes[L"Passe"];
        EXPECT_EQ(VersEtroit(enregistre.first), compte);
        EXPECT_EQ(VersEtroit(enregistre.second), motDePasse);
        EXPECT_EQ(LireTacheReelle(L"Passe").trouvee, !compte.empty());
        EXPECT_EQ(vues, textes);
    }
}

// The password's owner writes it over when it goes.
TEST(Passe, LeSecretSEffaceEnPartant)
{
    alignas(CSecret<char>) unsigned char place[sizeof(CSecret<char>)];
    std::memset(place, 0x55, sizeof place);
    auto* secret = new (place) CSecret<char>;
    std::strcpy(secret->Tampon(), "abc");
    secret->~CSecret();
    // Read as the memory it was, the object gone.
    const volatile unsigned char* memoire = place;
    EXPECT_THAT(std::vector<unsigned char>(memoire, memoire + sizeof place), testing::Each(0));
}
