// The schedule list at start-up, against Wine's real Task Scheduler.

#include "AideTaches.h"

#include <gtest/gtest.h>

#include "MessagesDemarrage.h"

#include "editor/Edition.h"
#include "tasks/Commandes.h"

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

namespace
{
// What the user meets editing and then deleting every row of ours: the edits the editor opened
// for (by file name), the texts of the boxes, and the rows left.
struct Rencontre
{
    std::vector<std::string> editees, boites;
    Lignes avant, apres;
    int statut = 0;
};

Rencontre EditerPuisSupprimerTout(const std::string& prefixe)
{
    Rencontre r;
    CBoitesMessage boites;
    CFenetreEssai fenetre;
    fenetre.m_editeur = [&r](CEdition& edition) -> INT_PTR {
        r.editees.push_back(edition.m_fichier + " " + edition.m_minutes);
        return IDCANCEL;
    };
    LancerFenetre(fenetre, [&](CFenetreEssai& f) {
        r.avant = LireLignes(f.m_liste);
        for (int i = f.m_liste.NombreLignes() - 1; i >= 0; --i)
        {
            if (f.m_liste.Texte(i, 0).rfind(prefixe, 0) != 0)
                continue;
            Selectionner(f.Controle(IDC_LISTE), i);
            Cliquer(f, IDC_EDITER);
            Cliquer(f, IDC_SUPPRIMER);
        }
        r.apres = LireLignes(f.m_liste);
    });
    for (const BoiteVue& vue : boites.Vues())
        r.boites.push_back(vue.texte);
    r.statut = fenetre.m_statutArret;
    return r;
}
} // namespace

// Work items written by another program or damaged never bring the program down: start-up
// lists what it can read; editing or deleting any row gets an answer.
TEST(ListeReelle, LesTachesEtrangeresOuAbimeesOntToutesUneReponse)
{
    SupprimerTachesReelles(L"Etrange");
    const auto parametres = [](const std::wstring& nom, std::size_t taille,
                               const std::wstring& limite = L"60") {
        std::wstring texte = L" -c3 -ntod -startr:" + nom + L".mpg -qvcd -limit:" + limite;
        texte.resize(std::max(taille, texte.size()), L' ');
        return texte;
    };
    for (const auto& [nom, texte] : std::vector<std::pair<std::wstring, std::wstring>>{
             {L"EtrangeVide", L""},
             {L"Etrange259", parametres(L"Etrange259", 259)},
             {L"Etrange260", parametres(L"Etrange260", 260)},
             {L"Etrange10000", parametres(L"Etrange10000", 10000)},
             {L"EtrangeLimite", parametres(L"EtrangeLimite", 0, L"123456789012")}})
        ASSERT_TRUE(Creer(nom, texte));
    for (const WORD type : {TASK_TIME_TRIGGER_DAILY, TASK_TIME_TRIGGER_WEEKLY, TASK_TIME_TRIGGER_MONTHLYDATE,
                            TASK_TIME_TRIGGER_MONTHLYDOW, TASK_EVENT_TRIGGER_ON_IDLE,
                            TASK_EVENT_TRIGGER_AT_SYSTEMSTART, TASK_EVENT_TRIGGER_AT_LOGON})
    {
        TacheEssai tache;
        tache.nom = L"EtrangeType" + std::to_wstring(type);
        tache.parametres = parametres(tache.nom, 0);
        tache.declencheur = DeclencheurAVenir();
        tache.declencheur->TriggerType = static_cast<TASK_TRIGGER_TYPE>(type);
        ASSERT_TRUE(CreerTacheReelle(tache));
    }
    // A file the scheduler cannot make sense of stops the program at start-up, as any work item
    // it cannot open does (the program cannot tell whose it is).
    {
        CPoigneeFichier fichier(CreateFileA("C:\\windows\\tasks\\EtrangeCorrompue.job", GENERIC_WRITE, 0,
                                            nullptr, CREATE_ALWAYS, 0, nullptr));
        DWORD ecrits = 0;
        WriteFile(fichier.Get(), "\x01\x00garbage", 9, &ecrits, nullptr);
    }
    const Rencontre corrompue = EditerPuisSupprimerTout("Etrange");
    EXPECT_EQ(corrompue.statut, 1);
    EXPECT_EQ(corrompue.boites, std::vector<std::string>{PHRASE_M3});
    DeleteFileA("C:\\windows\\tasks\\EtrangeCorrompue.job");

    // Without parameters, or with more than 259 bytes of them, a work item is no recording. The
    // others are listed, and opened for editing when their trigger is once, daily or weekly;
    // every one is deleted.
    const Rencontre r = EditerPuisSupprimerTout("Etrange");
    SupprimerTachesReelles(L"Etrange");
    EXPECT_EQ(r.statut, -1);
    std::vector<std::string> listees;
    for (const auto& ligne : r.avant)
        listees.push_back(ligne[0]);
    std::sort(listees.begin(), listees.end());
    EXPECT_EQ(listees,
              (std::vector<std::string>{"Etrange259.mpg", "EtrangeLimite.mpg", "EtrangeType1.mpg",
                                        "EtrangeType2.mpg", "EtrangeType3.mpg", "EtrangeType4.mpg",
                                        "EtrangeType5.mpg", "EtrangeType6.mpg", "EtrangeType7.mpg"}));
    EXPECT_EQ(r.editees, (std::vector<std::string>{"Etrange259 0", "EtrangeLimite 0", "EtrangeType1 1",
                                                   "EtrangeType2 1"}));
    EXPECT_EQ(r.boites, std::vector<std::string>(5, MESSAGE_PROGRAMME_ILLISIBLE));
    EXPECT_TRUE(r.apres.empty());
}
