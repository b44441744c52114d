// "&Editer" and "&Supprimer" in the main window over the in-memory store, the editor and the
// password dialog answered in their place: which work item each acts on, and what each leaves
// after each of its scheduler calls failed once.

#include "AideTaches.h"

#include "editor/Edition.h"
#include "tasks/Commandes.h"

#include <gtest/gtest.h>

namespace
{
const std::wstring AVANT = L" -c2 -ntod -startr:B.mpg -qvcd -limit:5400";
const std::wstring APRES = L" -c5 -ntod -startr:B.mpg -qvcd -limit:1800";

// Three recordings A, B and C, listed C, B, A; the editor (which notes the file name, minutes
// and channel row it opens with) changes the channel to row 4 and the length to 30 minutes;
// the account step confirms SALON\marc.
void Preparer(CPlanificateurMemoire& memoire, CFenetreEssai& fenetre, std::vector<std::string>* lus = nullptr)
{
    for (const wchar_t* nom : {L"A", L"B", L"C"})
        memoire.Stocker(nom, EnregistrementMemoire(std::wstring(nom) + L".mpg"));
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

void Commande(CFenetreEssai& f, int bouton, int ligne)
{
    Selectionner(f.Controle(IDC_LISTE), ligne);
    Cliquer(f, bouton);
}
} // namespace

TEST(Modifier, EditerEtSupprimerAgissentSurLaLigneChoisie)
{
    CPlanificateurMemoire memoire;
    memoire.Stocker(NOM_TACHE_ARRET, TacheStockee{});
    CFenetreEssai fenetre;
    std::vector<std::string> lus;
    Preparer(memoire, fenetre, &lus);
    fenetre.Emprunter(memoire);
    CBoitesMessage boites;
    LancerFenetre(fenetre, [&](CFenetreEssai& f) {
        // Without a selected row, nothing happens.
        for (const int bouton : {IDC_EDITER, IDC_SUPPRIMER})
            Cliquer(f, bouton);
        // The same work item rewritten; its row refreshed in place, the others untouched.
        Lignes attendues = LireLignes(f.m_liste);
        ASSERT_EQ(attendues.size(), 3u);
        Commande(f, IDC_EDITER, 1);
        attendues[1][4] = "00:30:00";
        EXPECT_EQ(LireLignes(f.m_liste), attendues);
        EXPECT_EQ(memoire.Trouver(L"B")->application, L"C:\\TV\\WinTV2K.EXE");
        // The row deleted is the one chosen, and its followers move up: rows 0 and 1 are then C's
        // and A's, by name and by text. Deleting every row empties the list; the companion stays
        // in the store.
        Commande(f, IDC_SUPPRIMER, 1);
        Commande(f, IDC_EDITER, 0);
        Commande(f, IDC_EDITER, 1);
        Commande(f, IDC_SUPPRIMER, 1);
        Commande(f, IDC_SUPPRIMER, 0);
        EXPECT_EQ(f.m_liste.NombreLignes(), 0);
    });
    EXPECT_EQ(lus, (std::vector<std::string>{"B 90 1", "C 90 1", "A 90 1"}));
    EXPECT_EQ(memoire.Noms(), std::vector<std::wstring>{NOM_TACHE_ARRET});
    EXPECT_TRUE(boites.Vues().empty());
}

// Each scheduler call of an edit and of a delete failed once: B is as it was, or (when only the
// row's refresh failed) as edited, with its one trigger; the rows and names stay in step with
// the store.
TEST(ModifierPanne, ChaqueAppelEchoueUneFois)
{
    for (const int bouton : {IDC_EDITER, IDC_SUPPRIMER})
    {
        const std::size_t appels = ChaqueAppelEchoue(
            [](CPlanificateurMemoire& memoire, CFenetreEssai& fenetre) { Preparer(memoire, fenetre); },
            [bouton](CFenetreEssai& f) { Commande(f, bouton, 1); }, {"GetNextRunTime", "GetComment"},
            [bouton](const Panne& panne, CPlanificateurMemoire& memoire, CFenetreEssai& fenetre,
                     const Lignes& lignes) {
                const TacheStockee* b = memoire.Trouver(L"B");
                if (bouton == IDC_SUPPRIMER && panne.operation.empty())
                {
                    EXPECT_EQ(b, nullptr);
                    EXPECT_EQ(fenetre.m_nomsTaches, (std::vector<std::string>{"C", "A"}));
                    return;
                }
                ASSERT_NE(b, nullptr);
                const bool modifiee = bouton == IDC_EDITER && panne.muet;
                EXPECT_EQ(b->parametres, modifiee ? APRES : AVANT);
                EXPECT_EQ(b->compte, modifiee ? L"SALON\\marc" : L"");
                EXPECT_EQ(b->declencheurs.size(), 1u);
                EXPECT_EQ(fenetre.m_nomsTaches, (std::vector<std::string>{"C", "B", "A"}));
                ASSERT_EQ(lignes.size(), 3u);
                EXPECT_EQ(lignes[1][4], modifiee ? "00:30:00" : "01:30:00");
            });
        EXPECT_GE(appels, bouton == IDC_EDITER ? 10u : 1u);
    }
}

// A dialog that cannot show (DialogBoxParam gives -1) counts as cancelled: nothing is written,
// nothing is shown.
TEST(Modifier, UnDialogueQuiNePeutSAfficherEstAnnule)
{
    CBoitesMessage boites;
    for (const bool editeur : {true, false})
    {
        CPlanificateurMemoire memoire;
        CFenetreEssai fenetre;
        Preparer(memoire, fenetre);
        fenetre.m_editeur = [editeur](CEdition& edition) -> INT_PTR {
            edition.m_fichier = "Nouveau";
            return editeur ? -1 : IDOK;
        };
        fenetre.m_passe = [](CPasse&) -> INT_PTR { return -1; };
        fenetre.Emprunter(memoire);
        LancerFenetre(fenetre, [](CFenetreEssai& f) {
            Cliquer(f, IDOK);
            Commande(f, IDC_EDITER, 1);
        });
        EXPECT_EQ(memoire.Noms().size(), 3u);
        EXPECT_EQ(memoire.Trouver(L"B")->parametres, AVANT);
    }
    EXPECT_TRUE(boites.Vues().empty());
}
