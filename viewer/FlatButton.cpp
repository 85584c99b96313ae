#include "viewer/FlatButton.h"
#include "drawing/MemDC.h"
#include "afx/AfxResources.h"

namespace {
const int kIconMargin = 3;
const int kFocusInset = 3;
const UINT kToolId = 1;

COLORREF SystemColor(int index) { return ::GetSysColor(index); }
}

BEGIN_MESSAGE_MAP(CFlatButton, CButton)
    ON_WM_CAPTURECHANGED()
    ON_WM_SETCURSOR()
    ON_WM_KILLFOCUS()
    ON_WM_MOUSEMOVE()
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_SYSCOLORCHANGE()
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
    ON_WM_DRAWITEM_REFLECT()
    ON_MESSAGE(WM_LBUTTONDBLCLK, OnDoubleClick)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CFlatButton::CFlatButton()
    : m_backgroundNormal(SystemColor(COLOR_BTNFACE)), m_backgroundHover(SystemColor(COLOR_BTNFACE)),
      m_textNormal(SystemColor(COLOR_BTNTEXT)), m_textHover(SystemColor(COLOR_BTNTEXT))
{
}

CFlatButton::~CFlatButton()
{
    DestroyIcons();
    if (m_hoverCursor)
        ::DestroyCursor(m_hoverCursor);
    DropBackground();
}

BOOL CFlatButton::SetBtnCursor(int cursorId)
{
    if (m_hoverCursor)
        ::DestroyCursor(m_hoverCursor);
    m_hoverCursor = nullptr;
    if (cursorId == -1)
        return FALSE;
    m_hoverCursor = static_cast<HCURSOR>(
        ::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(cursorId), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    return m_hoverCursor != nullptr;
}

// The hover icon may be the normal one: each handle is destroyed once.
void CFlatButton::DestroyIcons()
{
    if (m_hoverIcon && m_hoverIcon != m_icon)
        ::DestroyIcon(m_hoverIcon);
    if (m_icon)
        ::DestroyIcon(m_icon);
    m_icon = nullptr;
    m_hoverIcon = nullptr;
}

void CFlatButton::SetIcon(HICON icon, HICON hoverIcon)
{
    DestroyIcons();
    m_icon = icon;
    m_hoverIcon = hoverIcon ? hoverIcon : icon;
    MeasureIcon();
    Redraw();
}

void CFlatButton::SetIcon(UINT iconId, UINT hoverIconId)
{
    HINSTANCE resources = AfxGetResourceHandle();
    HICON icon = static_cast<HICON>(::LoadImageA(resources, MAKEINTRESOURCEA(iconId), IMAGE_ICON, 0, 0, 0));
    HICON hoverIcon = hoverIconId ? static_cast<HICON>(::LoadImageA(resources, MAKEINTRESOURCEA(hoverIconId), IMAGE_ICON, 0, 0, 0))
                                  : nullptr;
    SetIcon(icon, hoverIcon);
}

// An icon's size is twice its hot spot.
void CFlatButton::MeasureIcon()
{
    m_iconWidth = 0;
    m_iconHeight = 0;
    ICONINFO info = {};
    if (!m_icon || !::GetIconInfo(m_icon, &info))
        return;
    m_iconWidth = static_cast<int>(info.xHotspot * 2);
    m_iconHeight = static_cast<int>(info.yHotspot * 2);
    if (info.hbmMask)
        ::DeleteObject(info.hbmMask);
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
}

void CFlatButton::Redraw()
{
    if (m_hWnd)
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// A button set up before it has a window has nothing to repaint yet; an
// invalidation of no window would repaint every window on the desktop.
void CFlatButton::Repaint()
{
    if (m_hWnd)
        Invalidate();
}

void CFlatButton::SetFlat(BOOL flat)
{
    m_flat = flat != FALSE;
    Repaint();
}

void CFlatButton::SetAlign(int alignment)
{
    if (alignment == kIconLeft || alignment == kIconAbove || alignment == kIconRight)
        m_alignment = alignment;
    Repaint();
}

void CFlatButton::SetDrawText(BOOL drawText)
{
    m_drawText = drawText != FALSE;
    Repaint();
}

void CFlatButton::SetDrawBorder(BOOL drawBorder)
{
    m_drawBorder = drawBorder != FALSE;
    Repaint();
}

void CFlatButton::SetColor(COLORREF& field, COLORREF color, BOOL redraw)
{
    field = color;
    if (redraw)
        Repaint();
}

void CFlatButton::SetBackgroundColor(COLORREF color, BOOL redraw)
{
    SetColor(m_backgroundNormal, color, redraw);
}

void CFlatButton::SetHoverBackgroundColor(COLORREF color, BOOL redraw)
{
    SetColor(m_backgroundHover, color, redraw);
}

void CFlatButton::SetTextColor(COLORREF color, BOOL redraw)
{
    SetColor(m_textNormal, color, redraw);
}

void CFlatButton::SetHoverTextColor(COLORREF color, BOOL redraw)
{
    SetColor(m_textHover, color, redraw);
}

// One tool covers the button's client area.
void CFlatButton::SetTooltipText(const char* text, BOOL activate)
{
    if (!text || !m_hWnd)
        return;
    if (!m_toolTip.m_hWnd && !m_toolTip.Create(this))
        return;
    if (m_toolTip.GetToolCount() == 0)
        m_toolTip.AddTool(this, text, nullptr, kToolId);
    m_toolTip.UpdateTipText(text, this, kToolId);
    m_toolTip.Activate(activate);
}

void CFlatButton::SetTooltipText(UINT textId, BOOL activate)
{
    CString text;
    text.LoadString(textId);
    SetTooltipText(text, activate);
}

void CFlatButton::DrawTransparent(BOOL redraw)
{
    m_transparent = true;
    DropBackground();
    if (redraw)
        Repaint();
}

BOOL CFlatButton::PreTranslateMessage(MSG* message)
{
    if (m_toolTip.m_hWnd)
        m_toolTip.RelayEvent(message);
    return CButton::PreTranslateMessage(message);
}

void CFlatButton::PreSubclassWindow()
{
    UINT style = GetStyle();
    m_isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    SetButtonStyle((style & ~BS_TYPEMASK) | BS_OWNERDRAW, FALSE);
    CButton::PreSubclassWindow();
}

// The hover starts when the mouse first moves over a flat button and ends
// when it moves off it; the capture is held in between, but not taken from
// a press that started elsewhere.
void CFlatButton::OnMouseMove(UINT flags, CPoint point)
{
    CButton::OnMouseMove(flags, point);
    bool leftButtonDown = (flags & MK_LBUTTON) != 0;
    if ((leftButtonDown && !m_hovering) || !m_flat)
        return;
    if (GetCapture() != m_hWnd && ::GetParent(m_hWnd)) {
        m_hovering = true;
        SetCapture();
        Invalidate();
        return;
    }
    POINT screen = point;
    ::ClientToScreen(m_hWnd, &screen);
    if (::WindowFromPoint(screen) == m_hWnd)
        return;
    if (m_hovering) {
        m_hovering = false;
        Invalidate();
    }
    if (!leftButtonDown)
        ::ReleaseCapture();
}

void CFlatButton::OnCaptureChanged(HWND window)
{
    if (m_hovering) {
        m_hovering = false;
        Invalidate();
    }
    CButton::OnCaptureChanged(window);
}

BOOL CFlatButton::OnSetCursor(HWND window, UINT hitTest, UINT message)
{
    if (!m_hoverCursor)
        return CButton::OnSetCursor(window, hitTest, message);
    ::SetCursor(m_hoverCursor);
    return TRUE;
}

void CFlatButton::OnKillFocus(HWND window)
{
    CButton::OnKillFocus(window);
    if (m_flat && m_hovering) {
        m_hovering = false;
        Invalidate();
    }
}

void CFlatButton::OnSysColorChange()
{
    CButton::OnSysColorChange();
    DropBackground();
}

HBRUSH CFlatButton::CtlColor(HDC)
{
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

// The parent gets the click as well.
BOOL CFlatButton::OnClicked()
{
    if (m_isCheckBox) {
        m_checked = !m_checked;
        Invalidate();
    }
    return FALSE;
}

// The tool tip is a window of its own, which would outlive the button until
// the dialog goes.
void CFlatButton::OnDestroy()
{
    if (m_toolTip.m_hWnd)
        m_toolTip.DestroyWindow();
    CButton::OnDestroy();
}

LRESULT CFlatButton::OnDoubleClick(WPARAM flags, LPARAM point)
{
    return DefWindowProc(WM_LBUTTONDOWN, flags, point);
}

// Drawn off-screen and copied to the button in one go, so it does not flicker.
void CFlatButton::DrawItem(DRAWITEMSTRUCT* item)
{
    CDC target;
    target.Attach(item->hDC);
    CRect rect(item->rcItem);
    {
        CMemDC memory(&target, rect);
        bool pressed = (item->itemState & ODS_SELECTED) || (m_isCheckBox && m_checked);
        DrawFace(memory, rect, pressed, (item->itemState & ODS_FOCUS) != 0);
    }
    target.Detach();
}

void CFlatButton::DrawFace(CDC& dc, CRect rect, bool pressed, bool focused)
{
    if (!m_flat && (focused || m_isDefault)) {
        dc.FrameRect(rect, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::InflateRect(&rect, -1, -1);
    }
    if (m_transparent)
        PaintParentBackground(dc, rect);
    else
        dc.FillSolidRect(rect, m_hovering || pressed ? m_backgroundHover : m_backgroundNormal);
    DrawBevel(dc, rect, pressed);
    CRect textSpace = DrawIcon(dc, rect, pressed);
    if (m_drawText)
        DrawCaption(dc, textSpace, pressed);
    if (focused && (!m_flat || m_drawBorder)) {
        CRect focus(rect);
        ::InflateRect(&focus, -kFocusInset, -kFocusInset);
        dc.DrawFocusRect(focus);
    }
}

void CFlatButton::DrawBevel(CDC& dc, const CRect& rect, bool pressed)
{
    if (pressed) {
        if (m_flat && m_drawBorder)
            dc.Draw3dRect(rect, SystemColor(COLOR_BTNSHADOW), SystemColor(COLOR_BTNHIGHLIGHT));
        else
            dc.FrameRect(rect, ::GetSysColorBrush(COLOR_BTNSHADOW));
        return;
    }
    if (!m_flat) {
        CRect inner(rect);
        dc.Draw3dRect(rect, SystemColor(COLOR_BTNHIGHLIGHT), SystemColor(COLOR_3DDKSHADOW));
        ::InflateRect(&inner, -1, -1);
        dc.Draw3dRect(inner, SystemColor(COLOR_3DLIGHT), SystemColor(COLOR_BTNSHADOW));
    } else if (m_hovering && m_drawBorder) {
        dc.Draw3dRect(rect, SystemColor(COLOR_BTNHIGHLIGHT), SystemColor(COLOR_BTNSHADOW));
    }
}

CRect CFlatButton::DrawIcon(CDC& dc, const CRect& rect, bool pressed)
{
    CRect space(rect);
    HICON icon = m_hovering ? m_hoverIcon : m_icon;
    if (!icon)
        return space;
    int shift = pressed ? 1 : 0;
    int x = 0;
    int y = 0;
    switch (m_alignment) {
    case kIconAbove:
        x = rect.left + (rect.Width() - m_iconWidth) / 2;
        y = rect.top + kIconMargin;
        space.top = y + m_iconHeight;
        break;
    case kIconRight:
        x = rect.right - kIconMargin - m_iconWidth;
        y = rect.top + (rect.Height() - m_iconHeight) / 2;
        space.right = x;
        break;
    default:
        x = rect.left + kIconMargin;
        y = rect.top + (rect.Height() - m_iconHeight) / 2;
        space.left = x + m_iconWidth;
        break;
    }
    ::DrawIconEx(dc, x + shift, y + shift, icon, m_iconWidth, m_iconHeight, 0, nullptr, DI_NORMAL);
    return space;
}

// The caption is centred in the space the icon leaves.
void CFlatButton::DrawCaption(CDC& dc, const CRect& space, bool pressed)
{
    char text[256] = "";
    ::GetWindowTextA(m_hWnd, text, sizeof text);
    HGDIOBJ previousFont = dc.SelectObject(GetFont());
    CRect measured(0, 0, space.Width(), space.Height());
    dc.DrawText(text, &measured, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    CRect place(measured);
    place.OffsetRect(space.left + (space.Width() - measured.Width()) / 2, space.top + (space.Height() - measured.Height()) / 2);
    if (pressed)
        place.OffsetRect(1, 1);
    dc.SetBkMode(TRANSPARENT);
    if (::IsWindowEnabled(m_hWnd)) {
        dc.SetTextColor(m_hovering || pressed ? m_textHover : m_textNormal);
        dc.DrawText(text, &place, DT_WORDBREAK | DT_CENTER);
    } else {
        POINT at = { place.left, place.top };
        SIZE size = { place.Width(), place.Height() };
        dc.DrawState(at, size, text, DST_TEXT | DSS_DISABLED);
    }
    dc.SelectObject(previousFont);
}

// The parent's client area under the button is copied once and kept.
void CFlatButton::PaintParentBackground(CDC& dc, const CRect& rect)
{
    if (!m_backgroundDC.m_hDC) {
        HWND parent = ::GetParent(m_hWnd);
        CRect onParent;
        GetWindowRect(&onParent);
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&onParent), 2);
        HDC parentDC = ::GetDC(parent);
        CDC source;
        source.Attach(parentDC);
        m_backgroundDC.CreateCompatibleDC(&source);
        m_background.CreateCompatibleBitmap(&source, onParent.Width(), onParent.Height());
        m_oldBitmap = m_backgroundDC.SelectObject(m_background);
        m_backgroundDC.BitBlt(0, 0, onParent.Width(), onParent.Height(), &source, onParent.left, onParent.top, SRCCOPY);
        source.Detach();
        ::ReleaseDC(parent, parentDC);
    }
    dc.BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &m_backgroundDC, rect.left, rect.top, SRCCOPY);
}

void CFlatButton::DropBackground()
{
    if (!m_backgroundDC.m_hDC)
        return;
    m_backgroundDC.SelectObject(m_oldBitmap);
    m_backgroundDC.DeleteDC();
    m_background.DeleteObject();
    m_oldBitmap = nullptr;
}
