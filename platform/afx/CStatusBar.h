// Wrapper of a status-bar control showing one simple text: the command prompts.
#pragma once
#include "afx/CWnd.h"
#include <commctrl.h>

class CStatusBar : public CWnd {
public:
    BOOL Create(CWnd* parent, DWORD style, UINT id);
};
