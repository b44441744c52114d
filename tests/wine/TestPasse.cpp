// The account step with the real "Mot de passe" dialog, driven as a user drives it, at the end of
// an add in the main window over Wine's real Task Scheduler (whose account is recorded on its way
// there: Wine keeps none).

#include "AideTaches.h"
#include "PannesImports.h"

#include "tasks/Commandes.h"
#include "tasks/Passe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string_view>
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

std::string Texte(HWND d, int id)
{
    return TexteFenetre(GetDlgItem(d, id));
}

// The button clicked; a dialog that ends leaves nothing in its password fields.
void Clic(HWND d, int bouton)
{
    SendMessageA(d, WM_COMMAND, MAKEWPARAM(bouton, BN_CLICKED), 0);
    EXPECT_TRUE(IsWindowVisible(d) || Texte(d, IDC_MOT_DE_PASSE) + Texte(d, IDC_CONFIRMATION) == "");
}

Script Remplir(const std::string& compte, const std::string& motDePasse, const std::string& confirmation)
{
    return [=](HWND d) {
        SetDlgItemTextA(d, IDC_COMPTE, compte.c_str());
        SetDlgItemTextA(d, IDC_MOT_DE_PASSE, motDePasse.c_str());
        SetDlgItemTextA(d, IDC_CONFIRMATION, confirmation.c_str());
        Clic(d, IDOK);
    };
}

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
    Remplir("SALON\\marc", "abc", "ABC")(d);
    EXPECT_EQ(Texte(d, IDC_COMPTE) + Texte(d, IDC_MOT_DE_PASSE) + Texte(d, IDC_CONFIRMATION), "SALON\\marc");
    Remplir("SALON\\marc", "abc", "abc")(d);
}

// Over 259 characters: refused whole, the dialog still open; "&Annuler" then cancels it.
void TropLong(HWND d)
{
    Remplir(std::string(260, 'x'), "", "")(d);
    Remplir("", std::string(260, 'x'), "x")(d);
    Clic(d, IDCANCEL);
}
} // namespace

// What the user confirms is what the scheduler gets, and the work item is saved with it; a
// cancelled step saves nothing and leaves nothing.
TEST(Passe, LeCompteConfirmeVaAuPlanificateurEtRienDAutre)
{
    const std::string p259(259, 'p'), trop = MESSAGE_COMPTE_TROP_LONG;
    const auto& [ordinateur, utilisateur] = NOMS;
    // The name the system fails to give; the account handed to the scheduler and its password (an
    // empty account: the step cancelled), the boxes shown.
    const std::tuple<const char*, std::string, std::string, std::vector<std::string>, Script> cas[] = {
        {"", ordinateur + "\\" + utilisateur, "", {}, Entree},
        {"GetComputerNameA", "\\" + utilisateur, "", {}, Entree},
        {"GetUserNameA", ordinateur + "\\", "", {}, Entree},
        {"", "SALON\\marc", "Secret é", {}, Remplir("SALON\\marc", "Secret é", "Secret é")},
        {"", "autre", p259, {}, Remplir("autre", p259, p259)},
        {"", "SALON\\marc", "abc", {MESSAGE_CONFIRMATION}, Reprise},
        {"", "", "", {trop, trop}, TropLong}};
    for (const auto& [sansNom, compte, motDePasse, textes, geste] : cas)
    {
        SCOPED_TRACE(compte + " " + motDePasse);
        SupprimerTacheReelle(L"Passe");
        const auto pannes = std::make_shared<CPannes>();
        pannes->InjecterEchec(sansNom, E_FAIL);
        CFenetreEssai fenetre;
        fenetre.Injecter(pannes);
        CBoitesMessage boites;
        {
            const CDetourImports detour(*pannes);
            LancerFenetre(fenetre, [&](CFenetreEssai& f) {
                Commande(f, IDOK, -1, {Enregistrer({"Passe"}), geste});
            });
        }
        // Code page 1252 and UTF-16 agree on these texts' characters (é: 0xE9, U+00E9).
        const auto& enregistre = pannes->m_comptes[L"Passe"];
        EXPECT_EQ(VersEtroit(enregistre.first) + "|" + VersEtroit(enregistre.second),
                  compte + "|" + motDePasse);
        EXPECT_EQ(LireTacheReelle(L"Passe").trouvee, !compte.empty());
        std::vector<std::string> vues, attendues;
        for (const BoiteVue& vue : boites.m_vues)
            vues.push_back(vue.titre + (vue.iconeExclamation ? " (!) " : " ") + vue.texte);
        for (const std::string& texte : textes)
            attendues.push_back("Vidalto (!) " + texte);
        EXPECT_EQ(vues, attendues);
    }
}

// Where a password stays in the program's memory once an add with its companion is over: the
// whole address space read for it, in the code page and in UTF-16. Not in the main window, which
// keeps it only for the command's time; the copies found elsewhere are printed, with the module or
// the private block they lie in.
TEST(Passe, LeMotDePasseNeResteQueLeTempsDeSaCommande)
{
    char motDePasse[32];
    std::snprintf(motDePasse, sizeof motDePasse, "Vid%08lXalto", GetTickCount() ^ 0x5A5A5A5AUL);
    CFenetreEssai fenetre;
    Saisie demain("Memoire");
    demain.date = demain.heure = Jour(1, 20, 0);
    demain.arreter = true;
    LancerFenetre(fenetre, [&](CFenetreEssai& f) {
        Commande(f, IDOK, -1, {Enregistrer(demain), Confirmer(motDePasse)});
    });
    const std::string ansi = motDePasse;
    const std::wstring large(ansi.begin(), ansi.end());
    SecureZeroMemory(motDePasse, sizeof motDePasse);
    const auto* fenetreDebut = reinterpret_cast<const char*>(&fenetre);
    std::vector<std::string> copies;
    MEMORY_BASIC_INFORMATION zone = {};
    for (const char* p = nullptr; VirtualQuery(p, &zone, sizeof zone) == sizeof zone;
         p = static_cast<const char*>(zone.BaseAddress) + zone.RegionSize)
    {
        const DWORD lisible = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                              PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
        if (zone.State != MEM_COMMIT || (zone.Protect & lisible) == 0 || (zone.Protect & PAGE_GUARD) != 0)
            continue;
        const std::string_view octets(static_cast<const char*>(zone.BaseAddress), zone.RegionSize);
        for (const auto& [forme, aiguille] :
             {std::pair<const char*, std::string_view>{"ANSI", ansi},
              {"UTF-16", {reinterpret_cast<const char*>(large.data()), large.size() * sizeof(wchar_t)}}})
            for (std::size_t i = octets.find(aiguille); i != std::string_view::npos;
                 i = octets.find(aiguille, i + 1))
            {
                const char* copie = octets.data() + i;
                if (copie == ansi.data() || copie == reinterpret_cast<const char*>(large.data()))
                    continue;
                EXPECT_FALSE(copie >= fenetreDebut && copie < fenetreDebut + sizeof fenetre) << forme;
                char module[MAX_PATH] = "private block";
                if (zone.Type == MEM_IMAGE)
                    GetModuleFileNameA(static_cast<HMODULE>(zone.AllocationBase), module, MAX_PATH);
                char ligne[MAX_PATH + 64];
                std::snprintf(ligne, sizeof ligne, "%s at %p, in %s from %p", forme,
                              static_cast<const void*>(copie), module, zone.AllocationBase);
                copies.emplace_back(ligne);
            }
    }
    std::printf("Copies of the password left in memory after the add: %u\n",
                static_cast<unsigned>(copies.size()));
    for (const std::string& copie : copies)
        std::printf("  %s\n", copie.c_str());
    EXPECT_TRUE(LireTacheReelle(L"Memoire").trouvee && LireTacheReelle(NOM_TACHE_ARRET).trouvee);
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
