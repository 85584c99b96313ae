#include "afx/CWnd.h"
#include "afx/CCmdUI.h"
#include "afx/CDataExchange.h"
#include "afx/CFrameWnd.h"
#include <mutex>
#include <unordered_map>

namespace {
// Which object owns which window. Kept in the process: a window property would
// cost a round trip to the window server on every message (Wine).
std::mutex g_objectsLock;
std::unordered_map<HWND, CWnd*> g_objects;

thread_local CWnd* t_windowToHook = nullptr;
thread_local HHOOK t_creationHook = nullptr;

UINT CommandId(WPARAM wParam) { return LOWORD(wParam); }
UINT CommandCode(WPARAM wParam) { return HIWORD(wParam); }

bool EntryMatches(const MessageMapEntry& entry, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (entry.message != message)
        return false;
    switch (message) {
    case WM_COMMAND:
        return entry.code == CommandCode(wParam) && entry.firstId <= CommandId(wParam) && CommandId(wParam) <= entry.lastId;
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        return entry.code == header->code && entry.firstId <= header->idFrom && header->idFrom <= entry.lastId;
    }
    case WM_REFLECT_BASE + WM_NOTIFY:
        return entry.code == reinterpret_cast<const NMHDR*>(lParam)->code;
    case WM_REFLECT_BASE + WM_COMMAND:
    case WM_REFLECT_EX_BASE + WM_COMMAND:
        return entry.code == CommandCode(wParam);
    case WM_COMMAND_UI:
        return entry.firstId <= wParam && wParam <= entry.lastId;
    default:
        return true;
    }
}

bool IsControlColorMessage(UINT message)
{
    return WM_CTLCOLORMSGBOX <= message && message <= WM_CTLCOLORSTATIC;
}

// The child control a notification, owner-draw or control-colour message comes from, or null.
HWND NotifyingChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsControlColorMessage(message))
        return reinterpret_cast<HWND>(lParam);
    switch (message) {
    case WM_COMMAND:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM: {
        // Controls may have id 0 (a list view's header has): tell menus by their type.
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        const MEASUREITEMSTRUCT* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        return item->CtlType != ODT_MENU ? ::GetDlgItem(parent, static_cast<int>(wParam)) : nullptr;
    }
    case WM_COMPAREITEM:
        return reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->hwndItem;
    default:
        return nullptr;
    }
}
}

CWnd::~CWnd()
{
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        UnsubclassWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND window)
{
    std::lock_guard<std::mutex> guard(g_objectsLock);
    auto found = g_objects.find(window);
    return found != g_objects.end() ? found->second : nullptr;
}

BOOL CWnd::Attach(HWND window)
{
    if (!window)
        return FALSE;
    m_hWnd = window;
    std::lock_guard<std::mutex> guard(g_objectsLock);
    g_objects[window] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND window = m_hWnd;
    if (window) {
        std::lock_guard<std::mutex> guard(g_objectsLock);
        g_objects.erase(window);
    }
    m_hWnd = nullptr;
    return window;
}

BOOL CWnd::SubclassWindow(HWND window)
{
    if (!Attach(window))
        return FALSE;
    PreSubclassWindow();
    // PreSubclassWindow may have put a window of its own in the given one's place.
    m_previousProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StdWndProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, id));
}

HWND CWnd::UnsubclassWindow()
{
    if (m_previousProc)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previousProc));
    m_previousProc = nullptr;
    return Detach();
}

namespace {
void ReadWindowText(HWND window, CString& text)
{
    int length = ::GetWindowTextLengthA(window);
    ::GetWindowTextA(window, text.GetBufferSetLength(length), length + 1);
    text.ReleaseBuffer();
}
}

void CWnd::GetWindowText(CString& text) const
{
    ReadWindowText(m_hWnd, text);
}

void CWnd::GetItemText(int id, CString& text) const
{
    ReadWindowText(::GetDlgItem(m_hWnd, id), text);
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add)
{
    DWORD style = GetStyle();
    DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(changed));
    return TRUE;
}

BOOL CWnd::UpdateData(BOOL save)
{
    CDataExchange exchange(this, save);
    DoDataExchange(&exchange);
    return TRUE;
}

void CWnd::WinHelp(DWORD_PTR, UINT) {}

void CWnd::DoDataExchange(CDataExchange*) {}

const CMessageMap* CWnd::GetThisMessageMap()
{
    static const MessageMapEntry entries[] = { { 0, 0, 0, 0, nullptr } };
    static const CMessageMap map = { nullptr, entries };
    return &map;
}

const CMessageMap* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

LRESULT CWnd::Default()
{
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_previousProc)
        return ::CallWindowProcA(m_previousProc, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CurrentMessage outer = m_current;
    m_current = { message, wParam, lParam };
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    m_current = outer;
    return result;
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return ReflectToChild(message, wParam, lParam, result) || DispatchToMap(message, wParam, lParam, result);
}

// A control's own object gets the first chance at its notifications.
bool CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    CWnd* child = FromHandlePermanent(NotifyingChild(m_hWnd, message, wParam, lParam));
    return child && child != this && child->OnChildNotify(message, wParam, lParam, result);
}

// Every control-colour message is reflected as WM_CTLCOLORBTN, so one entry serves a control.
bool CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (DispatchToMap(WM_REFLECT_EX_BASE + message, wParam, lParam, result))
        return *result != FALSE;
    UINT reflected = IsControlColorMessage(message) ? WM_CTLCOLORBTN : message;
    return DispatchToMap(WM_REFLECT_BASE + reflected, wParam, lParam, result);
}

const MessageMapEntry* CWnd::FindEntry(UINT message, WPARAM wParam, LPARAM lParam) const
{
    for (const CMessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr)
        for (const MessageMapEntry* entry = map->entries; entry->message; ++entry)
            if (EntryMatches(*entry, message, wParam, lParam))
                return entry;
    return nullptr;
}

bool CWnd::DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const MessageMapEntry* entry = FindEntry(message, wParam, lParam);
    if (!entry)
        return false;
    *result = entry->handler(this, wParam, lParam);
    return true;
}

bool CWnd::OnCmdMsg(UINT id, CCmdUI* update)
{
    LRESULT result = 0;
    if (!update)
        return DispatchToMap(WM_COMMAND, MAKEWPARAM(id, 0), 0, &result);
    if (DispatchToMap(WM_COMMAND_UI, id, reinterpret_cast<LPARAM>(update), &result))
        return true;
    if (!FindEntry(WM_COMMAND, MAKEWPARAM(id, 0), 0))
        return false;
    update->Enable(TRUE);
    return true;
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, const RECT& rect,
                    HWND parent, UINT idOrMenu, void* createParam)
{
    HookNextWindowCreation(this);
    HWND window = ::CreateWindowExA(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                                    rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(idOrMenu)),
                                    ::GetModuleHandleA(nullptr), createParam);
    UnhookWindowCreation();
    return window != nullptr;
}

CFrameWnd* CWnd::GetParentFrame() const
{
    for (HWND window = ::GetParent(m_hWnd); window; window = ::GetParent(window))
        if (CFrameWnd* frame = dynamic_cast<CFrameWnd*>(FromHandlePermanent(window)))
            return frame;
    return nullptr;
}

BOOL CWnd::WalkPreTranslateTree(HWND last, MSG* message)
{
    for (HWND window = message->hwnd; window; window = ::GetParent(window)) {
        CWnd* object = FromHandlePermanent(window);
        if (object && object->PreTranslateMessage(message))
            return TRUE;
        if (window == last)
            break;
    }
    return FALSE;
}

BOOL CWnd::GetClientRectOfItem(int id, RECT* rect) const
{
    HWND item = GetDlgItem(id);
    if (!item || !::GetWindowRect(item, rect))
        return FALSE;
    ScreenToClient(rect);
    return TRUE;
}

LRESULT CALLBACK CWnd::StdWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* object = FromHandlePermanent(window);
    if (!object)
        return ::DefWindowProcA(window, message, wParam, lParam);
    LRESULT result = object->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        object->UnsubclassWindow();
        object->PostNcDestroy();
    }
    return result;
}

void CWnd::HookNextWindowCreation(CWnd* owner)
{
    t_windowToHook = owner;
    if (!t_creationHook)
        t_creationHook = ::SetWindowsHookExA(WH_CBT, &CreationHook, nullptr, ::GetCurrentThreadId());
}

void CWnd::UnhookWindowCreation()
{
    t_windowToHook = nullptr;
    if (t_creationHook)
        ::UnhookWindowsHookEx(t_creationHook);
    t_creationHook = nullptr;
}

LRESULT CALLBACK CWnd::CreationHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_windowToHook) {
        CWnd* owner = t_windowToHook;
        UnhookWindowCreation();
        owner->SubclassWindow(reinterpret_cast<HWND>(wParam));
        return 0;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
