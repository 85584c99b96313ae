// The results list's header: marks the sort column with an arrow that points
// up for ascending and down for descending order.
#pragma once
#include "afx/CHeaderCtrl.h"

class CDC;

class CSortedHeaderCtrl : public CHeaderCtrl {
public:
    // Returns the previous sort column. Columns once marked stay owner-drawn.
    int SetSortColumn(int column, BOOL ascending);
    int GetSortColumn() const { return m_sortColumn; }
    BOOL IsSortAscending() const { return m_ascending; }

    void DrawItem(DRAWITEMSTRUCT* item) override;

private:
    void DrawHeading(CDC& dc, int item, RECT textRect, int blankWidth, BOOL pressed);
    void DrawArrow(CDC& dc, const RECT& itemRect, int blankWidth);

    int m_sortColumn = -1;
    BOOL m_ascending = TRUE;
};
