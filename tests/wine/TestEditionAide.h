#pragma once
// What the editor's tests under Wine share: the channel databases of the build, the editor
// run with a script once it is shown, the user's actions sent as messages, and a watch on the
// editor's windows being shown.

#include "editor/Edition.h"
#include "framework/Ressources.h"

#include <windows.h>

#include <ctime>
#include <functional>
#include <string>
#include <vector>

// The drive path of a channel database folder of the build ("chaines": a dozen channels,
// "vide": the table without rows).
std::string DossierBases(const std::string& nom);

// Runs the editor modally; `script` runs once it is shown and must end it. A script that
// leaves it open is a failure, and the editor is then cancelled so that the test goes on.
// The script does not run when the editor ends while it opens.
INT_PTR LancerEdition(CEdition& edition, const std::function<void(CEdition&)>& script,
                      bool* scriptLance = nullptr);

// The user's actions.
void Cliquer(HWND dialogue, int id);
void Taper(HWND controle, const std::string& texte);
void Effacer(HWND controle);
void Touche(HWND controle, UINT touche);
void ChoisirLigne(HWND liste, int ligne);
// Sets a picker and notifies its dialog as the picker does when the user changes it; the
// notification's result.
LRESULT ChangerSelecteur(HWND dialogue, int id, const SYSTEMTIME& valeur);
SYSTEMTIME LireSelecteur(HWND dialogue, int id);

std::string Texte(HWND dialogue, int id);
bool Coche(HWND dialogue, int id);
bool Actif(HWND dialogue, int id);

// "%H:%M" of an instant plus some seconds, from the C library's own reading of local time.
std::string HeureMinute(std::time_t instant, long long secondes = 0);
std::time_t Instant(const SYSTEMTIME& local);

// Counts the editors ("Edition du Programme") shown while it lives.
class CEditionsMontrees
{
public:
    CEditionsMontrees();
    ~CEditionsMontrees();
    CEditionsMontrees(const CEditionsMontrees&) = delete;
    CEditionsMontrees& operator=(const CEditionsMontrees&) = delete;
    int Nombre() const;

private:
    static LRESULT CALLBACK Crochet(int code, WPARAM wParam, LPARAM lParam);
    CCrochet m_crochet;
};
