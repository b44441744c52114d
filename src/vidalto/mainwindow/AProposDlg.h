#pragma once
// The About box; its OK button ends it through the default handling.

#include "framework/Dialogue.h"
#include "resources/resource.h"

class CAProposDlg : public CDialogue
{
public:
    enum
    {
        IDD = IDD_APROPOS
    };
    explicit CAProposDlg(HWND parent = nullptr) : CDialogue(IDD, parent) {}
};
