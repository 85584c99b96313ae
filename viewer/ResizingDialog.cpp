#include "viewer/ResizingDialog.h"
#include "afx/CDC.h"
#include "afx/CWinApp.h"

namespace {
const char kWidthEntry[] = "CX";
const char kHeightEntry[] = "CY";
}

BEGIN_MESSAGE_MAP(CResizingDialog, CDialog)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_NCHITTEST()
    ON_WM_GETMINMAXINFO()
    ON_WM_DESTROY()
    ON_WM_CREATE()
END_MESSAGE_MAP()

CResizingDialog::CResizingDialog(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

void CResizingDialog::AddControl(UINT id, UINT flags)
{
    if (flags != 0)
        m_anchors.push_back((flags << 16) | id);
}

void CResizingDialog::GetProfileSection(CString& section)
{
    section.Format("%x", GetTemplateId());
}

int CResizingDialog::OnCreate(CREATESTRUCTA* create)
{
    if (CDialog::OnCreate(create) == -1)
        return -1;
    m_minimumSize = { create->cx, create->cy };
    return 0;
}

BOOL CResizingDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_rememberSize) {
        CString section;
        GetProfileSection(section);
        int width = static_cast<int>(AfxGetApp()->GetProfileInt(section, kWidthEntry, 0));
        int height = static_cast<int>(AfxGetApp()->GetProfileInt(section, kHeightEntry, 0));
        if (width != 0 && height != 0)
            SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    }
    return FALSE;
}

void CResizingDialog::OnSize(UINT type, int cx, int cy)
{
    CDialog::OnSize(type, cx, cy);
    if (type == SIZE_MINIMIZED)
        return;
    if (m_lastClientSize.cx != 0 || m_lastClientSize.cy != 0) {
        m_resized = true;
        MoveAnchoredControls(cx - m_lastClientSize.cx, cy - m_lastClientSize.cy);
    }
    m_lastClientSize = { cx, cy };
    if (m_drawGrip)
        InvalidateRect(&m_gripRect);
}

void CResizingDialog::MoveAnchoredControls(int widthChange, int heightChange)
{
    for (DWORD anchor : m_anchors) {
        HWND control = GetDlgItem(LOWORD(anchor));
        UINT flags = HIWORD(anchor);
        if (!control || flags == 0)
            continue;
        CRect rect;
        ::GetWindowRect(control, &rect);
        ScreenToClient(&rect);
        InvalidateRect(&rect);
        if (flags & kStretchWidth)
            rect.right += widthChange;
        else if (flags & kMoveRight)
            rect.OffsetRect(widthChange, 0);
        if (flags & kStretchHeight)
            rect.bottom += heightChange;
        else if (flags & kMoveDown)
            rect.OffsetRect(0, heightChange);
        ::MoveWindow(control, rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
    }
}

void CResizingDialog::OnGetMinMaxInfo(MINMAXINFO* info)
{
    if (m_minimumSize.cx != 0 || m_minimumSize.cy != 0)
        info->ptMinTrackSize = { m_minimumSize.cx, m_minimumSize.cy };
    else
        CDialog::OnGetMinMaxInfo(info);
}

void CResizingDialog::OnPaint()
{
    CDialog::OnPaint();
    if (!m_drawGrip || IsZoomed())
        return;
    CRect client;
    GetClientRect(&client);
    m_gripRect = GripSquare(client);
    CClientDC dc(this);
    dc.DrawFrameControl(&m_gripRect, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

RECT CResizingDialog::GripSquare(const RECT& outer)
{
    return CRect(outer.right - ::GetSystemMetrics(SM_CXHSCROLL), outer.bottom - ::GetSystemMetrics(SM_CYVSCROLL),
                 outer.right, outer.bottom);
}

LRESULT CResizingDialog::OnNcHitTest(CPoint point)
{
    LRESULT hit = CDialog::OnNcHitTest(point);
    if (hit != HTCLIENT || !m_drawGrip)
        return hit;
    CRect window;
    GetWindowRect(&window);
    RECT grip = GripSquare(window);
    return ::PtInRect(&grip, point) ? HTBOTTOMRIGHT : hit;
}

void CResizingDialog::OnDestroy()
{
    if (m_rememberSize && m_resized && (m_lastClientSize.cx != 0 || m_lastClientSize.cy != 0)) {
        CString section;
        GetProfileSection(section);
        CRect window;
        GetWindowRect(&window);
        AfxGetApp()->WriteProfileInt(section, kWidthEntry, window.Width());
        AfxGetApp()->WriteProfileInt(section, kHeightEntry, window.Height());
    }
    m_minimumSize = {};
    m_lastClientSize = {};
    m_resized = false;
    CDialog::OnDestroy();
}
