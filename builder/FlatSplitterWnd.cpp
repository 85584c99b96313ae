#include "builder/FlatSplitterWnd.h"
#include "afx/CFrameWnd.h"

BEGIN_MESSAGE_MAP(CFlatSplitterWnd, CSplitterWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CFlatSplitterWnd::DisableFlatStyle(BOOL disable)
{
    m_flat = !disable;
}

BOOL CFlatSplitterWnd::PreCreateWindow(CREATESTRUCTA& createStruct)
{
    createStruct.style &= ~(WS_HSCROLL | WS_VSCROLL);
    return CSplitterWnd::PreCreateWindow(createStruct);
}

BOOL CFlatSplitterWnd::SwitchView(int row, int col, CView* view)
{
    CWnd* pane = GetPane(row, col);
    if (!pane || pane == view)
        return FALSE;
    const int paneId = pane->GetDlgCtrlID();
    pane->SetDlgCtrlID(view->GetDlgCtrlID());
    view->SetDlgCtrlID(paneId);
    pane->ShowWindow(SW_HIDE);
    view->ShowWindow(SW_SHOW);
    RecalcLayout();
    return TRUE;
}

BOOL CFlatSplitterWnd::ReplaceView(int row, int col, const CRuntimeClass* viewClass)
{
    CView* old = dynamic_cast<CView*>(GetPane(row, col));
    if (!old || old->IsKindOf(viewClass))
        return FALSE;
    CCreateContext context;
    context.m_pNewViewClass = viewClass;
    context.m_pCurrentDoc = old->GetDocument();
    const int id = old->GetDlgCtrlID();
    const CRowColInfo rowInfo = m_pRowInfo[row];
    const CRowColInfo colInfo = m_pColInfo[col];
    DeleteView(row, col);
    SIZE size = { colInfo.nCurSize, rowInfo.nCurSize };
    if (!CreateView(row, col, viewClass, size, &context))
        return FALSE;
    GetPane(row, col)->SetDlgCtrlID(id);
    SetRowInfo(row, rowInfo.nCurSize, rowInfo.nMinSize);
    SetColumnInfo(col, colInfo.nCurSize, colInfo.nMinSize);
    RecalcLayout();
    return TRUE;
}

// A hidden row's panes wait under the ids of the row index past the next
// one, a hidden column's under the column index past the next one, so a row
// and a column hidden together leave every pane an id of its own. The row
// indices holding panes: the shown rows, then a hidden row's.
int CFlatSplitterWnd::RowSlotCount() const
{
    return m_nRows + (m_hiddenRow >= 0 ? 1 : 0);
}

int CFlatSplitterWnd::RowOfSlot(int slot) const
{
    return slot < m_nRows ? slot : m_nRows + 1;
}

int CFlatSplitterWnd::ColumnSlotCount() const
{
    return m_nCols + (m_hiddenColumn >= 0 ? 1 : 0);
}

int CFlatSplitterWnd::ColumnOfSlot(int slot) const
{
    return slot < m_nCols ? slot : m_nCols + 1;
}

// One row at most is hidden, and the last one stays.
void CFlatSplitterWnd::HideRow(int row)
{
    if (m_hiddenRow >= 0 || row < 0 || row >= m_nRows || m_nRows < 2)
        return;
    m_hiddenRow = row;
    int activeRow = -1, activeCol = -1;
    if (GetActivePane(&activeRow, &activeCol) && activeRow == row)
        SetActivePane(row + 1 < m_nRows ? row + 1 : 0, activeCol);
    for (int slot = 0; slot < ColumnSlotCount(); ++slot) {
        const int col = ColumnOfSlot(slot);
        CWnd* pane = GetPane(row, col);
        pane->ShowWindow(SW_HIDE);
        pane->SetDlgCtrlID(IdFromRowCol(m_nRows, col));
        for (int below = row + 1; below < m_nRows; ++below)
            GetPane(below, col)->SetDlgCtrlID(IdFromRowCol(below - 1, col));
    }
    --m_nRows;
    m_pRowInfo[m_nRows].nCurSize = m_pRowInfo[row].nCurSize;
    RecalcLayout();
}

void CFlatSplitterWnd::ShowRow()
{
    if (m_hiddenRow < 0)
        return;
    const int row = m_hiddenRow;
    m_hiddenRow = -1;
    const int keptSize = m_pRowInfo[m_nRows].nCurSize;
    ++m_nRows;
    for (int slot = 0; slot < ColumnSlotCount(); ++slot) {
        const int col = ColumnOfSlot(slot);
        CWnd* parked = GetPane(m_nRows, col);
        if (col < m_nCols)
            parked->ShowWindow(SW_SHOWNA);
        for (int moved = m_nRows - 2; moved >= row; --moved)
            GetPane(moved, col)->SetDlgCtrlID(IdFromRowCol(moved + 1, col));
        parked->SetDlgCtrlID(IdFromRowCol(row, col));
    }
    for (int below = m_nRows - 1; below > row; --below)
        m_pRowInfo[below].nIdealSize = m_pRowInfo[below - 1].nCurSize;
    m_pRowInfo[row].nIdealSize = keptSize;
    RecalcLayout();
}

void CFlatSplitterWnd::HideColumn(int col)
{
    if (m_hiddenColumn >= 0 || col < 0 || col >= m_nCols || m_nCols < 2)
        return;
    m_hiddenColumn = col;
    int activeRow = -1, activeCol = -1;
    if (GetActivePane(&activeRow, &activeCol) && activeCol == col)
        SetActivePane(activeRow, col + 1 < m_nCols ? col + 1 : 0);
    for (int slot = 0; slot < RowSlotCount(); ++slot) {
        const int row = RowOfSlot(slot);
        CWnd* pane = GetPane(row, col);
        pane->ShowWindow(SW_HIDE);
        pane->SetDlgCtrlID(IdFromRowCol(row, m_nCols));
        for (int right = col + 1; right < m_nCols; ++right)
            GetPane(row, right)->SetDlgCtrlID(IdFromRowCol(row, right - 1));
    }
    --m_nCols;
    m_pColInfo[m_nCols].nCurSize = m_pColInfo[col].nCurSize;
    RecalcLayout();
}

void CFlatSplitterWnd::ShowColumn()
{
    if (m_hiddenColumn < 0)
        return;
    const int col = m_hiddenColumn;
    m_hiddenColumn = -1;
    const int keptSize = m_pColInfo[m_nCols].nCurSize;
    ++m_nCols;
    for (int slot = 0; slot < RowSlotCount(); ++slot) {
        const int row = RowOfSlot(slot);
        CWnd* parked = GetPane(row, m_nCols);
        if (row < m_nRows)
            parked->ShowWindow(SW_SHOWNA);
        for (int moved = m_nCols - 2; moved >= col; --moved)
            GetPane(row, moved)->SetDlgCtrlID(IdFromRowCol(row, moved + 1));
        parked->SetDlgCtrlID(IdFromRowCol(row, col));
    }
    for (int right = m_nCols - 1; right > col; --right)
        m_pColInfo[right].nIdealSize = m_pColInfo[right - 1].nCurSize;
    m_pColInfo[col].nIdealSize = keptSize;
    RecalcLayout();
}

void CFlatSplitterWnd::OnDrawSplitter(CDC* dc, ESplitType type, const CRect& rect)
{
    if (!m_flat) {
        CSplitterWnd::OnDrawSplitter(dc, type, rect);
        return;
    }
    if (!dc) {
        RedrawWindow(&rect, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
        return;
    }
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    CRect inner = rect;
    switch (type) {
    case splitBox:
        dc->Draw3dRect(inner, face, ::GetSysColor(COLOR_WINDOWFRAME));
        ::InflateRect(&inner, -1, -1);
        dc->Draw3dRect(inner, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
        ::InflateRect(&inner, -1, -1);
        dc->FillSolidRect(inner, face);
        break;
    case splitBorder:
        dc->Draw3dRect(inner, face, face);
        ::InflateRect(&inner, -1, -1);
        dc->Draw3dRect(inner, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        break;
    default:
        dc->FillSolidRect(inner, face);
        break;
    }
}

// Bars across the whole grown inside, and their crossings, in button face.
void CFlatSplitterWnd::OnPaint()
{
    if (!m_flat) {
        CSplitterWnd::OnPaint();
        return;
    }
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CRect inside;
    GetInsideRect(inside);
    CRect grown = inside;
    ::InflateRect(&grown, 4, 4);
    if (m_bHasVScroll && m_nRows < m_nMaxRows)
        OnDrawSplitter(&dc, splitBox, CRect(inside.right, client.top, client.right, client.top + m_cySplitter));
    if (m_bHasHScroll && m_nCols < m_nMaxCols)
        OnDrawSplitter(&dc, splitBox, CRect(client.left, inside.bottom, client.left + m_cxSplitter, client.bottom));
    int x = inside.left;
    for (int col = 0; col < m_nCols - 1; ++col) {
        x += m_pColInfo[col].nCurSize;
        OnDrawSplitter(&dc, splitBar, CRect(x, grown.top, x + m_cxSplitter, grown.bottom));
        x += m_cxSplitterGap;
    }
    int y = inside.top;
    for (int row = 0; row < m_nRows - 1; ++row) {
        y += m_pRowInfo[row].nCurSize;
        OnDrawSplitter(&dc, splitBar, CRect(grown.left, y, grown.right, y + m_cySplitter));
        y += m_cySplitterGap;
    }
    ::IntersectClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
    y = inside.top;
    for (int row = 0; row < m_nRows - 1; ++row) {
        y += m_pRowInfo[row].nCurSize + m_cyBorderShare;
        x = inside.left;
        for (int col = 0; col < m_nCols - 1; ++col) {
            x += m_pColInfo[col].nCurSize + m_cxBorderShare;
            OnDrawSplitter(&dc, splitIntersection, CRect(x, y, x + m_cxSplitter, y + m_cySplitter));
            x += m_cxSplitterGap - m_cxBorderShare;
        }
        y += m_cySplitterGap - m_cyBorderShare;
    }
}
