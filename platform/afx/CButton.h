// Wrapper of a button control.
#pragma once
#include "afx/CWnd.h"

class CButton : public CWnd {
public:
    // BST_CHECKED, BST_UNCHECKED or BST_INDETERMINATE.
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) { SendMessage(BM_SETCHECK, check); }
    // The BST_ state bits: checked, pushed (BST_PUSHED), focused.
    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    void SetButtonStyle(UINT style, BOOL redraw = TRUE) { SendMessage(BM_SETSTYLE, style, redraw); }
};
