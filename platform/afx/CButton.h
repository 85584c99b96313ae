// Wrapper of a button control.
#pragma once
#include "afx/CWnd.h"

class CButton : public CWnd {
public:
    // The type bits (BS_TYPEMASK) of `style` become the button's type.
    void SetButtonStyle(UINT style, BOOL redraw = TRUE) { SendMessage(BM_SETSTYLE, style, redraw); }
};
