// Wrapper of a list-box control.
#pragma once
#include "afx/CWnd.h"

class CListBox : public CWnd {
public:
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int AddString(const char* text) { return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    CString GetText(int index) const;
    int GetItemRect(int index, RECT* rect) const { return static_cast<int>(SendMessage(LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(rect))); }
    // The item nearest the client point; `outside` is set when the point lies in none.
    UINT ItemFromPoint(CPoint point, BOOL& outside) const;

    // Owner-drawn list boxes draw each item here.
    virtual void DrawItem(DRAWITEMSTRUCT*) {}
};
