#include "framework/Application.h"

#include <commctrl.h>

CApplication* CApplication::s_instance = nullptr;

CApplication::CApplication()
{
    s_instance = this;
}

CApplication::~CApplication()
{
    if (s_instance == this)
        s_instance = nullptr;
}

void CApplication::InitialiserControles()
{
    INITCOMMONCONTROLSEX controles = {};
    controles.dwSize = sizeof controles;
    controles.dwICC =
        ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES | ICC_UPDOWN_CLASS | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controles);
}

int CApplication::Lancer()
{
    InitialiserControles();
    if (s_instance == nullptr)
        return 0;
    s_instance->InitInstance();
    return s_instance->m_statutSortie;
}
