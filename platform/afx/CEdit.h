// Wrapper of an edit control.
#pragma once
#include "afx/CWnd.h"

class CEdit : public CWnd {
public:
    int GetFirstVisibleLine() const { return static_cast<int>(SendMessage(EM_GETFIRSTVISIBLELINE)); }
    void LineScroll(int lines, int characters = 0) { SendMessage(EM_LINESCROLL, characters, lines); }
    // Start in the low word, end in the high word.
    DWORD GetSel() const { return static_cast<DWORD>(SendMessage(EM_GETSEL)); }
    void SetSel(int start, int end) { SendMessage(EM_SETSEL, start, end); }
    // Replacing text counts against the limit, about 32K characters until set; 0 sets the largest.
    void SetLimitText(UINT limit) { SendMessage(EM_SETLIMITTEXT, limit); }
    void ReplaceSel(const char* text) { SendMessage(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text)); }
};
