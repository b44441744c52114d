// The clock's tick rewrites its own control only: what the user is changing elsewhere stays.

#include "AideTaches.h"

#include "framework/Controles.h"
#include "framework/Echange.h"
#include "resources/resource.h"
#include "tasks/PlanificateurMemoire.h"

#include <gtest/gtest.h>

namespace
{
// The main window with one more pair, the "&Editer" button's text, standing for a field the
// user is typing in.
class CFenetreChamp : public CFenetreEssai
{
public:
    std::string m_texte = "&Editer";

protected:
    void DoDataExchange(CEchange& echange) override
    {
        CFenetreEssai::DoDataExchange(echange);
        echange.Texte(IDC_EDITER, m_texte);
    }
};
} // namespace

TEST(Horloge, UnTopNeRecritQueLHorloge)
{
    CPlanificateurMemoire memoire;
    CFenetreChamp fenetre;
    fenetre.Emprunter(memoire);
    LancerFenetre(fenetre, [](CFenetreEssai& f) {
        const HWND horloge = f.Controle(IDC_HORLOGE);
        const std::string avant = TexteFenetre(horloge);
        SetWindowTextA(f.Controle(IDC_EDITER), "en cours");
        // The messages of the modal loop, until the next tick has shown (at most 3 s).
        for (const DWORD debut = GetTickCount();
             TexteFenetre(horloge) == avant && GetTickCount() - debut < 3000; Sleep(10))
        {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&message);
        }
        EXPECT_NE(TexteFenetre(horloge), avant);
        EXPECT_EQ(TexteFenetre(f.Controle(IDC_EDITER)), "en cours");
    });
}
