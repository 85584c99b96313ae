// Owner of a menu handle; destroys a menu it created or was given.
#pragma once
#include <windows.h>

class CMenu {
public:
    CMenu() = default;
    ~CMenu() { DestroyMenu(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    HMENU GetSafeHmenu() const { return m_hMenu; }

    BOOL CreatePopupMenu() { return Attach(::CreatePopupMenu()); }
    BOOL Attach(HMENU menu) { m_hMenu = menu; return menu != nullptr; }
    HMENU Detach() { HMENU menu = m_hMenu; m_hMenu = nullptr; return menu; }
    BOOL DestroyMenu();

    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr) { return ::AppendMenuA(m_hMenu, flags, id, text); }
    UINT EnableMenuItem(UINT item, UINT flags) { return ::EnableMenuItem(m_hMenu, item, flags); }
    // With TPM_RETURNCMD: the chosen command id, 0 when none.
    BOOL TrackPopupMenu(UINT flags, int x, int y, HWND owner) { return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner, nullptr); }
};
