// "&Editer" and "&Supprimer" in the main window over Wine's real Task Scheduler, the editor and
// the password dialog answered in their place: which work item each acts on, and what each leaves
// after each of its scheduler calls failed once; the binding given what is not a work item.

#include "AideTaches.h"

#include "editor/Edition.h"
#include "tasks/Commandes.h"
#include "tasks/PlanificateurCom.h"
#include "tasks/UuidTaches.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include <wrl/client.h>

namespace
{
// A recording as the store has it, or as the editor below changed it.
std::wstring Parametres(const std::string& nom, bool modifie)
{
    return (modifie ? L" -c5 -ntod -startr:" : L" -c2 -ntod -startr:") +
           std::wstring(nom.begin(), nom.end()) +
           (modifie ? L".mpg -qvcd -limit:1800" : L".mpg -qvcd -limit:5400");
}

// Three recordings A, B and C and a companion without parameters in the store; the editor
// (which notes the file name, minutes and channel row it opens with) changes the channel to row 4
// and the length to 30 minutes; the account step confirms SALON\marc.
void Preparer(CFenetreEssai& fenetre, std::vector<std::string>* lus = nullptr)
{
    for (const wchar_t* nom : {L"A", L"B", L"C"})
        CreerEnregistrement(nom);
    CreerTacheReelle({NOM_TACHE_ARRET, L"", L"", L"", {}});
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

// "&Editer" and "&Supprimer" act on the middle row only (on none without a selection), each of
// their scheduler calls failed once: that work item is as it was, or (when only the row's refresh
// failed) as edited, with its one trigger, or deleted; the others and the companion stay as they
// were; the rows stay in step with their names.
TEST(ModifierPanne, ChaqueAppelEchoueUneFois)
{
    for (const int bouton : {IDC_EDITER, IDC_SUPPRIMER})
    {
        std::string cible;
        std::vector<std::string> lus;
        const std::size_t appels = ChaqueAppelEchoue(
            [&lus](CFenetreEssai& fenetre) {
                lus.clear();
                Preparer(fenetre, &lus);
            },
            [bouton, &cible](CFenetreEssai& f) {
                Cliquer(f, bouton);
                ASSERT_EQ(f.m_nomsTaches.size(), 3u);
                cible = f.m_nomsTaches[1];
                Commande(f, bouton, 1);
            },
            {"GetNextRunTime", "GetComment"},
            [&](const Panne& panne, const CPannes& pannes, CFenetreEssai& fenetre, const Lignes& lignes) {
                const bool supprimee = bouton == IDC_SUPPRIMER && panne.operation.empty();
                const bool modifiee = bouton == IDC_EDITER && panne.muet;
                if (panne.operation.empty() && bouton == IDC_EDITER)
                {
                    EXPECT_EQ(lus, std::vector<std::string>{cible + " 90 1"});
                }
                std::vector<std::string> lues, attendues, noms = fenetre.m_nomsTaches;
                for (const auto& ligne : lignes)
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
            Commande(f, IDC_EDITER, 1);
        });
        EXPECT_FALSE(LireTacheReelle(L"Nouveau").trouvee);
        for (const std::string nom : {"A", "B", "C"})
            EXPECT_EQ(LireTacheReelle(std::wstring(nom.begin(), nom.end())).parametres,
                      Parametres(nom, false));
    }
    EXPECT_TRUE(boites.Vues().empty());
}

namespace
{
IUnknown* g_donne = nullptr; // what Wine's scheduler hands out below

HRESULT STDMETHODCALLTYPE Activate(ITaskScheduler*, LPCWSTR, REFIID, IUnknown** objet)
{
    if ((*objet = g_donne) != nullptr)
        g_donne->AddRef();
    return S_OK;
}
HRESULT STDMETHODCALLTYPE NewWorkItem(ITaskScheduler* p, LPCWSTR nom, REFCLSID, REFIID iid, IUnknown** objet)
{
    return Activate(p, nom, iid, objet);
}

// Points the entry at `rang` of a COM object's method table (its class's, shared by every object)
// at `methode`; returns the entry it held.
void* Remplacer(IUnknown* objet, int rang, void* methode)
{
    void** const entree = *reinterpret_cast<void***>(objet) + rang;
    DWORD protection = 0;
    VirtualProtect(entree, sizeof *entree, PAGE_READWRITE, &protection);
    void* const avant = std::exchange(*entree, methode);
    VirtualProtect(entree, sizeof *entree, protection, &protection);
    return avant;
}
} // namespace

// Should the scheduler's Activate or NewWorkItem succeed with something that is not a work item
// (here Wine's scheduler itself), or with nothing, the binding refuses it. Wine's class has both
// methods replaced meanwhile, after IUnknown's three, SetTargetComputer, GetTargetComputer, Enum.
TEST(PlanificateurCom, UnObjetSansITaskEstRefuse)
{
    std::unique_ptr<CPlanificateur> planificateur;
    Microsoft::WRL::ComPtr<ITaskScheduler> wine;
    ASSERT_HRESULT_SUCCEEDED(CreerPlanificateurCom(planificateur));
    ASSERT_HRESULT_SUCCEEDED(
        CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&wine)));
    void* const activate = Remplacer(wine.Get(), 6, reinterpret_cast<void*>(&Activate));
    void* const newWorkItem = Remplacer(wine.Get(), 8, reinterpret_cast<void*>(&NewWorkItem));
    for (const auto& [donne, attendu] :
         {std::pair<IUnknown*, HRESULT>{wine.Get(), E_NOINTERFACE}, {nullptr, E_POINTER}})
    {
        g_donne = donne;
        std::unique_ptr<CTache> tache;
        EXPECT_EQ(planificateur->Activer(L"A", tache), attendu);
        EXPECT_EQ(planificateur->NouvelleTache(L"A", tache), attendu);
        EXPECT_FALSE(tache);
    }
    Remplacer(wine.Get(), 6, activate);
    Remplacer(wine.Get(), 8, newWorkItem);
}
