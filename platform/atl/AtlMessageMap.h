// Message maps of COM objects' windows: the macros write the class's
// ProcessWindowMessage, which tests its entries in order and tells whether a
// handler took the message. A handler may clear `handled` to pass it on.
#pragma once
#include <windows.h>

#define BEGIN_MSG_MAP(theClass)                                                                       \
public:                                                                                               \
    BOOL ProcessWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) \
    {                                                                                                 \
        (void)window;                                                                                 \
        BOOL handled = TRUE;

#define MESSAGE_HANDLER(msg, handler)                                   \
    if (message == (msg)) {                                             \
        handled = TRUE;                                                 \
        result = handler(message, wParam, lParam, handled);             \
        if (handled)                                                    \
            return TRUE;                                                \
    }

#define COMMAND_HANDLER(id, code, handler)                                                          \
    if (message == WM_COMMAND && LOWORD(wParam) == (id) && HIWORD(wParam) == (code)) {               \
        handled = TRUE;                                                                             \
        result = handler(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam), handled);  \
        if (handled)                                                                                \
            return TRUE;                                                                            \
    }

#define NOTIFY_HANDLER(id, notifyCode, handler)                                                                   \
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->idFrom == (id) &&                        \
        reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(notifyCode)) {                              \
        handled = TRUE;                                                                                     \
        result = handler(static_cast<int>(wParam), reinterpret_cast<NMHDR*>(lParam), handled);             \
        if (handled)                                                                                        \
            return TRUE;                                                                                    \
    }

#define CHAIN_MSG_MAP(baseClass)                                                   \
    if (baseClass::ProcessWindowMessage(window, message, wParam, lParam, result))  \
        return TRUE;

#define END_MSG_MAP() \
        return FALSE; \
    }
