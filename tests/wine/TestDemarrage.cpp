// The start-up checks and the listing's failure paths: registry states against the real
// registry, scheduler failures injected into the in-memory store.

#include "AideTaches.h"

#include "BoitesMessage.h"
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
} // namespace

TEST_F(Demarrage, LeDossierDuProgrammeTVVientDuRegistreEtSonAbsenceArreteLeProgramme)
{
    CPlanificateurMemoire memoire;
    {
        // No key: M1, nothing asked of the scheduler.
        SupprimerCleRadio();
        CBoitesMessage boites;
        CFenetreEssai fenetre;
        fenetre.Emprunter(memoire);
        LancerFenetre(fenetre);
        EXPECT_EQ(fenetre.m_statutArret, 1);
        ASSERT_EQ(boites.Vues().size(), 1u);
        EXPECT_EQ(boites.Vues()[0].titre, "Erreur");
        EXPECT_EQ(boites.Vues()[0].texte, M1);
        EXPECT_TRUE(boites.Vues()[0].iconeErreur);
        EXPECT_TRUE(memoire.Journal().empty());
    }
    {
        // The key without its value: M2.
        ASSERT_TRUE(CreerCleRadio().EstValide());
        CBoitesMessage boites;
        CFenetreEssai fenetre;
        fenetre.Emprunter(memoire);
        LancerFenetre(fenetre);
        EXPECT_EQ(fenetre.m_statutArret, 1);
        ASSERT_EQ(boites.Vues().size(), 1u);
        EXPECT_EQ(boites.Vues()[0].texte, M2);
    }
    const auto essayer = [&](const std::string& valeur, bool termine, DWORD type = REG_SZ) {
        EcrireCheminTV(valeur.c_str(), static_cast<DWORD>(valeur.size() + (termine ? 1 : 0)), type);
        CBoitesMessage boites;
        CFenetreEssai fenetre;
        fenetre.Emprunter(memoire);
        LancerFenetre(fenetre);
        return std::make_pair(fenetre.m_statutArret, fenetre.m_cheminTV);
    };
    // 259 characters fit the 260-byte buffer with their terminator, 260 do not; nor do 260
    // bytes stored without a terminator, which would fill it to its last byte.
    const std::string long259 = "C:\\" + std::string(256, 'x');
    EXPECT_EQ(essayer(long259, true), std::make_pair(-1, long259));
    EXPECT_EQ(essayer(long259 + "y", true).first, 1);
    EXPECT_EQ(essayer(long259 + "y", false).first, 1);
    // A value of another type than a string is no folder: its bytes are never taken as one.
    EXPECT_EQ(essayer("C:\\TV", true, REG_BINARY).first, 1);
    EXPECT_EQ(essayer("\x01\x02\x03", false, REG_DWORD).first, 1);
    EXPECT_EQ(essayer("C:\\TV", true, REG_EXPAND_SZ), std::make_pair(-1, std::string("C:\\TV")));
    // Kept exactly as read: no folder check, no separator added.
    EXPECT_EQ(essayer("D:\\Pas là\\", true), std::make_pair(-1, std::string("D:\\Pas là\\")));
}

TEST_F(Demarrage, UnPlanificateurQuiManqueOuEchoueArreteLeProgrammeAvecSonTexte)
{
    const auto lancer = [](CPlanificateurMemoire* memoire, HRESULT echecCreation,
                           std::vector<BoiteVue>& vues) {
        CBoitesMessage boites;
        CFenetreEssai fenetre;
        fenetre.m_fabrique = [=](std::unique_ptr<CPlanificateur>& p) {
            if (FAILED(echecCreation))
                return echecCreation;
            p = std::make_unique<CPlanificateurEmprunte>(*memoire);
            return S_OK;
        };
        LancerFenetre(fenetre);
        vues = boites.Vues();
        return fenetre.m_statutArret;
    };
    std::vector<BoiteVue> vues;

    // No scheduler: M4 after the system's own text, which ends with its line break.
    ASSERT_EQ(lancer(nullptr, INTROUVABLE, vues), 1);
    ASSERT_EQ(vues.size(), 1u);
    EXPECT_EQ(vues[0].texte, "File not found.\r\n" + PHRASE_M4);

    CPlanificateurMemoire memoire;
    memoire.InjecterEchec("Enum", ACCES_REFUSE);
    ASSERT_EQ(lancer(&memoire, S_OK, vues), 1);
    ASSERT_EQ(vues.size(), 1u);
    EXPECT_EQ(vues[0].texte, "Access denied.\r\n" + PHRASE_M3);

    // A code the system has no text for: the sentence alone.
    memoire.InjecterEchec("Enum", static_cast<HRESULT>(0x80041309));
    ASSERT_EQ(lancer(&memoire, S_OK, vues), 1);
    ASSERT_EQ(vues.size(), 1u);
    EXPECT_EQ(vues[0].texte, PHRASE_M3);

    // One work item that cannot be opened ends it, even after rows were listed.
    memoire.Stocker(L"Premier", EnregistrementMemoire(L"Premier.mpg"));
    memoire.Stocker(L"Second", EnregistrementMemoire(L"Second.mpg"));
    memoire.InjecterEchec("Activate", INTROUVABLE, 2);
    ASSERT_EQ(lancer(&memoire, S_OK, vues), 1);
    ASSERT_EQ(vues.size(), 1u);
    EXPECT_EQ(vues[0].texte, "File not found.\r\n" + PHRASE_M3);
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
