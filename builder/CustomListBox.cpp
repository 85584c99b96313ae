#include "builder/CustomListBox.h"
#include "afx/CDC.h"
#include "drawing/MemDC.h"
#include <commctrl.h>

BEGIN_MESSAGE_MAP(CCustomListBox, CListBox)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

namespace {
const COLORREF kLinkColour = RGB(0, 0, 127);
const COLORREF kGrey = RGB(128, 128, 128);
const COLORREF kLightGrey = RGB(192, 192, 192);

SIZE TextExtent(HDC dc, const CString& text)
{
    SIZE size = {};
    ::GetTextExtentPoint32A(dc, text, text.GetLength(), &size);
    return size;
}
}

CCustomListBox::CCustomListBox()
{
    LoadHandCursor();
}

CCustomListBox::~CCustomListBox()
{
    if (m_handCursor)
        ::DestroyCursor(m_handCursor);
}

void CCustomListBox::LoadHandCursor()
{
    char folder[MAX_PATH] = "";
    ::GetWindowsDirectoryA(folder, MAX_PATH);
    if (HMODULE help = ::LoadLibraryA(CString(folder) + "\\winhlp32.exe")) {
        if (HCURSOR cursor = ::LoadCursorA(help, MAKEINTRESOURCEA(106)))
            m_handCursor = static_cast<HCURSOR>(::CopyImage(cursor, IMAGE_CURSOR, 0, 0, 0));
        ::FreeLibrary(help);
    }
    // Without the help program's hand the system's own stands in: a missing
    // cursor would leave the pointer invisible over every value.
    if (!m_handCursor)
        m_handCursor = static_cast<HCURSOR>(::CopyImage(::LoadCursorA(nullptr, IDC_HAND), IMAGE_CURSOR, 0, 0, 0));
}

void CCustomListBox::InitControl()
{
    // The list box sets its own cursor.
    ::SetClassLongPtrA(m_hWnd, GCLP_HCURSOR, 0);
    LOGFONTA font = {};
    ::GetObjectA(GetFont() ? GetFont() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)), sizeof font, &font);
    font.lfUnderline = TRUE;
    m_underlinedFont.CreateFontIndirect(&font);
    m_toolTip = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, m_hWnd, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
}

BOOL CCustomListBox::PreTranslateMessage(MSG* message)
{
    if (m_toolTip)
        ::SendMessageA(m_toolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(message));
    return CListBox::PreTranslateMessage(message);
}

// The records of the old lines go, and so does every pointer to them.
void CCustomListBox::ClearHotSpots()
{
    m_hotSpot = nullptr;
    m_drawnHotSpot = nullptr;
    m_hotSpots.clear();
}

void CCustomListBox::Rebuild()
{
    Empty();
    OnBeforeRebuild();
    for (int line = 0; line < GetLineCount(); ++line) {
        MeasureLine(line);
        AddString(GetLineText(line));
    }
}

void CCustomListBox::Empty()
{
    ResetContent();
    ClearHotSpots();
}

int CCustomListBox::ElementWidth(HDC dc, int line, int element, const CString& text)
{
    const bool plain = IsLiteralElement(line, element) || IsDisabledElement(line, element);
    HGDIOBJ previous = plain ? nullptr : ::SelectObject(dc, m_underlinedFont);
    const int width = TextExtent(dc, text).cx;
    if (previous)
        ::SelectObject(dc, previous);
    return width;
}

// Each value's area is where DrawElements puts it: after the line's three
// blanks, its own blank and its text, each in the font it is drawn with.
void CCustomListBox::MeasureLine(int line)
{
    if (IsPlainLine(line)) {
        m_hotSpots.emplace_back();
        return;
    }
    auto spots = std::make_unique<LineHotSpots>();
    HDC dc = ::GetDC(m_hWnd);
    const int mapMode = ::SetMapMode(dc, MM_TEXT);
    HGDIOBJ previousFont = ::SelectObject(dc, GetFont());
    const int blank = TextExtent(dc, " ").cx;
    int x = TextExtent(dc, "   ").cx;
    for (int element = 0; element < GetElementCount(line); ++element) {
        const int width = blank + ElementWidth(dc, line, element, GetElementText(line, element));
        auto spot = std::make_unique<HotSpot>(HotSpot{ line, element, x, x + width });
        BindHotSpot(spot.get());
        spots->push_back(std::move(spot));
        x += width;
    }
    ::SelectObject(dc, previousFont);
    ::SetMapMode(dc, mapMode);
    ::ReleaseDC(m_hWnd, dc);
    m_hotSpots.push_back(std::move(spots));
}

CCustomListBox::HotSpot* CCustomListBox::HotSpotFromPoint(int x, int y)
{
    BOOL outside = TRUE;
    int line = static_cast<int>(ItemFromPoint(CPoint(x, y), outside));
    if (GetCount() == 0 || outside || line < 0 || line >= static_cast<int>(m_hotSpots.size()) || !m_hotSpots[line])
        return nullptr;
    for (const std::unique_ptr<HotSpot>& spot : *m_hotSpots[line])
        if (spot->left < x && x < spot->right)
            return IsLiteralElement(line, spot->element) ? nullptr : spot.get();
    return nullptr;
}

void CCustomListBox::OnMouseMove(UINT, CPoint point)
{
    Default();
    m_hotSpot = HotSpotFromPoint(point.x, point.y);
    if (m_hotSpot && m_arrowShown && m_handCursor) {
        ::SetCursor(m_handCursor);
        m_arrowShown = false;
    } else if (!m_hotSpot && !m_arrowShown) {
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
        m_arrowShown = true;
    }
    if (m_hotSpot != m_drawnHotSpot) {
        RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
        m_drawnHotSpot = m_hotSpot;
    }
}

void CCustomListBox::OnPaint()
{
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    CMemDC memory(&paint, client);
    CRect clip;
    ::GetClipBox(memory.m_hDC, &clip);
    memory.FillSolidRect(clip, ::GetSysColor(COLOR_WINDOW));
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memory.m_hDC), 0);
}

void CCustomListBox::DrawItem(DRAWITEMSTRUCT* item)
{
    if (item->itemID == static_cast<UINT>(-1))
        return;
    CDC dc;
    dc.Attach(item->hDC);
    const int line = static_cast<int>(item->itemID);
    if (IsPlainLine(line)) {
        const CString text = GetText(line);
        dc.SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
        dc.SetBkColor(::GetSysColor(COLOR_WINDOW));
        ::ExtTextOutA(dc, item->rcItem.left, item->rcItem.top, ETO_OPAQUE, &item->rcItem, text, text.GetLength(), nullptr);
    } else {
        DrawElements(dc, *item);
    }
    dc.Detach();
}

void CCustomListBox::DrawElements(CDC& dc, const DRAWITEMSTRUCT& item)
{
    const int line = static_cast<int>(item.itemID);
    const bool disabled = !::IsWindowEnabled(m_hWnd) || m_disabled;
    const COLORREF background = ::GetSysColor(COLOR_WINDOW);
    COLORREF literal = disabled ? kGrey : ::GetSysColor(COLOR_WINDOWTEXT);
    if (literal == background)
        literal = kLightGrey;
    CRect clip;
    ::GetWindowRect(m_hWnd, &clip);
    ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&clip), 2);

    HGDIOBJ font = ::SelectObject(dc, GetFont());
    int x = item.rcItem.left;
    dc.SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    dc.SetBkColor(background);
    ::ExtTextOutA(dc, x, item.rcItem.top, ETO_OPAQUE, &item.rcItem, "   ", 3, nullptr);
    x += TextExtent(dc, "   ").cx;
    for (int element = 0; element < GetElementCount(line); ++element) {
        dc.SetTextColor(literal);
        dc.SetBkColor(background);
        ::ExtTextOutA(dc, x, item.rcItem.top, 0, nullptr, " ", 1, nullptr);
        const int blank = TextExtent(dc, " ").cx;
        const CString text = GetElementText(line, element);
        const bool plain = IsLiteralElement(line, element) || IsDisabledElement(line, element);
        HGDIOBJ previous = nullptr;
        if (plain) {
            dc.SetTextColor(literal);
        } else {
            previous = ::SelectObject(dc, m_underlinedFont);
            const bool hovered = m_hotSpot && m_hotSpot->line == line && m_hotSpot->element == element;
            const bool set = IsElementSet(line, element);
            if (hovered) {
                dc.SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
                dc.SetBkColor(set && disabled ? kGrey : kLinkColour);
            } else {
                dc.SetTextColor(set ? ::GetSysColor(COLOR_WINDOWTEXT) : kLinkColour);
            }
        }
        ::ExtTextOutA(dc, x + blank, item.rcItem.top, ETO_CLIPPED, &clip, text, text.GetLength(), nullptr);
        const int width = TextExtent(dc, text).cx;
        if (previous)
            ::SelectObject(dc, previous);
        x += blank + width;
    }
    ::SelectObject(dc, font);
}
