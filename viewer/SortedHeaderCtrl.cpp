#include "viewer/SortedHeaderCtrl.h"
#include "viewer/HeadingAlignment.h"
#include "afx/CDC.h"
#include <initializer_list>

namespace {
// Draws a polyline from the first point through the others with a 1-pixel pen of `color`.
void DrawLine(CDC& dc, COLORREF color, std::initializer_list<POINT> points)
{
    HPEN pen = ::CreatePen(PS_SOLID, 1, color);
    HGDIOBJ previous = dc.SelectObject(pen);
    const POINT* point = points.begin();
    dc.MoveTo(point->x, point->y);
    for (++point; point != points.end(); ++point)
        dc.LineTo(point->x, point->y);
    dc.SelectObject(previous);
    ::DeleteObject(pen);
}
}

int CSortedHeaderCtrl::SetSortColumn(int column, BOOL ascending)
{
    int previous = m_sortColumn;
    m_sortColumn = column;
    m_ascending = ascending;
    HDITEMA item = {};
    item.mask = HDI_FORMAT;
    GetItem(column, &item);
    item.fmt |= HDF_OWNERDRAW;
    SetItem(column, &item);
    Invalidate();
    return previous;
}

void CSortedHeaderCtrl::DrawItem(DRAWITEMSTRUCT* item)
{
    CDC dc;
    dc.Attach(item->hDC);
    HGDIOBJ previousFont = dc.SelectObject(GetFont());
    int blankWidth = dc.GetTextExtent(" ").cx;
    dc.FillSolidRect(item->rcItem, ::GetSysColor(COLOR_BTNFACE));
    DrawHeading(dc, static_cast<int>(item->itemID), item->rcItem, blankWidth, (item->itemState & ODS_SELECTED) != 0);
    if (static_cast<int>(item->itemID) == m_sortColumn)
        DrawArrow(dc, item->rcItem, blankWidth);
    dc.SelectObject(previousFont);
    dc.Detach();
}

void CSortedHeaderCtrl::DrawHeading(CDC& dc, int index, RECT textRect, int blankWidth, BOOL pressed)
{
    char text[256] = "";
    HDITEMA heading = {};
    heading.mask = HDI_TEXT | HDI_FORMAT;
    heading.pszText = text;
    heading.cchTextMax = 255;
    GetItem(index, &heading);
    UINT format = HeadingAlignment(heading.fmt) | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (pressed) {
        textRect.left += 1;
        textRect.right += 1;
        textRect.top += 2;
    }
    if (index == m_sortColumn)
        textRect.right -= 6 * blankWidth;
    ::InflateRect(&textRect, -2 * blankWidth, 0);
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(text, &textRect, format);
}

void CSortedHeaderCtrl::DrawArrow(CDC& dc, const RECT& itemRect, int w)
{
    const int R = itemRect.right;
    const int B = itemRect.bottom;
    COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_ascending) {
        DrawLine(dc, highlight, { { R - 4 * w, 2 * w - 1 }, { R - 3 * w, B - 2 * w }, { R - 5 * w - 2, B - 2 * w } });
        DrawLine(dc, shadow, { { R - 5 * w - 1, B - 2 * w - 1 }, { R - 4 * w, 2 * w - 2 } });
    } else {
        DrawLine(dc, highlight, { { R - 3 * w, 2 * w - 1 }, { R - 4 * w - 1, B - 2 * w + 1 } });
        DrawLine(dc, shadow, { { R - 4 * w - 1, B - 2 * w }, { R - 5 * w - 1, 2 * w - 1 }, { R - 3 * w, 2 * w - 1 } });
    }
}
