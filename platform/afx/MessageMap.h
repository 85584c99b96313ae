// Message maps: each window class lists the messages it handles in a static
// table of entries, chained to its base class's table. An entry's handler is a
// small function (written by the ON_... macros) that casts the window object to
// the class that declared the table and calls the member with cracked arguments.
#pragma once
#include <windows.h>

class CWnd;

// A parent hands WM_COMMAND, WM_NOTIFY and WM_DRAWITEM of a child control back
// to the control's own object under this offset, so a control class can handle
// its own notifications.
const UINT WM_REFLECT_BASE = 0xBC00;
// Reflected entries under this offset return whether they consumed the
// notification: when they return FALSE the parent handles it as well.
const UINT WM_REFLECT_EX_BASE = 0xBE00;

// The command routing asks a window whether a command is enabled with this
// pseudo-message; it never reaches a window procedure.
const UINT WM_COMMAND_UI = WM_REFLECT_BASE - 1;

class CCmdUI;

typedef LRESULT (*MessageHandler)(CWnd* target, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
    UINT message;  // 0 ends the table
    UINT code;     // notification code of WM_COMMAND and WM_NOTIFY entries
    UINT firstId;  // control id range of WM_COMMAND and WM_NOTIFY entries
    UINT lastId;
    MessageHandler handler;
};

struct CMessageMap {
    const CMessageMap* (*base)();
    const MessageMapEntry* entries;
};

#define DECLARE_MESSAGE_MAP()                       \
protected:                                          \
    static const CMessageMap* GetThisMessageMap();  \
    const CMessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                              \
    const CMessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); }     \
    const CMessageMap* theClass::GetThisMessageMap()                                        \
    {                                                                                       \
        typedef theClass ThisClass;                                                         \
        typedef baseClass TheBaseClass;                                                     \
        static_assert(sizeof(ThisClass*) != 0, "");                                         \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                                   \
            { 0, 0, 0, 0, nullptr } };                                                      \
        static const CMessageMap map = { &TheBaseClass::GetThisMessageMap, entries };       \
        return &map;                                                                        \
    }

#define AFX_HANDLER(body) [](CWnd* wnd, WPARAM wParam, LPARAM lParam) -> LRESULT { \
        ThisClass* self = static_cast<ThisClass*>(wnd); (void)self; (void)wParam; (void)lParam; body }

#define ON_MESSAGE(message, memberFn) \
    { message, 0, 0, 0, AFX_HANDLER(return self->memberFn(wParam, lParam);) },
#define ON_CONTROL(code, id, memberFn) \
    { WM_COMMAND, (UINT)(code), id, id, AFX_HANDLER(self->memberFn(); return 0;) },
#define ON_COMMAND(id, memberFn) ON_CONTROL(0, id, memberFn)
#define ON_BN_CLICKED(id, memberFn) ON_CONTROL(BN_CLICKED, id, memberFn)
#define ON_EN_CHANGE(id, memberFn) ON_CONTROL(EN_CHANGE, id, memberFn)
#define ON_NOTIFY(code, id, memberFn)                                              \
    { WM_NOTIFY, (UINT)(code), id, id, AFX_HANDLER(LRESULT result = 0;             \
        self->memberFn(reinterpret_cast<NMHDR*>(lParam), &result); return result;) },
#define ON_NOTIFY_REFLECT(code, memberFn)                                          \
    { WM_REFLECT_BASE + WM_NOTIFY, (UINT)(code), 0, 0, AFX_HANDLER(LRESULT result = 0; \
        self->memberFn(reinterpret_cast<NMHDR*>(lParam), &result); return result;) },
#define ON_CONTROL_REFLECT_EX(code, memberFn) \
    { WM_REFLECT_EX_BASE + WM_COMMAND, (UINT)(code), 0, 0, AFX_HANDLER(return self->memberFn();) },
#define ON_WM_MEASUREITEM_REFLECT() \
    { WM_REFLECT_BASE + WM_MEASUREITEM, 0, 0, 0, AFX_HANDLER(                      \
        self->MeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)); return TRUE;) },
#define ON_WM_COMPAREITEM_REFLECT() \
    { WM_REFLECT_BASE + WM_COMPAREITEM, 0, 0, 0, AFX_HANDLER(                      \
        return self->CompareItem(reinterpret_cast<COMPAREITEMSTRUCT*>(lParam));) },
// Every WM_CTLCOLOR... of the control; the handler returns the brush to paint with.
#define ON_WM_CTLCOLOR_REFLECT() \
    { WM_REFLECT_BASE + WM_CTLCOLORBTN, 0, 0, 0, AFX_HANDLER(                      \
        return reinterpret_cast<LRESULT>(self->CtlColor(reinterpret_cast<HDC>(wParam)));) },
#define ON_WM_DRAWITEM_REFLECT() \
    { WM_REFLECT_BASE + WM_DRAWITEM, 0, 0, 0, AFX_HANDLER(                         \
        self->DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)); return TRUE;) },

#define ON_WM_CREATE() \
    { WM_CREATE, 0, 0, 0, AFX_HANDLER(return self->OnCreate(reinterpret_cast<CREATESTRUCTA*>(lParam));) },
#define ON_WM_DESTROY() { WM_DESTROY, 0, 0, 0, AFX_HANDLER(self->OnDestroy(); return 0;) },
#define ON_WM_SIZE() \
    { WM_SIZE, 0, 0, 0, AFX_HANDLER(self->OnSize(UINT(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;) },
#define ON_WM_PAINT() { WM_PAINT, 0, 0, 0, AFX_HANDLER(self->OnPaint(); return 0;) },
#define ON_WM_ERASEBKGND() \
    { WM_ERASEBKGND, 0, 0, 0, AFX_HANDLER(return self->OnEraseBkgnd(reinterpret_cast<HDC>(wParam));) },
#define ON_WM_NCHITTEST() \
    { WM_NCHITTEST, 0, 0, 0, AFX_HANDLER(return self->OnNcHitTest(CPoint(lParam));) },
#define ON_WM_GETMINMAXINFO() \
    { WM_GETMINMAXINFO, 0, 0, 0, AFX_HANDLER(self->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam)); return 0;) },
#define ON_WM_SYSCOMMAND() \
    { WM_SYSCOMMAND, 0, 0, 0, AFX_HANDLER(self->OnSysCommand(UINT(wParam), lParam); return 0;) },
#define ON_WM_QUERYDRAGICON() \
    { WM_QUERYDRAGICON, 0, 0, 0, AFX_HANDLER(return reinterpret_cast<LRESULT>(self->OnQueryDragIcon());) },
#define ON_WM_CLOSE() { WM_CLOSE, 0, 0, 0, AFX_HANDLER(self->OnClose(); return 0;) },
#define ON_WM_LBUTTONDBLCLK() \
    { WM_LBUTTONDBLCLK, 0, 0, 0, AFX_HANDLER(self->OnLButtonDblClk(UINT(wParam), CPoint(lParam)); return 0;) },
#define ON_WM_MOUSEMOVE() \
    { WM_MOUSEMOVE, 0, 0, 0, AFX_HANDLER(self->OnMouseMove(UINT(wParam), CPoint(lParam)); return 0;) },
#define ON_WM_SETCURSOR() \
    { WM_SETCURSOR, 0, 0, 0, AFX_HANDLER(                                          \
        return self->OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam));) },
#define ON_WM_KILLFOCUS() \
    { WM_KILLFOCUS, 0, 0, 0, AFX_HANDLER(self->OnKillFocus(reinterpret_cast<HWND>(wParam)); return 0;) },
#define ON_WM_CAPTURECHANGED() \
    { WM_CAPTURECHANGED, 0, 0, 0, AFX_HANDLER(self->OnCaptureChanged(reinterpret_cast<HWND>(lParam)); return 0;) },
#define ON_WM_SYSCOLORCHANGE() { WM_SYSCOLORCHANGE, 0, 0, 0, AFX_HANDLER(self->OnSysColorChange(); return 0;) },
#define ON_CBN_DROPDOWN(id, memberFn) ON_CONTROL(CBN_DROPDOWN, id, memberFn)
#define ON_WM_TIMER() { WM_TIMER, 0, 0, 0, AFX_HANDLER(self->OnTimer(UINT_PTR(wParam)); return 0;) },
#define ON_UPDATE_COMMAND_UI(id, memberFn) \
    { WM_COMMAND_UI, 0, id, id, AFX_HANDLER(self->memberFn(reinterpret_cast<CCmdUI*>(lParam)); return 0;) },
#define ON_WM_LBUTTONDOWN() \
    { WM_LBUTTONDOWN, 0, 0, 0, AFX_HANDLER(self->OnLButtonDown(UINT(wParam), CPoint(lParam)); return 0;) },
#define ON_WM_LBUTTONUP() \
    { WM_LBUTTONUP, 0, 0, 0, AFX_HANDLER(self->OnLButtonUp(UINT(wParam), CPoint(lParam)); return 0;) },
#define ON_WM_HSCROLL() \
    { WM_HSCROLL, 0, 0, 0, AFX_HANDLER(self->OnHScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), reinterpret_cast<HWND>(lParam)); return 0;) },
#define ON_WM_INITMENUPOPUP() \
    { WM_INITMENUPOPUP, 0, 0, 0, AFX_HANDLER(self->OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;) },
#define ON_WM_MENUSELECT() \
    { WM_MENUSELECT, 0, 0, 0, AFX_HANDLER(self->OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam)); return 0;) },
#define ON_WM_MOUSEACTIVATE() \
    { WM_MOUSEACTIVATE, 0, 0, 0, AFX_HANDLER(return self->OnMouseActivate(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam));) },
