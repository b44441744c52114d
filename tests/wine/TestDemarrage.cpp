// The start-up checks and the listing's failure paths: registry states against the real
// registry, scheduler failures injected into the in-memory store.

#include "AideTaches.h"
#include "MessagesDemarrage.h"

#include <gtest/gtest.h>

namespace
{
const HRESULT ACCES_REFUSE = HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
const HRESULT INTROUVABLE = HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);

class Demarrage : public testing::Test
{
protected:
    void TearDown() override { DefinirCheminTV("C:\\TV"); }
};

// The main window started over a store of two recordings; it stops (status 1) with one
// "Erreur" box of that text, or starts without any box when `texte` is empty.
void VerifierDemarrage(const std::string& texte,
                       const std::function<void(CPlanificateurMemoire&, CFenetreEssai&)>& preparer)
{
    CPlanificateurMemoire memoire;
    memoire.Stocker(L"Premier", EnregistrementMemoire(L"Premier.mpg"));
    memoire.Stocker(L"Second", EnregistrementMemoire(L"Second.mpg"));
    CBoitesMessage boites;
    CFenetreEssai fenetre;
    fenetre.Emprunter(memoire);
    preparer(memoire, fenetre);
    LancerFenetre(fenetre);
    EXPECT_EQ(fenetre.m_statutArret, texte.empty() ? -1 : 1);
    ASSERT_EQ(boites.Vues().size(), texte.empty() ? 0u : 1u);
    if (!texte.empty())
    {
        EXPECT_EQ(boites.Vues()[0].titre, "Erreur");
        EXPECT_EQ(boites.Vues()[0].texte, texte);
        EXPECT_TRUE(boites.Vues()[0].iconeErreur);
    }
}
} // namespace

// The TV folder comes from the registry, kept exactly as read (no check, no separator added);
// without it nothing is asked of the scheduler. 259 characters fit the 260-byte buffer with
// their terminator; 260, or 260 bytes stored without one, do not. A value of another type than
// a string is no folder: its bytes are never taken as one.
TEST_F(Demarrage, LeDossierDuProgrammeTVVientDuRegistre)
{
    const std::string long259 = "C:\\" + std::string(256, 'x');
    struct Cas
    {
        std::string valeur;
        int octetsEnPlus; // the terminator, or not; -1: no value, -2: no key
        DWORD type;
        std::string message;
    };
    const Cas cas[] = {
        {"", -2, REG_SZ, M1},
        {"", -1, REG_SZ, M2},
        {long259, 1, REG_SZ, ""},
        {long259 + "y", 1, REG_SZ, M2},
        {long259 + "y", 0, REG_SZ, M2},
        {"C:\\TV", 1, REG_BINARY, M2},
        {"\x01\x02\x03", 0, REG_DWORD, M2},
        {"C:\\TV", 1, REG_EXPAND_SZ, ""},
        {"D:\\Pas là\\", 1, REG_SZ, ""},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.valeur.substr(0, 10) + " " + std::to_string(c.octetsEnPlus));
        SupprimerCleRadio();
        if (c.octetsEnPlus == -1)
            CreerCleRadio();
        else if (c.octetsEnPlus >= 0)
            EcrireCheminTV(c.valeur.c_str(), static_cast<DWORD>(c.valeur.size() + c.octetsEnPlus), c.type);
        std::string chemin = "(never asked)";
        VerifierDemarrage(c.message, [&](CPlanificateurMemoire& memoire, CFenetreEssai& fenetre) {
            fenetre.m_fabrique = [&](std::unique_ptr<CPlanificateur>& p) {
                p = std::make_unique<CPlanificateurEmprunte>(memoire);
                chemin = fenetre.m_cheminTV;
                return S_OK;
            };
        });
        EXPECT_EQ(chemin, c.message.empty() ? c.valeur : "(never asked)");
    }
}

// No scheduler, or one that fails to list, ends the program with the system's text (when it
// has one) and the sentence; so does one work item that cannot be opened, after rows were listed.
TEST_F(Demarrage, UnPlanificateurQuiManqueOuEchoueArreteLeProgrammeAvecSonTexte)
{
    struct Cas
    {
        const char* operation;
        HRESULT code;
        int rang;
        std::string texte;
    };
    const Cas cas[] = {
        {nullptr, INTROUVABLE, 0, "File not found.\r\n" + PHRASE_M4},
        {"Enum", ACCES_REFUSE, 1, "Access denied.\r\n" + PHRASE_M3},
        {"Enum", static_cast<HRESULT>(0x80041309), 1, PHRASE_M3},
        {"Activate", INTROUVABLE, 2, "File not found.\r\n" + PHRASE_M3},
        // The enumerator failing ends the list where it is, without a word.
        {"Next", ACCES_REFUSE, 1, ""},
    };
    for (const Cas& c : cas)
    {
        VerifierDemarrage(c.texte, [&c](CPlanificateurMemoire& memoire, CFenetreEssai& fenetre) {
            if (c.operation != nullptr)
                memoire.InjecterEchec(c.operation, c.code, c.rang);
            else
                fenetre.m_fabrique = [&c](std::unique_ptr<CPlanificateur>&) { return c.code; };
        });
    }
}

TEST_F(Demarrage, LesEchecsDeLectureDUneTacheSontSignalesEtLaListeContinue)
{
    CPlanificateurMemoire memoire;
    TacheStockee sansDeclencheur = EnregistrementMemoire(L"SansDeclencheur.mpg");
    sansDeclencheur.declencheurs.clear();
    memoire.Stocker(L"SansDeclencheur", sansDeclencheur);
    memoire.Stocker(L"ParametresIllisibles", EnregistrementMemoire(L"ParametresIllisibles.mpg"));
    memoire.Stocker(L"ApplicationIllisible", EnregistrementMemoire(L"ApplicationIllisible.mpg"));
    memoire.Stocker(L"CommentaireIllisible", EnregistrementMemoire(L"CommentaireIllisible.mpg"));
    TacheStockee passee = EnregistrementMemoire(L"Passee.mpg");
    passee.prochaine.reset();
    memoire.Stocker(L"Passee", passee);
    // Longer than the 260-byte buffers: a name, a parameter text; a comment is shown cut.
    memoire.Stocker(std::wstring(260, L'N'), EnregistrementMemoire(L"NomTropLong.mpg"));
    TacheStockee parametresLongs = EnregistrementMemoire(L"ParametresLongs.mpg");
    parametresLongs.parametres += std::wstring(260, L' ');
    memoire.Stocker(L"ParametresLongs", parametresLongs);
    TacheStockee commentaireLong = EnregistrementMemoire(L"CommentaireLong.mpg");
    commentaireLong.commentaire = std::wstring(300, L'c');
    memoire.Stocker(L"CommentaireLong", commentaireLong);
    // A name of exactly 259 bytes still fits.
    memoire.Stocker(std::wstring(259, L'M'), EnregistrementMemoire(L"Nom259.mpg"));

    // GetTrigger and GetParameters are asked of each work item in store order.
    memoire.InjecterEchec("GetParameters", ACCES_REFUSE, 1);
    memoire.InjecterEchec("GetApplicationName", INTROUVABLE, 1);
    memoire.InjecterEchec("GetComment", ACCES_REFUSE, 1);

    CBoitesMessage boites;
    CFenetreEssai fenetre;
    fenetre.Emprunter(memoire);
    Lignes lignes;
    LancerFenetre(fenetre, [&](CFenetreEssai& f) { lignes = LireLignes(f.m_liste); });

    EXPECT_EQ(fenetre.m_statutArret, -1);
    ASSERT_EQ(boites.Vues().size(), 2u);
    EXPECT_EQ(boites.Vues()[0].texte, "Access denied.\r\n");
    EXPECT_EQ(boites.Vues()[0].titre, "Erreur");
    EXPECT_TRUE(boites.Vues()[0].iconeErreur);
    EXPECT_EQ(boites.Vues()[1].texte, "File not found.\r\n");

    const std::string prochaine = "14/03/2027 à 20:45";
    const Lignes attendues = {
        {"Nom259.mpg", prochaine, "Infos", "qvcd", "01:30:00"},
        {"CommentaireLong.mpg", prochaine, std::string(259, 'c'), "qvcd", "01:30:00"},
        {"Passee.mpg", "", "Infos", "qvcd", "01:30:00"},
        {"CommentaireIllisible.mpg", prochaine, "", "qvcd", "01:30:00"},
        {"ApplicationIllisible.mpg", "", "", "qvcd", ""},
    };
    EXPECT_EQ(lignes, attendues);
    EXPECT_EQ(fenetre.m_nomsTaches,
              (std::vector<std::string>{std::string(259, 'M'), "CommentaireLong", "Passee",
                                        "CommentaireIllisible", "ApplicationIllisible"}));
}
