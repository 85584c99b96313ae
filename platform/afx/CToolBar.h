// Wrapper of a toolbar control whose buttons come from a toolbar resource
// (type 241: button width and height, count, command ids, 0 for a separator)
// and the bitmap of the same id.
#pragma once
#include "afx/CWnd.h"
#include <commctrl.h>

class CToolBar : public CWnd {
public:
    BOOL CreateEx(CWnd* parent, DWORD toolBarStyle, DWORD style, UINT id);
    BOOL LoadToolBar(UINT id);
};
