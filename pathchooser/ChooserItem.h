// The record behind one node of the chooser's tree: what choosing the node
// means (its key and label) and how it is shown.
#pragma once
#include "afx/CString.h"
#include <windows.h>

struct CChooserItem {
    int m_image = 0;
    CString m_key;
    CString m_label;
    COLORREF m_colour = 0;
    bool m_selectable = true;
};

const COLORREF kUnselectableColour = 0x808080;
