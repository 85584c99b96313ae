// Wrapper of a header control; owner-drawn items come to DrawItem, which the
// list view (the header's parent) reflects back to the header's object.
#pragma once
#include "afx/CWnd.h"
#include <commctrl.h>

class CHeaderCtrl : public CWnd {
public:
    BOOL GetItem(int index, HDITEMA* item) const { return static_cast<BOOL>(SendMessage(HDM_GETITEMA, index, reinterpret_cast<LPARAM>(item))); }
    BOOL SetItem(int index, HDITEMA* item) { return static_cast<BOOL>(SendMessage(HDM_SETITEMA, index, reinterpret_cast<LPARAM>(item))); }
    BOOL GetItemRect(int index, RECT* rect) const { return static_cast<BOOL>(SendMessage(HDM_GETITEMRECT, index, reinterpret_cast<LPARAM>(rect))); }

    virtual void DrawItem(DRAWITEMSTRUCT*) {}

    DECLARE_MESSAGE_MAP()
};
