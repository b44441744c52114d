// "&Editer" and "&Supprimer" in the main window over Wine's real Task Scheduler, the editor and
// the password dialog answered in their place: which work item each acts on, and what each leaves
// after each of its scheduler calls failed once.

#include "AideTaches.h"

#include "editor/Edition.h"
#include "tasks/Commandes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
const std::wstring AVANT = L" -c2 -ntod -startr:B.mpg -qvcd -limit:5400";
const std::wstring APRES = L" -c5 -ntod -startr:B.mpg -qvcd -limit:1800";

// Three recordings A, B and C in the store; the editor (which notes the file name, minutes
// and channel row it opens with) changes the channel to row 4 and the length to 30 minutes;
// the account step confirms SALON\marc.
void Preparer(CFenetreEssai& fenetre, std::vector<std::string>* lus = nullptr)
{
    for (const wchar_t* nom : {L"A", L"B", L"C"})
        CreerEnregistrement(nom);
    fenetre.m_passe = Confirmer("SALON\\marc", "secret");
    fenetre.m_editeur = [lus](CEdition& edition) -> INT_PTR {
        if (lus != nullptr)
            lus->push_back(edition.m_fichier + " " + edition.m_minutes + " " +
                           std::to_string(edition.m_chaine));
        edition.m_minutes = "30";
        edition.m_chaine = 4;
        edition.CalculerFin();
        return IDOK;
    };
}

// The row of that work item.
int Ligne(const CFenetreEssai& f, const std::string& nom)
{
    const auto& noms = f.m_nomsTaches;
    return static_cast<int>(std::find(noms.begin(), noms.end(), nom) - noms.begin());
}

void Commande(CFenetreEssai& f, int bouton, int ligne)
{
    Selectionner(f.Controle(IDC_LISTE), ligne);
    Cliquer(f, bouton);
}
} // namespace

TEST(Modifier, EditerEtSupprimerAgissentSurLaLigneChoisie)
{
    SupprimerTachesReelles(L"");
    ASSERT_TRUE(CreerTacheReelle({NOM_TACHE_ARRET, L"", L"", L"", {}}));
    CFenetreEssai fenetre;
    std::vector<std::string> lus, restants;
    Preparer(fenetre, &lus);
    CBoitesMessage boites;
    LancerFenetre(fenetre, [&](CFenetreEssai& f) {
        // Without a selected row, nothing happens.
        for (const int bouton : {IDC_EDITER, IDC_SUPPRIMER})
            Cliquer(f, bouton);
        // The same work item rewritten; its row refreshed in place, the others untouched.
        Lignes attendues = LireLignes(f.m_liste);
        ASSERT_EQ(attendues.size(), 3u);
        const int b = Ligne(f, "B");
        Commande(f, IDC_EDITER, b);
        attendues[b][4] = "00:30:00";
        EXPECT_EQ(LireLignes(f.m_liste), attendues);
        EXPECT_EQ(LireTacheReelle(L"B").application, L"C:\\TV\\WinTV2K.EXE");
        // The row deleted is the one chosen, and its followers move up, by name and by text.
        // Deleting every row empties the list; the companion stays in the store.
        Commande(f, IDC_SUPPRIMER, b);
        attendues.erase(attendues.begin() + b);
        EXPECT_EQ(LireLignes(f.m_liste), attendues);
        restants = f.m_nomsTaches;
        Commande(f, IDC_EDITER, 0);
        Commande(f, IDC_EDITER, 1);
        Commande(f, IDC_SUPPRIMER, 1);
        Commande(f, IDC_SUPPRIMER, 0);
        EXPECT_EQ(f.m_liste.NombreLignes(), 0);
    });
    ASSERT_EQ(restants.size(), 2u);
    EXPECT_EQ(lus, (std::vector<std::string>{"B 90 1", restants[0] + " 90 1", restants[1] + " 90 1"}));
    for (const wchar_t* nom : {L"A", L"B", L"C"})
        EXPECT_FALSE(LireTacheReelle(nom).trouvee);
    EXPECT_TRUE(LireTacheReelle(NOM_TACHE_ARRET).trouvee);
    EXPECT_TRUE(boites.Vues().empty());
    SupprimerTachesReelles(L"");
}

// Each scheduler call of an edit and of a delete failed once: B is as it was, or (when only the
// row's refresh failed) as edited, with its one trigger; the rows and names stay in step with
// the store.
TEST(ModifierPanne, ChaqueAppelEchoueUneFois)
{
    for (const int bouton : {IDC_EDITER, IDC_SUPPRIMER})
    {
        const std::size_t appels = ChaqueAppelEchoue(
            [](CFenetreEssai& fenetre) { Preparer(fenetre); },
            [bouton](CFenetreEssai& f) { Commande(f, bouton, Ligne(f, "B")); },
            {"GetNextRunTime", "GetComment"},
            [bouton](const Panne& panne, const CPannes& pannes, CFenetreEssai& fenetre,
                     const Lignes& lignes) {
                const TacheLue b = LireTacheReelle(L"B");
                std::vector<std::string> noms = fenetre.m_nomsTaches;
                std::sort(noms.begin(), noms.end());
                if (bouton == IDC_SUPPRIMER && panne.operation.empty())
                {
                    EXPECT_FALSE(b.trouvee);
                    EXPECT_EQ(noms, (std::vector<std::string>{"A", "C"}));
                    return;
                }
                ASSERT_TRUE(b.trouvee);
                const bool modifiee = bouton == IDC_EDITER && panne.muet;
                EXPECT_EQ(b.parametres, modifiee ? APRES : AVANT);
                EXPECT_EQ(pannes.m_comptes.count(L"B"), modifiee ? 1u : 0u);
                EXPECT_EQ(b.declencheurs, 1);
                EXPECT_EQ(noms, (std::vector<std::string>{"A", "B", "C"}));
                ASSERT_EQ(lignes.size(), 3u);
                const auto& ligne = lignes[static_cast<std::size_t>(Ligne(fenetre, "B"))];
                EXPECT_EQ(ligne[0] + " " + ligne[4], modifiee ? "B.mpg 00:30:00" : "B.mpg 01:30:00");
            });
        EXPECT_GE(appels, bouton == IDC_EDITER ? 10u : 1u);
    }
    SupprimerTachesReelles(L"");
}

// A dialog that cannot show (DialogBoxParam gives -1) counts as cancelled: nothing is written,
// nothing is shown.
TEST(Modifier, UnDialogueQuiNePeutSAfficherEstAnnule)
{
    CBoitesMessage boites;
    for (const bool editeur : {true, false})
    {
        SupprimerTachesReelles(L"");
        CFenetreEssai fenetre;
        Preparer(fenetre);
        fenetre.m_editeur = [editeur](CEdition& edition) -> INT_PTR {
            edition.m_fichier = "Nouveau";
            return editeur ? -1 : IDOK;
        };
        fenetre.m_passe = [](CPasse&) -> INT_PTR { return -1; };
        LancerFenetre(fenetre, [](CFenetreEssai& f) {
            Cliquer(f, IDOK);
            Commande(f, IDC_EDITER, Ligne(f, "B"));
        });
        EXPECT_FALSE(LireTacheReelle(L"Nouveau").trouvee);
        EXPECT_EQ(LireTacheReelle(L"B").parametres, AVANT);
    }
    EXPECT_TRUE(boites.Vues().empty());
    SupprimerTachesReelles(L"");
}
