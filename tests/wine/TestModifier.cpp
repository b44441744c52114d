// "&Editer" and "&Supprimer" in the main window over the in-memory store, the editor and the
// password dialog answered in their place: which work item each acts on, and what each leaves
// after each of its scheduler calls failed once.

#include "AideTaches.h"

#include "editor/Edition.h"
#include "tasks/Commandes.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
const std::wstring AVANT = L" -c2 -ntod -startr:B.mpg -qvcd -limit:5400";
const std::wstring APRES = L" -c5 -ntod -startr:B.mpg -qvcd -limit:1800";

// Three recordings A, B and C, listed C, B, A; the editor changes the channel to row 4 and the
// length to 30 minutes.
void Peupler(CPlanificateurMemoire& memoire)
{
    for (const wchar_t* nom : {L"A", L"B", L"C"})
        memoire.Stocker(nom, EnregistrementMemoire(std::wstring(nom) + L".mpg"));
}

void Repondre(CFenetreEssai& fenetre, std::vector<CDefinitionProgramme>* lus = nullptr)
{
    fenetre.m_passe = Confirmer("SALON\\marc", "secret");
    fenetre.m_editeur = [lus](CEdition& edition) -> INT_PTR {
        if (lus != nullptr)
            lus->push_back(edition);
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

class Modifier : public testing::Test
{
protected:
    void SetUp() override
    {
        Peupler(m_memoire);
        m_memoire.Stocker(NOM_TACHE_ARRET, TacheStockee{});
    }
    // Runs `gestes` in a main window; the rows and names after them.
    Lignes Lancer(const std::function<void(CFenetreEssai&)>& gestes)
    {
        CFenetreEssai fenetre;
        Repondre(fenetre, &m_lus);
        fenetre.Emprunter(m_memoire);
        Lignes lignes;
        LancerFenetre(fenetre, [&](CFenetreEssai& f) {
            gestes(f);
            lignes = LireLignes(f.m_liste);
        });
        m_noms = fenetre.m_nomsTaches;
        return lignes;
    }

    CPlanificateurMemoire m_memoire;
    std::vector<std::string> m_noms;
    std::vector<CDefinitionProgramme> m_lus;
    CBoitesMessage m_boites;
};
} // namespace

TEST_F(Modifier, EditerEtSupprimerAgissentSurLaLigneChoisie)
{
    Lignes avant;
    const Lignes apres = Lancer([&avant](CFenetreEssai& f) {
        // Without a selected row, nothing happens.
        for (const int bouton : {IDC_EDITER, IDC_SUPPRIMER})
            Cliquer(f, bouton);
        avant = LireLignes(f.m_liste);
        Commande(f, IDC_EDITER, 1);
    });
    ASSERT_EQ(m_lus.size(), 1u);
    EXPECT_EQ(m_lus[0].m_fichier, "B");
    EXPECT_EQ(m_lus[0].m_minutes, "90");
    EXPECT_EQ(m_lus[0].m_chaine, 1);
    EXPECT_EQ(m_lus[0].m_uneFois, 1);
    // The same work item rewritten: one trigger, the new command; nothing else created.
    const TacheStockee* b = m_memoire.Trouver(L"B");
    EXPECT_EQ(b->parametres, APRES);
    EXPECT_EQ(b->application, L"C:\\TV\\WinTV2K.EXE");
    EXPECT_EQ(b->declencheurs.size(), 1u);
    EXPECT_EQ(b->compte, L"SALON\\marc");
    EXPECT_EQ(m_memoire.Noms().size(), 4u);
    // Its row refreshed in place, the others untouched.
    Lignes attendues = avant;
    attendues[1][4] = "00:30:00";
    EXPECT_EQ(apres, attendues);
    EXPECT_EQ(m_noms, (std::vector<std::string>{"C", "B", "A"}));

    // A deleted row's followers move up: row 1 is then A's. Deleting every row empties the
    // list, with no selection left; the companion stays in the store.
    m_lus.clear();
    const Lignes restantes = Lancer([](CFenetreEssai& f) {
        Commande(f, IDC_SUPPRIMER, 1);
        EXPECT_EQ(f.m_nomsTaches, (std::vector<std::string>{"C", "A"}));
        Commande(f, IDC_EDITER, 1);
        Commande(f, IDC_SUPPRIMER, 1);
        Commande(f, IDC_SUPPRIMER, 0);
        EXPECT_EQ(f.m_liste.Selection(), -1);
    });
    ASSERT_EQ(m_lus.size(), 1u);
    EXPECT_EQ(m_lus[0].m_fichier, "A");
    EXPECT_TRUE(restantes.empty());
    EXPECT_EQ(m_memoire.Noms(), std::vector<std::wstring>{NOM_TACHE_ARRET});
    EXPECT_TRUE(m_boites.Vues().empty());
}

TEST_F(Modifier, UneTacheSupprimeeAilleursDonneLErreurEtSaLigneReste)
{
    const Lignes lignes = Lancer([this](CFenetreEssai& f) {
        m_memoire.Supprimer(L"B");
        Commande(f, IDC_EDITER, 1);
        Commande(f, IDC_SUPPRIMER, 1);
    });
    EXPECT_TRUE(m_lus.empty());
    ASSERT_EQ(m_boites.Vues().size(), 2u);
    for (const BoiteVue& vue : m_boites.Vues())
        EXPECT_EQ(vue.texte, TexteSysteme(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)));
    EXPECT_EQ(lignes.size(), 3u);
    EXPECT_EQ(m_noms, (std::vector<std::string>{"C", "B", "A"}));
}

// Each scheduler call of an edit and of a delete failed once: B is as it was, or (when only the
// row's refresh failed) as edited; the rows and names stay in step with the store.
TEST(ModifierPanne, ChaqueAppelEchoueUneFois)
{
    const auto preparer = [](CPlanificateurMemoire& memoire, CFenetreEssai& fenetre) {
        Peupler(memoire);
        Repondre(fenetre);
    };
    for (const int bouton : {IDC_EDITER, IDC_SUPPRIMER})
    {
        const std::size_t appels = ChaqueAppelEchoue(
            preparer, [bouton](CFenetreEssai& f) { Commande(f, bouton, 1); },
            {"GetNextRunTime", "GetComment"},
            [bouton](const Panne& panne, CPlanificateurMemoire& memoire, CFenetreEssai& fenetre,
                     const Lignes& lignes) {
                const TacheStockee* b = memoire.Trouver(L"B");
                const std::vector<std::string> noms = {"C", "B", "A"};
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
                const TASK_TRIGGER avant = DeclencheurAVenir();
                ASSERT_EQ(b->declencheurs.size(), 1u);
                EXPECT_TRUE(modifiee || std::memcmp(&b->declencheurs[0], &avant, sizeof avant) == 0);
                EXPECT_EQ(fenetre.m_nomsTaches, noms);
                ASSERT_EQ(lignes.size(), 3u);
                EXPECT_EQ(lignes[1][4], modifiee ? "00:30:00" : "01:30:00");
            });
        EXPECT_GE(appels, bouton == IDC_EDITER ? 10u : 1u);
    }
}

// A dialog that cannot show (DialogBoxParam gives -1) counts as cancelled: nothing is written,
// nothing is shown.
TEST_F(Modifier, UnDialogueQuiNePeutSAfficherEstAnnule)
{
    for (const bool editeur : {true, false})
    {
        CFenetreEssai fenetre;
        fenetre.m_editeur = [editeur](CEdition& edition) -> INT_PTR {
            edition.m_fichier = "Nouveau";
            return editeur ? -1 : IDOK;
        };
        fenetre.m_passe = [](CPasse&) -> INT_PTR { return -1; };
        fenetre.Emprunter(m_memoire);
        LancerFenetre(fenetre, [](CFenetreEssai& f) {
            Cliquer(f, IDOK);
            Commande(f, IDC_EDITER, 1);
        });
        EXPECT_EQ(m_memoire.Noms().size(), 4u);
        EXPECT_EQ(m_memoire.Trouver(L"B")->parametres, AVANT);
    }
    EXPECT_TRUE(m_boites.Vues().empty());
}
