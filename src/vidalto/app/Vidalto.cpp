#include "app/Vidalto.h"

#include "mainwindow/VidaltoDlg.h"

CVidaltoApp theApp;

BOOL CVidaltoApp::InitInstance()
{
    CVidaltoDlg dlg;
    // A normal end keeps the exit status 0.
    if (dlg.DoModal() == CVidaltoDlg::STATUT_ARRET)
        m_statutSortie = CVidaltoDlg::STATUT_ARRET;
    // No message loop of our own: the program ends with the main window.
    return FALSE;
}

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*precedente*/, LPSTR /*ligne*/, int /*affichage*/)
{
    return CApplication::Lancer();
}
