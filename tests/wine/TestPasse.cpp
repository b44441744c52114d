// The account step with the real "Mot de passe" dialog, driven as a user drives it, at the end of
// an add in the main window over Wine's real Task Scheduler (whose account is recorded on its way
// there: Wine keeps none).

#include "AideTaches.h"
#include "PannesImports.h"

#include "mainwindow/Passe.h"

#include <gtest/gtest.h>

#include <array>
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

namespace
{
// The password of the test below, only ever held masked by the test.
constexpr char CLE = 0x5A;
constexpr std::array<char, 8> Masquer(const char (&texte)[9])
{
    std::array<char, 8> masque = {};
    for (std::size_t i = 0; i < masque.size(); ++i)
        masque[i] = static_cast<char>(texte[i] ^ CLE);
    return masque;
}
constexpr std::array<char, 8> MASQUE = Masquer("Zq8!rT4w");

// Whether readable memory of this process holds the masked text, one byte every `pas` (1: in the
// code page, 2: in UTF-16, whose high bytes are then 0).
bool EnMemoire(std::size_t pas)
{
    MEMORY_BASIC_INFORMATION zone = {};
    for (auto* adresse = static_cast<const unsigned char*>(nullptr);
         VirtualQuery(adresse, &zone, sizeof zone) == sizeof zone;
         adresse = static_cast<const unsigned char*>(zone.BaseAddress) + zone.RegionSize)
    {
        const DWORD lisible = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                              PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
        if (zone.State != MEM_COMMIT || (zone.Protect & lisible) == 0 || (zone.Protect & PAGE_GUARD) != 0)
            continue;
        const auto* debut = static_cast<const unsigned char*>(zone.BaseAddress);
        for (std::size_t i = 0; i + MASQUE.size() * pas <= zone.RegionSize; ++i)
        {
            std::size_t n = 0;
            while (n < MASQUE.size() && (debut[i + n * pas] ^ CLE) == static_cast<unsigned char>(MASQUE[n]) &&
                   (pas == 1 || debut[i + n * pas + 1] == 0))
                ++n;
            if (n == MASQUE.size())
                return true;
        }
    }
    return false;
}
} // namespace

// Once an add with its companion is over, no copy of its password is left in the program's memory:
// neither the password dialog's fields and buffers nor the command's, in the code page or in
// UTF-16. The password is typed key by key, as the user types it.
TEST(Passe, AucuneCopieDuMotDePasseNeSurvitALaCommande)
{
    Saisie saisie("Secret");
    saisie.date = Jour(400);
    saisie.arreter = true;
    const Script taper = [](HWND d) {
        for (const int champ : {IDC_MOT_DE_PASSE, IDC_CONFIRMATION})
            for (const char masque : MASQUE)
                SendDlgItemMessageA(d, champ, WM_CHAR, static_cast<unsigned char>(masque ^ CLE), 1);
        Cliquer(d, IDOK);
    };
    Demarrer(nullptr, [&](CFenetreEssai& f) { Commande(f, IDOK, -1, {Enregistrer(saisie), taper}); });
    ASSERT_TRUE(LireTacheReelle(L"Shutdown").trouvee);
    EXPECT_FALSE(EnMemoire(1)) << "a copy in the code page";
    EXPECT_FALSE(EnMemoire(2)) << "a copy in UTF-16";
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
    std::size_t nuls = 0;
    for (std::size_t i = 0; i < sizeof place; ++i)
        nuls += memoire[i] == 0 ? 1 : 0;
    EXPECT_EQ(nuls, sizeof place);
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
