// The schedule list at start-up, against Wine's real Task Scheduler.

#include "AideTaches.h"

#include "BoitesMessage.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
TacheEssai Enregistrement(const std::wstring& nom, const std::wstring& parametres)
{
    TacheEssai tache;
    tache.nom = nom;
    tache.parametres = parametres;
    tache.declencheur = DeclencheurAVenir();
    return tache;
}

class ListeReelle : public testing::Test
{
protected:
    void SetUp() override { SupprimerTachesReelles(L"Liste"); }
    void TearDown() override { SupprimerTachesReelles(L"Liste"); }
};
} // namespace

TEST_F(ListeReelle, LesEnregistrementsSontListesDuDernierAuPremierAvecLeursCinqColonnes)
{
    const wchar_t* noms[] = {L"ListeA", L"ListeB", L"ListeC"};
    for (const wchar_t* nom : noms)
    {
        const std::wstring fichier = nom;
        TacheEssai tache =
            Enregistrement(fichier, L" -c3 -ntod -startr:" + fichier + L".mpg -qvcd -limit:5400");
        if (fichier == L"ListeB")
            tache.commentaire = L"Journal de 20 h";
        ASSERT_TRUE(CreerTacheReelle(tache));
    }

    CFenetreEssai fenetre;
    Lignes lignes;
    LancerFenetre(fenetre, [&](CFenetreEssai& f) { lignes = LireLignes(f.m_liste); });

    ASSERT_EQ(fenetre.m_statutArret, -1);
    // Enumerated A, B, C: inserted at the top one after the other.
    const Lignes nos = Filtrer(lignes, "Liste");
    ASSERT_EQ(nos.size(), 3u);
    const std::string prochaine = "14/03/" + std::to_string(DeclencheurAVenir().wBeginYear) + " à 20:45";
    EXPECT_EQ(nos[0], (std::vector<std::string>{"ListeC.mpg", prochaine, "", "qvcd", "01:30:00"}));
    EXPECT_EQ(nos[1], (std::vector<std::string>{"ListeB.mpg", prochaine, "Journal de 20 h", "qvcd", "01:30:00"}));
    EXPECT_EQ(nos[2], (std::vector<std::string>{"ListeA.mpg", prochaine, "", "qvcd", "01:30:00"}));

    // The names kept beside the rows are the bare names, in the rows' order.
    ASSERT_EQ(fenetre.m_nomsTaches.size(), lignes.size());
    std::vector<std::string> nomsDesNotres;
    for (std::size_t i = 0; i < lignes.size(); ++i)
    {
        if (lignes[i][0].rfind("Liste", 0) == 0)
            nomsDesNotres.push_back(fenetre.m_nomsTaches[i]);
    }
    EXPECT_EQ(nomsDesNotres, (std::vector<std::string>{"ListeC", "ListeB", "ListeA"}));
}

TEST_F(ListeReelle, PlusDeDeuxCentCinquanteCinqTachesSontToutesListees)
{
    constexpr int nombre = 300;
    for (int i = 0; i < nombre; ++i)
    {
        wchar_t nom[32];
        swprintf(nom, 32, L"ListeLot%03d", i);
        ASSERT_TRUE(CreerTacheReelle(
            Enregistrement(nom, std::wstring(L" -c1 -ntod -startr:") + nom + L".mpg -qvcd -limit:60")));
    }
    CFenetreEssai fenetre;
    Lignes lignes;
    LancerFenetre(fenetre, [&](CFenetreEssai& f) { lignes = LireLignes(f.m_liste); });

    const Lignes nos = Filtrer(lignes, "ListeLot");
    ASSERT_EQ(nos.size(), static_cast<std::size_t>(nombre));
    std::vector<std::string> vus;
    for (const auto& ligne : nos)
        vus.push_back(ligne[0]);
    std::sort(vus.begin(), vus.end());
    EXPECT_EQ(std::unique(vus.begin(), vus.end()), vus.end());
    EXPECT_EQ(vus.front(), "ListeLot000.mpg");
    EXPECT_EQ(vus.back(), "ListeLot299.mpg");
}

TEST_F(ListeReelle, LesTachesQuiNeSontPasDesEnregistrementsNeSontPasListeesEtNeMontrentRien)
{
    // (Wine saves a work item without trigger with a disabled one: the case without trigger
    // is tested on the in-memory store.)
    // The shutdown companion has no parameters at all.
    ASSERT_TRUE(CreerTacheReelle(Enregistrement(L"ListeArret", L"")));
    ASSERT_TRUE(CreerTacheReelle(Enregistrement(L"ListeMajuscule", L" -c1 -Startr:x.mpg -qvcd -limit:60")));
    ASSERT_TRUE(CreerTacheReelle(Enregistrement(L"ListeSansTiret", L"startr:Liste.mpg")));

    CBoitesMessage boites;
    CFenetreEssai fenetre;
    Lignes lignes;
    LancerFenetre(fenetre, [&](CFenetreEssai& f) { lignes = LireLignes(f.m_liste); });

    EXPECT_TRUE(boites.Vues().empty());
    EXPECT_EQ(fenetre.m_statutArret, -1);
    // Only the one with "startr:" (dash or not) is a recording; with no "-limit:" its
    // duration cell stays empty.
    for (const auto& nom : fenetre.m_nomsTaches)
        EXPECT_TRUE(nom.rfind("Liste", 0) != 0 || nom == "ListeSansTiret") << nom;
    const Lignes nos = Filtrer(lignes, "Liste");
    ASSERT_EQ(nos.size(), 1u);
    EXPECT_EQ(nos[0][0], "Liste.mpg");
    EXPECT_EQ(nos[0][4], "");
}

TEST_F(ListeReelle, UneTacheSansProchaineExecutionALaColonneUnVide)
{
    TacheEssai passee = Enregistrement(L"ListePassee", L" -c2 -ntod -startr:ListePassee.mpg -qvcd -limit:90000");
    passee.declencheur->wBeginYear = 2001;
    ASSERT_TRUE(CreerTacheReelle(passee));

    CFenetreEssai fenetre;
    Lignes lignes;
    LancerFenetre(fenetre, [&](CFenetreEssai& f) { lignes = LireLignes(f.m_liste); });

    const Lignes nos = Filtrer(lignes, "ListePassee");
    ASSERT_EQ(nos.size(), 1u);
    // 25 hours: the whole day is not shown.
    EXPECT_EQ(nos[0], (std::vector<std::string>{"ListePassee.mpg", "", "", "qvcd", "01:00:00"}));
}
