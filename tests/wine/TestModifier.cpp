// "&Editer" and "&Supprimer" in the main window over Wine's real Task Scheduler, through the
// editor and the password dialog: which work item each acts on, and what each leaves after each
// of its scheduler calls failed once.

#include "AideTaches.h"

#include "tasks/Commandes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
// A recording as the store has it, or as the editor below changed it.
std::wstring Parametres(const std::string& nom, bool modifie)
{
    return (modifie ? L" -c5 -ntod -startr:" : L" -c2 -ntod -startr:") +
           std::wstring(nom.begin(), nom.end()) +
           (modifie ? L".mpg -qvcd -limit:1800" : L".mpg -qvcd -limit:5400");
}

// Three recordings A, B and C, and a companion without parameters, in the store.
void Preparer(CFenetreEssai&)
{
    for (const wchar_t* nom : {L"A", L"B", L"C"})
        CreerEnregistrement(nom);
    CreerTacheReelle({NOM_TACHE_ARRET, L"", L"", L"", {}});
}
} // namespace

// "&Editer" and "&Supprimer" act on the middle row only (on none without a selection), each of
// their scheduler calls failed once: that work item is as it was, or (when only the row's refresh
// failed) as edited, with its one trigger, or deleted; the others and the companion stay as they
// were; the rows stay in step with their names. The editor opens with the file name, minutes and
// channel row of the recording, and is changed to row 4 for 30 minutes.
TEST(ModifierPanne, ChaqueAppelEchoueUneFois)
{
    for (const int bouton : {IDC_EDITER, IDC_SUPPRIMER})
    {
        std::string cible, lu;
        const Script editer = [&lu](HWND d) {
            lu = TexteFenetre(GetDlgItem(d, IDC_FICHIER)) + " " + TexteFenetre(GetDlgItem(d, IDC_MINUTES)) +
                 " " + std::to_string(SendDlgItemMessageA(d, IDC_CHAINES, LB_GETCURSEL, 0, 0));
            Saisie s;
            s.minutes = "30";
            s.chaine = 4;
            Enregistrer(s)(d);
        };
        const std::size_t appels = ChaqueAppelEchoue(
            Preparer,
            [&](CFenetreEssai& f) {
                lu.clear();
                Commande(f, bouton);
                ASSERT_EQ(f.Noms().size(), 3u);
                cible = f.Noms()[1];
                Commande(f, bouton, 1, {editer, Confirmer("secret", "SALON\\marc")});
            },
            {"GetNextRunTime", "GetComment"},
            [&](const Panne& panne, const CPannes& pannes, CFenetreEssai& fenetre) {
                const bool supprimee = bouton == IDC_SUPPRIMER && panne.operation.empty();
                const bool modifiee = bouton == IDC_EDITER && panne.muet;
                if (panne.operation.empty() && bouton == IDC_EDITER)
                {
                    EXPECT_EQ(lu, cible + " 90 1");
                }
                std::vector<std::string> lues, attendues, noms = fenetre.Noms();
                for (const auto& ligne : LireLignes(fenetre))
                    lues.push_back(ligne[0] + " " + ligne[4]);
                for (const std::string& nom : noms)
                    attendues.push_back(nom + ".mpg " + (nom == cible && modifiee ? "00:30:00" : "01:30:00"));
                EXPECT_EQ(lues, attendues);
                std::sort(noms.begin(), noms.end());
                EXPECT_EQ(noms.size(), supprimee ? 2u : 3u);
                for (const std::string nom : {"A", "B", "C"})
                {
                    const std::wstring large(nom.begin(), nom.end());
                    const TacheLue t = LireTacheReelle(large);
                    const bool ciblee = nom == cible;
                    EXPECT_EQ(t.trouvee, !(ciblee && supprimee)) << nom;
                    EXPECT_EQ(std::count(noms.begin(), noms.end(), nom), t.trouvee ? 1 : 0) << nom;
                    if (t.trouvee)
                    {
                        EXPECT_EQ(t.parametres, Parametres(nom, ciblee && modifiee));
                        EXPECT_EQ(t.declencheurs, 1);
                        EXPECT_EQ(pannes.m_comptes.count(large), ciblee && modifiee ? 1u : 0u);
                    }
                }
                EXPECT_TRUE(LireTacheReelle(NOM_TACHE_ARRET).trouvee);
            });
        EXPECT_GE(appels, bouton == IDC_EDITER ? 10u : 1u);
    }
}
