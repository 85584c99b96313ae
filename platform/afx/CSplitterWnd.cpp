#include "afx/CSplitterWnd.h"
#include "afx/CFrameWnd.h"

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {
const char kSplitterClass[] = "AfxSplitter";
}

BOOL CSplitterWnd::CreateStatic(CWnd* parent, int rows, int cols, DWORD style, UINT id)
{
    m_nRows = m_nMaxRows = rows;
    m_nCols = m_nMaxCols = cols;
    // One record more than the grid holds: a hidden row or column keeps its size there.
    m_pRowInfo.assign(rows + 1, CRowColInfo());
    m_pColInfo.assign(cols + 1, CRowColInfo());
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kSplitterClass;
    ::RegisterClassA(&windowClass);
    CREATESTRUCTA createStruct = {};
    createStruct.style = style | WS_CLIPCHILDREN;
    if (!PreCreateWindow(createStruct))
        return FALSE;
    return CreateEx(0, kSplitterClass, "", createStruct.style, CRect(0, 0, 0, 0), parent->m_hWnd, id);
}

BOOL CSplitterWnd::CreateView(int row, int col, const CRuntimeClass* viewClass, SIZE initialSize, CCreateContext* context)
{
    m_pColInfo[col].nIdealSize = initialSize.cx;
    m_pRowInfo[row].nIdealSize = initialSize.cy;
    CView* view = static_cast<CView*>(viewClass->CreateObject());
    if (!view)
        return FALSE;
    const CRect rect(0, 0, initialSize.cx, initialSize.cy);
    // A view whose window failed has deleted itself.
    return view->Create(WS_CHILD | WS_VISIBLE, rect, this, IdFromRowCol(row, col), context);
}

void CSplitterWnd::DeleteView(int row, int col)
{
    CWnd* pane = GetPane(row, col);
    if (!pane)
        return;
    CFrameWnd* frame = GetParentFrame();
    if (frame && frame->GetActiveView() == pane)
        frame->SetActiveView(nullptr);
    pane->DestroyWindow();
}

void CSplitterWnd::SetRowInfo(int row, int ideal, int minimum)
{
    m_pRowInfo[row].nIdealSize = ideal;
    m_pRowInfo[row].nMinSize = minimum;
}

void CSplitterWnd::SetColumnInfo(int col, int ideal, int minimum)
{
    m_pColInfo[col].nIdealSize = ideal;
    m_pColInfo[col].nMinSize = minimum;
}

void CSplitterWnd::GetRowInfo(int row, int& current, int& minimum) const
{
    current = m_pRowInfo[row].nCurSize;
    minimum = m_pRowInfo[row].nMinSize;
}

void CSplitterWnd::GetColumnInfo(int col, int& current, int& minimum) const
{
    current = m_pColInfo[col].nCurSize;
    minimum = m_pColInfo[col].nMinSize;
}

CWnd* CSplitterWnd::GetActivePane(int* row, int* col) const
{
    CFrameWnd* frame = GetParentFrame();
    CView* view = frame ? frame->GetActiveView() : nullptr;
    if (!view || ::GetParent(view->m_hWnd) != m_hWnd)
        return nullptr;
    const int id = view->GetDlgCtrlID() - AFX_IDW_PANE_FIRST;
    if (id < 0 || id / 16 >= m_nRows || id % 16 >= m_nCols)
        return nullptr;
    if (row)
        *row = id / 16;
    if (col)
        *col = id % 16;
    return view;
}

void CSplitterWnd::SetActivePane(int row, int col)
{
    CView* view = dynamic_cast<CView*>(GetPane(row, col));
    if (!view)
        return;
    if (CFrameWnd* frame = view->GetParentFrame())
        frame->SetActiveView(view);
    view->SetFocus();
}

void CSplitterWnd::GetInsideRect(CRect& rect) const
{
    GetClientRect(&rect);
    ::InflateRect(&rect, -m_cxBorder, -m_cyBorder);
}

// Every row or column but the last gets its ideal size while room is left; the
// last one gets the rest.
void CSplitterWnd::LayOut(std::vector<CRowColInfo>& infos, int count, int start, int end, int gap)
{
    int position = start;
    for (int index = 0; index < count; ++index) {
        int room = end - position;
        if (room < 0)
            room = 0;
        int size = index == count - 1 ? room : infos[index].nIdealSize;
        if (size > room)
            size = room;
        if (size < infos[index].nMinSize && index != count - 1)
            size = 0;
        infos[index].nCurSize = size;
        position += size + gap;
    }
}

void CSplitterWnd::RecalcLayout()
{
    CRect inside;
    GetInsideRect(inside);
    LayOut(m_pColInfo, m_nCols, inside.left, inside.right, m_cxSplitterGap);
    LayOut(m_pRowInfo, m_nRows, inside.top, inside.bottom, m_cySplitterGap);
    int y = inside.top;
    for (int row = 0; row < m_nRows; ++row) {
        int x = inside.left;
        for (int col = 0; col < m_nCols; ++col) {
            if (HWND pane = GetDlgItem(IdFromRowCol(row, col)))
                ::MoveWindow(pane, x, y, m_pColInfo[col].nCurSize, m_pRowInfo[row].nCurSize, TRUE);
            x += m_pColInfo[col].nCurSize + m_cxSplitterGap;
        }
        y += m_pRowInfo[row].nCurSize + m_cySplitterGap;
    }
    Invalidate();
}

void CSplitterWnd::OnDrawSplitter(CDC* dc, ESplitType type, const CRect& rect)
{
    if (!dc) {
        RedrawWindow(&rect, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
        return;
    }
    switch (type) {
    case splitBorder:
        dc->Draw3dRect(rect, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        break;
    case splitBox:
        dc->Draw3dRect(rect, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_WINDOWFRAME));
        break;
    default:
        dc->FillSolidRect(rect, ::GetSysColor(COLOR_BTNFACE));
        break;
    }
}

// A sunken border around every pane and a raised bar between them.
void CSplitterWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect inside;
    GetInsideRect(inside);
    int y = inside.top;
    for (int row = 0; row < m_nRows; ++row) {
        int x = inside.left;
        for (int col = 0; col < m_nCols; ++col) {
            CRect cell(x, y, x + m_pColInfo[col].nCurSize, y + m_pRowInfo[row].nCurSize);
            ::InflateRect(&cell, m_cxBorder, m_cyBorder);
            OnDrawSplitter(&dc, splitBorder, cell);
            x += m_pColInfo[col].nCurSize + m_cxSplitterGap;
        }
        y += m_pRowInfo[row].nCurSize + m_cySplitterGap;
    }
}

bool CSplitterWnd::HitBar(CPoint point, int& row, int& col) const
{
    CRect inside;
    GetInsideRect(inside);
    row = col = -1;
    int x = inside.left;
    for (int index = 0; index < m_nCols - 1; ++index) {
        x += m_pColInfo[index].nCurSize;
        if (point.x >= x && point.x < x + m_cxSplitterGap)
            col = index;
        x += m_cxSplitterGap;
    }
    int y = inside.top;
    for (int index = 0; index < m_nRows - 1; ++index) {
        y += m_pRowInfo[index].nCurSize;
        if (point.y >= y && point.y < y + m_cySplitterGap)
            row = index;
        y += m_cySplitterGap;
    }
    return row >= 0 || col >= 0;
}

void CSplitterWnd::OnSize(UINT, int, int)
{
    Default();
    RecalcLayout();
}

BOOL CSplitterWnd::OnSetCursor(HWND window, UINT hitTest, UINT)
{
    CPoint point;
    ::GetCursorPos(&point);
    ::ScreenToClient(m_hWnd, &point);
    int row = -1, col = -1;
    if (window != m_hWnd || hitTest != HTCLIENT || !HitBar(point, row, col))
        return static_cast<BOOL>(Default());
    ::SetCursor(::LoadCursorA(nullptr, col >= 0 ? IDC_SIZEWE : IDC_SIZENS));
    return TRUE;
}

void CSplitterWnd::OnLButtonDown(UINT, CPoint point)
{
    if (!HitBar(point, m_trackedRow, m_trackedCol))
        return;
    ::SetCapture(m_hWnd);
}

// The row or column before the dragged bar ends where the mouse was let go.
void CSplitterWnd::OnLButtonUp(UINT, CPoint point)
{
    if (m_trackedRow < 0 && m_trackedCol < 0)
        return;
    ::ReleaseCapture();
    CRect inside;
    GetInsideRect(inside);
    if (m_trackedCol >= 0) {
        int start = inside.left;
        for (int index = 0; index < m_trackedCol; ++index)
            start += m_pColInfo[index].nCurSize + m_cxSplitterGap;
        m_pColInfo[m_trackedCol].nIdealSize = point.x > start ? point.x - start : 0;
    }
    if (m_trackedRow >= 0) {
        int start = inside.top;
        for (int index = 0; index < m_trackedRow; ++index)
            start += m_pRowInfo[index].nCurSize + m_cySplitterGap;
        m_pRowInfo[m_trackedRow].nIdealSize = point.y > start ? point.y - start : 0;
    }
    m_trackedRow = m_trackedCol = -1;
    RecalcLayout();
}
