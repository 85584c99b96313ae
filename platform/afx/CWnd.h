// A window object over an HWND. Windows created or subclassed through it
// dispatch their messages through the class's message map; whatever no entry
// handles goes to the window's previous procedure. The object never destroys
// the window on its own; it lets go of it when the window is destroyed.
#pragma once
#include "afx/CRect.h"
#include "afx/CString.h"
#include "afx/MessageMap.h"

class CCmdUI;
class CDataExchange;
class CFrameWnd;

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }

    // The object that subclassed or created this window, or null.
    static CWnd* FromHandlePermanent(HWND window);

    BOOL Attach(HWND window);
    HWND Detach();
    BOOL SubclassWindow(HWND window);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    // Creates the window and makes it this object's from its first message on.
    BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, const RECT& rect,
                  HWND parent, UINT idOrMenu, void* createParam = nullptr);
    BOOL DestroyWindow() { return ::DestroyWindow(m_hWnd); }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const { return ::SendMessageA(m_hWnd, message, wParam, lParam); }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const { return ::PostMessageA(m_hWnd, message, wParam, lParam); }

    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }
    BOOL ModifyStyle(DWORD remove, DWORD add);
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    CWnd* GetParent() const { return FromHandlePermanent(::GetParent(m_hWnd)); }
    // The nearest frame window above this one, or null.
    CFrameWnd* GetParentFrame() const;
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    // The whole text, read at the length the window reports.
    void GetWindowText(CString& text) const;
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL IsZoomed() const { return ::IsZoomed(m_hWnd); }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
    HICON SetIcon(HICON icon, BOOL big) { return reinterpret_cast<HICON>(SendMessage(WM_SETICON, big, reinterpret_cast<LPARAM>(icon))); }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
    void SetRedraw(BOOL redraw = TRUE) { SendMessage(WM_SETREDRAW, redraw); }

    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    BOOL RedrawWindow(const RECT* rect, HRGN region, UINT flags) { return ::RedrawWindow(m_hWnd, rect, region, flags); }
    void MoveWindow(const RECT& rect, BOOL repaint = TRUE)
    {
        ::MoveWindow(m_hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
    }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    int SetDlgCtrlID(int id) { return static_cast<int>(::SetWindowLongPtrA(m_hWnd, GWLP_ID, id)); }
    HWND SetFocus() { return ::SetFocus(m_hWnd); }

    // Dialog items by id: enable one, its rectangle in this window's client coordinates, set its text.
    BOOL EnableItem(int id, BOOL enable = TRUE) { return ::EnableWindow(GetDlgItem(id), enable); }
    BOOL GetClientRectOfItem(int id, RECT* rect) const;
    void SetItemText(int id, const char* text) { ::SetDlgItemTextA(m_hWnd, id, text); }
    // The item's whole text, however long.
    void GetItemText(int id, CString& text) const;

    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
    void ScreenToClient(RECT* rect) const { ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(rect), 2); }
    BOOL SetWindowPos(HWND after, int x, int y, int cx, int cy, UINT flags) { return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags); }
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }

    // Mouse capture; ReleaseCapture is the Win32 call itself.
    HWND SetCapture() { return ::SetCapture(m_hWnd); }
    static HWND GetCapture() { return ::GetCapture(); }

    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs) { return ::SetTimer(m_hWnd, id, elapseMs, nullptr); }
    BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }

    // Moves data between the controls (save = FALSE) and the object's members (save = TRUE).
    BOOL UpdateData(BOOL save = TRUE);
    virtual void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);

    // Runs the handler of a menu, toolbar or accelerator command (update null),
    // or lets its update handler set the item's state; false when this window has neither.
    // An item with a handler but no update handler is enabled.
    virtual bool OnCmdMsg(UINT id, CCmdUI* update);
    // A message loop's look at a message before it is dispatched; true when it was handled here.
    virtual BOOL PreTranslateMessage(MSG*) { return FALSE; }
    // Offers the message to the objects of its window and of that window's
    // parents, up to and including `last` (to the top when null); true when one
    // of them handled it.
    static BOOL WalkPreTranslateTree(HWND last, MSG* message);

    // Handles a notification the parent reflected back to this control; true when handled.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

protected:
    static const CMessageMap* GetThisMessageMap();
    virtual const CMessageMap* GetMessageMap() const;

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void DoDataExchange(CDataExchange* exchange);
    virtual void PreSubclassWindow() {}
    virtual void PostNcDestroy() {}

    // The previous procedure's handling of the message being dispatched.
    LRESULT Default();
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Default handling for the handlers derived classes override.
    int OnCreate(CREATESTRUCTA*) { return static_cast<int>(Default()); }
    void OnDestroy() { Default(); }
    void OnSize(UINT, int, int) { Default(); }
    void OnPaint() { Default(); }
    BOOL OnEraseBkgnd(HDC) { return static_cast<BOOL>(Default()); }
    LRESULT OnNcHitTest(CPoint) { return Default(); }
    void OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
    void OnSysCommand(UINT, LPARAM) { Default(); }
    void OnClose() { Default(); }
    void OnLButtonDblClk(UINT, CPoint) { Default(); }
    void OnTimer(UINT_PTR) { Default(); }
    void OnMouseMove(UINT, CPoint) { Default(); }
    void OnLButtonDown(UINT, CPoint) { Default(); }
    void OnLButtonUp(UINT, CPoint) { Default(); }
    BOOL OnSetCursor(HWND, UINT, UINT) { return static_cast<BOOL>(Default()); }
    void OnHScroll(UINT, int, HWND) { Default(); }
    int OnMouseActivate(HWND, UINT, UINT) { return static_cast<int>(Default()); }
    void OnKillFocus(HWND) { Default(); }
    void OnCaptureChanged(HWND) { Default(); }
    void OnSysColorChange() { Default(); }

    static LRESULT CALLBACK StdWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Makes the next window this thread creates belong to `owner` from its first message on.
    static void HookNextWindowCreation(CWnd* owner);
    static void UnhookWindowCreation();

private:
    struct CurrentMessage { UINT message; WPARAM wParam; LPARAM lParam; };

    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    bool DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    const MessageMapEntry* FindEntry(UINT message, WPARAM wParam, LPARAM lParam) const;
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);

    WNDPROC m_previousProc = nullptr;
    CurrentMessage m_current = {};
};
