// Wrapper of a date and time picker control.
#pragma once
#include "afx/CWnd.h"
#include <commctrl.h>

class CDateTimeCtrl : public CWnd {
public:
    BOOL SetFormat(const char* format) { return static_cast<BOOL>(SendMessage(DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(format))); }
    // GDT_VALID with the time, or GDT_NONE when the picker's check box is cleared.
    DWORD GetTime(SYSTEMTIME* time) const { return static_cast<DWORD>(SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(time))); }
    BOOL SetTime(const SYSTEMTIME& time) { return static_cast<BOOL>(SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time))); }
    // Clears the check box of a picker that can show no value. The time is
    // not read, but Wine's picker ignores the request without one.
    BOOL SetNone()
    {
        SYSTEMTIME unused = {};
        return static_cast<BOOL>(SendMessage(DTM_SETSYSTEMTIME, GDT_NONE, reinterpret_cast<LPARAM>(&unused)));
    }
};
