// "&Editer" and "&Supprimer" in the main window over the in-memory store, the editor and the
// password dialog answered in their place: which work item each command acts on, and what it
// leaves after each of its scheduler calls failed once.

#include "AideTaches.h"
#include "BoitesMessage.h"

#include "editor/Edition.h"
#include "tasks/Commandes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

namespace
{
const HRESULT ACCES_REFUSE = HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);

std::string TexteSysteme(HRESULT code)
{
    char texte[TAILLE_TAMPON] = {};
    CVidaltoDlg::TexteErreur(code, texte, sizeof texte);
    return texte;
}

// The same content in the store: command, trigger, account.
bool MemeContenu(const TacheStockee& a, const TacheStockee& b)
{
    return a.application == b.application && a.parametres == b.parametres &&
           a.declencheurs.size() == b.declencheurs.size() &&
           (a.declencheurs.empty() ||
            std::memcmp(&a.declencheurs[0], &b.declencheurs[0], sizeof(TASK_TRIGGER)) == 0) &&
           a.compte == b.compte && a.indicateurs == b.indicateurs;
}

// Three recordings A, B and C listed C, B, A, and a shutdown companion, which is not listed.
class Modifier : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const wchar_t* nom : {L"A", L"B", L"C"})
            m_memoire.Stocker(nom, EnregistrementMemoire(std::wstring(nom) + L".mpg"));
        m_memoire.Stocker(NOM_TACHE_ARRET, TacheStockee{});
        m_passe = Confirmer("SALON\\marc", "secret");
        m_editeur = [this](CEdition& edition) -> INT_PTR {
            m_lus.push_back(edition);
            edition.m_minutes = "30";
            edition.m_chaine = 4;
            edition.CalculerFin();
            return IDOK;
        };
    }

    // Runs `gestes` in a main window over the store; the rows, names and selection after them.
    void Lancer(const std::function<void(CFenetreEssai&)>& gestes)
    {
        CFenetreEssai fenetre;
        fenetre.Emprunter(m_memoire);
        fenetre.m_editeur = m_editeur;
        fenetre.m_passe = m_passe;
        LancerFenetre(fenetre, [&](CFenetreEssai& f) {
            gestes(f);
            m_lignes = LireLignes(f.m_liste);
            m_selection = f.m_liste.Selection();
        });
        m_noms = fenetre.m_nomsTaches;
    }
    static void Editer(CFenetreEssai& f, int ligne)
    {
        Selectionner(f.Controle(IDC_LISTE), ligne);
        SendMessageA(f.Fenetre(), WM_COMMAND, MAKEWPARAM(IDC_EDITER, BN_CLICKED), 0);
    }
    static void Supprimer(CFenetreEssai& f, int ligne)
    {
        Selectionner(f.Controle(IDC_LISTE), ligne);
        SendMessageA(f.Fenetre(), WM_COMMAND, MAKEWPARAM(IDC_SUPPRIMER, BN_CLICKED), 0);
    }

    CPlanificateurMemoire m_memoire;
    std::function<INT_PTR(CEdition&)> m_editeur;
    std::function<INT_PTR(CPasse&)> m_passe;
    CBoitesMessage m_boites;
    std::vector<std::string> m_noms;
    std::vector<CDefinitionProgramme> m_lus;
    Lignes m_lignes;
    int m_selection = -1;
};
} // namespace

TEST_F(Modifier, SansLigneChoisieRienNeSePasse)
{
    Lancer([](CFenetreEssai& f) {
        for (const int bouton : {IDC_EDITER, IDC_SUPPRIMER})
            SendMessageA(f.Fenetre(), WM_COMMAND, MAKEWPARAM(bouton, BN_CLICKED), 0);
    });
    CPlanificateurMemoire vide;
    CFenetreEssai fenetreVide;
    fenetreVide.Emprunter(vide);
    LancerFenetre(fenetreVide, [](CFenetreEssai& f) {
        Selectionner(f.Controle(IDC_LISTE), 0);
        for (const int bouton : {IDC_EDITER, IDC_SUPPRIMER})
            SendMessageA(f.Fenetre(), WM_COMMAND, MAKEWPARAM(bouton, BN_CLICKED), 0);
    });
    EXPECT_TRUE(m_lus.empty());
    EXPECT_TRUE(m_boites.Vues().empty());
    EXPECT_EQ(m_lignes.size(), 3u);
    EXPECT_EQ(m_memoire.Noms().size(), 4u);
}

TEST_F(Modifier, EditerReecritLaMemeTacheEtRafraichitSaLigne)
{
    Lignes avant;
    Lancer([&avant](CFenetreEssai& f) {
        avant = LireLignes(f.m_liste);
        Editer(f, 1);
    });
    ASSERT_EQ(m_lus.size(), 1u);
    EXPECT_EQ(m_lus[0].m_fichier, "B");
    EXPECT_EQ(m_lus[0].m_minutes, "90");
    EXPECT_EQ(m_lus[0].m_chaine, 1);
    EXPECT_EQ(m_lus[0].m_uneFois, 1);
    EXPECT_TRUE(m_boites.Vues().empty());

    // The same work item, one trigger, the new command; nothing else created.
    const TacheStockee* b = m_memoire.Trouver(L"B");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->parametres, L" -c5 -ntod -startr:B.mpg -qvcd -limit:1800");
    EXPECT_EQ(b->application, L"C:\\TV\\WinTV2K.EXE");
    EXPECT_EQ(b->declencheurs.size(), 1u);
    EXPECT_EQ(b->compte, L"SALON\\marc");
    EXPECT_EQ(m_memoire.Noms().size(), 4u);
    // The row refreshed in place, the others untouched.
    ASSERT_EQ(m_lignes.size(), 3u);
    EXPECT_EQ(m_lignes[0], avant[0]);
    EXPECT_EQ(m_lignes[2], avant[2]);
    EXPECT_EQ(m_lignes[1][0], "B.mpg");
    EXPECT_EQ(m_lignes[1][1], avant[1][1]);
    EXPECT_EQ(m_lignes[1][4], "00:30:00");
    EXPECT_EQ(m_noms, (std::vector<std::string>{"C", "B", "A"}));
}

TEST_F(Modifier, SupprimerEnleveLaTacheEtSaLigneEtLesSuivantesRemontent)
{
    std::vector<std::string> nomsApres;
    Lancer([&nomsApres](CFenetreEssai& f) {
        Supprimer(f, 1);
        nomsApres = f.m_nomsTaches;
        // Row 1 is now A's: editing it acts on A.
        Editer(f, 1);
    });
    EXPECT_EQ(nomsApres, (std::vector<std::string>{"C", "A"}));
    EXPECT_EQ(m_memoire.Trouver(L"B"), nullptr);
    ASSERT_EQ(m_lus.size(), 1u);
    EXPECT_EQ(m_lus[0].m_fichier, "A");
    EXPECT_EQ(m_memoire.Trouver(L"A")->parametres, L" -c5 -ntod -startr:A.mpg -qvcd -limit:1800");
    EXPECT_EQ(m_lignes.size(), 2u);

    // Deleting the rows left empties the list; the companion stays in the store.
    Lancer([](CFenetreEssai& f) {
        Supprimer(f, 1);
        Supprimer(f, 0);
    });
    EXPECT_TRUE(m_lignes.empty());
    EXPECT_EQ(m_selection, -1);
    EXPECT_EQ(m_memoire.Noms(), std::vector<std::wstring>{NOM_TACHE_ARRET});
    EXPECT_TRUE(m_boites.Vues().empty());
}

TEST_F(Modifier, UneTacheSupprimeeAilleursDonneLErreurEtSaLigneReste)
{
    Lancer([this](CFenetreEssai& f) {
        m_memoire.Supprimer(L"B");
        Editer(f, 1);
        Supprimer(f, 1);
    });
    EXPECT_TRUE(m_lus.empty());
    ASSERT_EQ(m_boites.Vues().size(), 2u);
    for (const BoiteVue& vue : m_boites.Vues())
        EXPECT_EQ(vue.texte, TexteSysteme(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)));
    EXPECT_EQ(m_lignes.size(), 3u);
    EXPECT_EQ(m_noms, (std::vector<std::string>{"C", "B", "A"}));
}

// Every scheduler call of an edit and of a delete failed once: the user sees the system's text
// for it; the store holds the work item as it was, or (when only the row's refresh failed) as
// edited; the rows and names stay in step with the store.
TEST_F(Modifier, ChaqueAppelEchoueUneFois)
{
    const TacheStockee avant = *m_memoire.Trouver(L"B");
    TacheStockee apres;
    std::vector<std::string> appels;
    {
        std::size_t debut = 0;
        Lancer([&](CFenetreEssai& f) {
            debut = m_memoire.Journal().size();
            Editer(f, 1);
        });
        appels.assign(m_memoire.Journal().begin() + static_cast<std::ptrdiff_t>(debut), m_memoire.Journal().end());
        apres = *m_memoire.Trouver(L"B");
    }
    ASSERT_FALSE(MemeContenu(apres, avant));
    appels.push_back("Delete");

    const std::vector<std::string> muets = {"GetNextRunTime", "GetComment"};
    std::map<std::string, int> rangs;
    for (const std::string& operation : appels)
    {
        const int rang = ++rangs[operation];
        SCOPED_TRACE(operation + " #" + std::to_string(rang));
        CPlanificateurMemoire memoire;
        for (const wchar_t* nom : {L"A", L"B", L"C"})
            memoire.Stocker(nom, EnregistrementMemoire(std::wstring(nom) + L".mpg"));
        CFenetreEssai fenetre;
        fenetre.Emprunter(memoire);
        fenetre.m_editeur = m_editeur;
        fenetre.m_passe = m_passe;
        CBoitesMessage boites;
        Lignes lignes;
        LancerFenetre(fenetre, [&](CFenetreEssai& f) {
            memoire.InjecterEchec(operation, ACCES_REFUSE, rang);
            operation == "Delete" ? Supprimer(f, 1) : Editer(f, 1);
            lignes = LireLignes(f.m_liste);
        });

        const bool muet = std::find(muets.begin(), muets.end(), operation) != muets.end();
        ASSERT_EQ(boites.Vues().size(), muet ? 0u : 1u);
        if (!muet)
        {
            EXPECT_EQ(boites.Vues()[0].texte, TexteSysteme(ACCES_REFUSE));
        }
        const TacheStockee* b = memoire.Trouver(L"B");
        ASSERT_NE(b, nullptr);
        EXPECT_TRUE(MemeContenu(*b, muet ? apres : avant));
        ASSERT_EQ(lignes.size(), 3u);
        EXPECT_EQ(fenetre.m_nomsTaches, (std::vector<std::string>{"C", "B", "A"}));
        EXPECT_EQ(lignes[1][4], muet ? "00:30:00" : "01:30:00");
    }
}
