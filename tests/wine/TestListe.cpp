// The schedule list at start-up, against Wine's real Task Scheduler.

#include "AideTaches.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
bool Creer(const std::wstring& nom, const std::wstring& parametres, const std::wstring& commentaire = L"")
{
    TacheEssai tache;
    tache.nom = nom;
    tache.parametres = parametres;
    tache.commentaire = commentaire;
    tache.declencheur = DeclencheurAVenir();
    if (nom == L"ListeD")
        tache.declencheur->wBeginYear = 2001; // no next run
    return CreerTacheReelle(tache);
}
} // namespace

// Names in alphabetical order of creation, whichever order the store enumerates them in. The
// rows come last enumerated first, with their five columns; only a work item with "startr:"
// (dash or not) is a recording; more than one batch of the enumerator is listed whole.
TEST(ListeReelle, LesEnregistrementsSontListesDuDernierAuPremier)
{
    SupprimerTachesReelles(L"Liste");
    for (const wchar_t* nom : {L"ListeA", L"ListeB", L"ListeC", L"ListeD"})
    {
        const std::wstring limite = nom == std::wstring(L"ListeD") ? L"90000" : L"5400";
        ASSERT_TRUE(Creer(nom, std::wstring(L" -c3 -ntod -startr:") + nom + L".mpg -qvcd -limit:" + limite,
                          nom == std::wstring(L"ListeB") ? L"Journal de 20 h" : L""));
    }
    ASSERT_TRUE(Creer(L"ListeE", L"startr:ListeE.mpg"));
    ASSERT_TRUE(Creer(L"ListeF", L""));
    ASSERT_TRUE(Creer(L"ListeG", L" -c1 -Startr:x.mpg -qvcd -limit:60"));
    constexpr int lot = 300;
    for (int i = 0; i < lot; ++i)
    {
        const std::wstring nom = L"ListeLot" + std::to_wstring(1000 + i);
        ASSERT_TRUE(Creer(nom, L" -c1 -ntod -startr:" + nom + L".mpg -qvcd -limit:60"));
    }

    CBoitesMessage boites;
    CFenetreEssai fenetre;
    Lignes lignes;
    LancerFenetre(fenetre, [&](CFenetreEssai& f) { lignes = LireLignes(f.m_liste); });
    SupprimerTachesReelles(L"Liste");
    EXPECT_EQ(fenetre.m_statutArret, -1);
    EXPECT_TRUE(boites.Vues().empty());
    ASSERT_EQ(fenetre.m_nomsTaches.size(), lignes.size());

    Lignes notres;
    std::vector<std::string> noms, lots;
    for (std::size_t i = 0; i < lignes.size(); ++i)
    {
        if (lignes[i][0].rfind("ListeLot", 0) == 0)
            lots.push_back(lignes[i][0]);
        else if (lignes[i][0].rfind("Liste", 0) == 0)
        {
            notres.push_back(lignes[i]);
            noms.push_back(fenetre.m_nomsTaches[i]);
        }
    }
    const std::string prochaine = "14/03/" + std::to_string(DeclencheurAVenir().wBeginYear) + " à 20:45";
    // No "-limit:": no duration; over 24 hours: the whole days are not shown.
    const Lignes attendues = {
        {"ListeE.mpg", prochaine, "", "", ""},
        {"ListeD.mpg", "", "", "qvcd", "01:00:00"},
        {"ListeC.mpg", prochaine, "", "qvcd", "01:30:00"},
        {"ListeB.mpg", prochaine, "Journal de 20 h", "qvcd", "01:30:00"},
        {"ListeA.mpg", prochaine, "", "qvcd", "01:30:00"},
    };
    EXPECT_EQ(notres, attendues);
    EXPECT_EQ(noms, (std::vector<std::string>{"ListeE", "ListeD", "ListeC", "ListeB", "ListeA"}));
    std::sort(lots.begin(), lots.end());
    ASSERT_EQ(lots.size(), static_cast<std::size_t>(lot));
    EXPECT_EQ(std::unique(lots.begin(), lots.end()), lots.end());
    EXPECT_EQ(lots.front() + lots.back(), "ListeLot1000.mpgListeLot1299.mpg");
}
