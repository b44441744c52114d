#pragma once
// The application object: runs the main window modally, then lets the program end.

#include "framework/Application.h"

class CVidaltoApp : public CApplication
{
public:
    BOOL InitInstance() override;
};
