// Wrapper of a rebar control holding control bars as bands.
#pragma once
#include "afx/CWnd.h"
#include <commctrl.h>

class CReBar : public CWnd {
public:
    BOOL Create(CWnd* parent, DWORD reBarStyle, DWORD style, UINT id);
    // Adds the bar as a band as large as the bar wants to be.
    BOOL AddBar(CWnd* bar, DWORD bandStyle);
};
