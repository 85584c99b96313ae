#include "afx/CFrameWnd.h"
#include "afx/AfxResources.h"
#include "afx/CCmdUI.h"
#include "afx/CWinApp.h"
#include "afx/FrameworkIds.h"
#include <commctrl.h>

IMPLEMENT_DYNAMIC_BASE(CFrameWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_MESSAGE(WM_EXITMENULOOP, OnExitMenuLoop)
END_MESSAGE_MAP()

namespace {
const char kFrameClass[] = "AfxFrameWnd";

struct IdSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchId(HWND window, LPARAM address)
{
    IdSearch& search = *reinterpret_cast<IdSearch*>(address);
    if (::GetDlgCtrlID(window) != search.id)
        return TRUE;
    search.found = window;
    return FALSE;
}

BOOL CALLBACK UpdateView(HWND window, LPARAM)
{
    if (CView* view = dynamic_cast<CView*>(CWnd::FromHandlePermanent(window)))
        view->OnInitialUpdate();
    return TRUE;
}

// The part of a "prompt\ntip" string before or after its line break.
CString PromptPart(const CString& text, bool tip)
{
    int lineBreak = text.Find('\n');
    if (lineBreak < 0)
        return tip ? CString() : text;
    return tip ? text.Mid(lineBreak + 1) : text.Left(lineBreak);
}
}

void CFrameWnd::OnHelp()
{
    AfxGetApp()->WinHelp(0, HELP_CONTEXT);
}

void CFrameWnd::OnHelpFinder()
{
    AfxGetApp()->WinHelp(0, HELP_FINDER);
}

HWND CFrameWnd::FindDescendant(int id) const
{
    IdSearch search = { id, nullptr };
    ::EnumChildWindows(m_hWnd, &MatchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context)
{
    HINSTANCE resources = AfxGetResourceHandle();
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hIcon = ::LoadIconA(resources, MAKEINTRESOURCEA(resourceId));
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFrameClass;
    ::RegisterClassA(&windowClass);

    CString title = LoadText(resourceId);
    title = title.Left(title.Find('\n') < 0 ? title.GetLength() : title.Find('\n'));
    CREATESTRUCTA createStruct = {};
    createStruct.style = style;
    createStruct.x = createStruct.y = createStruct.cx = createStruct.cy = CW_USEDEFAULT;
    if (!PreCreateWindow(createStruct))
        return FALSE;
    m_accelerators = ::LoadAcceleratorsA(resources, MAKEINTRESOURCEA(resourceId));
    HMENU menu = ::LoadMenuA(resources, MAKEINTRESOURCEA(resourceId));
    HookNextWindowCreation(this);
    HWND window = ::CreateWindowExA(createStruct.dwExStyle, kFrameClass, title, createStruct.style, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent ? parent->m_hWnd : nullptr, menu,
                                    ::GetModuleHandleA(nullptr), context);
    UnhookWindowCreation();
    return window != nullptr;
}

int CFrameWnd::OnCreate(CREATESTRUCTA* createStruct)
{
    if (Default() == -1)
        return -1;
    if (!OnCreateClient(createStruct, static_cast<CCreateContext*>(createStruct->lpCreateParams)))
        return -1;
    return 0;
}

BOOL CFrameWnd::OnCreateClient(CREATESTRUCTA*, CCreateContext* context)
{
    if (!context || !context->m_pNewViewClass)
        return TRUE;
    CView* view = static_cast<CView*>(context->m_pNewViewClass->CreateObject());
    return view && view->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST, context);
}

void CFrameWnd::InitialUpdateFrame()
{
    ::EnumChildWindows(m_hWnd, &UpdateView, 0);
    RecalcLayout();
}

// Control bars take the top and bottom edges; the pane fills the rest.
void CFrameWnd::RecalcLayout()
{
    CRect client;
    GetClientRect(&client);
    for (UINT barId : { AFX_IDW_REBAR, AFX_IDW_STATUS_BAR }) {
        HWND bar = GetDlgItem(barId);
        if (!bar || !::IsWindowVisible(bar))
            continue;
        ::SendMessageA(bar, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
        CRect barRect;
        ::GetWindowRect(bar, &barRect);
        if (barId == AFX_IDW_REBAR) {
            ::MoveWindow(bar, client.left, client.top, client.Width(), barRect.Height(), TRUE);
            client.top += barRect.Height();
        } else {
            ::MoveWindow(bar, client.left, client.bottom - barRect.Height(), client.Width(), barRect.Height(), TRUE);
            client.bottom -= barRect.Height();
        }
    }
    if (HWND pane = GetDlgItem(AFX_IDW_PANE_FIRST))
        ::MoveWindow(pane, client.left, client.top, client.Width(), client.Height(), TRUE);
}

void CFrameWnd::OnSize(UINT, int, int)
{
    Default();
    RecalcLayout();
}

bool CFrameWnd::OnCmdMsg(UINT id, CCmdUI* update)
{
    if (m_activeView && m_activeView->OnCmdMsg(id, update))
        return true;
    if (CWnd::OnCmdMsg(id, update))
        return true;
    CWinApp* application = AfxGetApp();
    return application && application->OnCmdMsg(id, update);
}

// Menu, accelerator and toolbar commands are routed, and the toolbar's tips
// answered; everything else reaches the map as usual.
LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && IsRoutedCommand(reinterpret_cast<HWND>(lParam))) {
        OnCmdMsg(LOWORD(wParam), nullptr);
        return 0;
    }
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == TTN_GETDISPINFOA)
        return OnToolTipText(reinterpret_cast<NMTTDISPINFOA*>(lParam));
    return CWnd::WindowProc(message, wParam, lParam);
}

bool CFrameWnd::IsRoutedCommand(HWND source)
{
    return !source || ::GetDlgCtrlID(source) == AFX_IDW_TOOLBAR;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* message)
{
    return m_accelerators && ::TranslateAcceleratorA(m_hWnd, m_accelerators, message);
}

void CFrameWnd::UpdateCommandUI(CCmdUI& item)
{
    if (!OnCmdMsg(item.m_nID, &item))
        item.Enable(FALSE);
}

void CFrameWnd::OnInitMenuPopup(HMENU menu, UINT, BOOL systemMenu)
{
    Default();
    if (systemMenu)
        return;
    for (int index = 0; index < ::GetMenuItemCount(menu); ++index) {
        UINT id = ::GetMenuItemID(menu, index);
        if (id == 0 || id == static_cast<UINT>(-1))
            continue;
        CCmdUI item;
        item.m_nID = id;
        item.m_hMenu = menu;
        UpdateCommandUI(item);
    }
}

void CFrameWnd::OnMenuSelect(UINT id, UINT flags, HMENU menu)
{
    m_inMenu = menu != nullptr;
    bool command = !(flags & (MF_POPUP | MF_SEPARATOR)) && flags != 0xFFFF;
    ShowPrompt(command ? id : AFX_IDS_IDLEMESSAGE);
}

LRESULT CFrameWnd::OnExitMenuLoop(WPARAM, LPARAM)
{
    m_inMenu = false;
    ShowPrompt(AFX_IDS_IDLEMESSAGE);
    return 0;
}

void CFrameWnd::ShowPrompt(UINT id)
{
    if (id == m_shownPrompt)
        return;
    m_shownPrompt = id;
    SetMessageText(PromptPart(LoadText(id), false));
}

void CFrameWnd::SetMessageText(const char* text)
{
    if (HWND statusBar = GetDlgItem(AFX_IDW_STATUS_BAR))
        ::SendMessageA(statusBar, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text));
}

void CFrameWnd::OnIdleUpdate()
{
    if (HWND toolBar = FindDescendant(AFX_IDW_TOOLBAR)) {
        int count = static_cast<int>(::SendMessageA(toolBar, TB_BUTTONCOUNT, 0, 0));
        for (int index = 0; index < count; ++index) {
            TBBUTTON button = {};
            ::SendMessageA(toolBar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button));
            if (button.fsStyle & BTNS_SEP)
                continue;
            CCmdUI item;
            item.m_nID = static_cast<UINT>(button.idCommand);
            item.m_hToolBar = toolBar;
            UpdateCommandUI(item);
        }
    }
    if (!m_inMenu)
        ShowPrompt(AFX_IDS_IDLEMESSAGE);
}

// The toolbar's tips are the part of each command's string after its line break.
LRESULT CFrameWnd::OnToolTipText(NMTTDISPINFOA* info)
{
    CString tip = PromptPart(LoadText(static_cast<UINT>(info->hdr.idFrom)), true);
    lstrcpynA(info->szText, tip, sizeof info->szText);
    return 0;
}

void CFrameWnd::PostNcDestroy()
{
    CWinApp* application = AfxGetApp();
    if (application && application->m_pMainWnd == this) {
        application->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    delete this;
}
