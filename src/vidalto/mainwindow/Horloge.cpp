// The main window's clock: the French weekday, the date and the time, every second.

#include "mainwindow/VidaltoDlg.h"

#include "mainwindow/TexteHorloge.h"

// Weekday, date and time come from one reading of the clock, so they change together. Each
// second rewrites the clock's control alone.
void CVidaltoDlg::MettreAJourHorloge()
{
    ChampsLocaux maintenant;
    if (!CTemps::Maintenant().Local(maintenant))
        return;
    m_horloge = TexteHorloge(maintenant);
    EchangerControle(IDC_HORLOGE, false);
}

void CVidaltoDlg::OnTimer(UINT_PTR /*id*/)
{
    MettreAJourHorloge();
}
