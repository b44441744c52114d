#pragma once
// The About box; its OK button ends it through the default handling.

#include "framework/Dialogue.h"

class CAProposDlg : public CDialogue
{
public:
    enum
    {
        IDD = 100
    };
    explicit CAProposDlg(HWND parent = nullptr) : CDialogue(IDD, parent) {}
};
