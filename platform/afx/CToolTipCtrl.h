// Wrapper of a tool tip control. Create makes the window, owned by the given
// window; the tool tip goes when its owner's top-level window goes.
#pragma once
#include "afx/CWnd.h"
#include <commctrl.h>

class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* owner);
    // One tool: `rect` of `window` (its whole client area when null), known by `id`.
    BOOL AddTool(CWnd* window, const char* text, const RECT* rect = nullptr, UINT_PTR id = 0);
    void UpdateTipText(const char* text, CWnd* window, UINT_PTR id = 0);
    void Activate(BOOL activate) { SendMessage(TTM_ACTIVATE, activate); }
    void RelayEvent(MSG* message) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(message)); }
    int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }

private:
    static TTTOOLINFOA ToolInfo(CWnd* window, UINT_PTR id, const char* text);
};
