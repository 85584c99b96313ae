// The state of one command's user-interface item (a menu item or a toolbar
// button) while the command routing asks its handlers whether it is enabled.
#pragma once
#include <windows.h>

class CCmdUI {
public:
    UINT m_nID = 0;
    // The menu holding the item, or the toolbar holding the button; the other is null.
    HMENU m_hMenu = nullptr;
    HWND m_hToolBar = nullptr;

    void Enable(BOOL on = TRUE);
};
