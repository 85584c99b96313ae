// A static splitter: a grid of panes (views or nested splitters) separated by
// bars the user drags. Pane (row, col) is the child with id
// AFX_IDW_PANE_FIRST + 16 * row + col; the last row and column take what the
// others leave.
#pragma once
#include "afx/CDC.h"
#include "afx/CDocument.h"
#include "afx/CView.h"
#include "afx/FrameworkIds.h"
#include <vector>

class CSplitterWnd : public CWnd {
public:
    enum ESplitType { splitBox, splitBar, splitIntersection, splitBorder };

    BOOL CreateStatic(CWnd* parent, int rows, int cols, DWORD style = WS_CHILD | WS_VISIBLE,
                      UINT id = AFX_IDW_PANE_FIRST);
    virtual BOOL CreateView(int row, int col, const CRuntimeClass* viewClass, SIZE initialSize, CCreateContext* context);
    void DeleteView(int row, int col);

    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    int IdFromRowCol(int row, int col) const { return AFX_IDW_PANE_FIRST + row * 16 + col; }
    CWnd* GetPane(int row, int col) const { return FromHandlePermanent(GetDlgItem(IdFromRowCol(row, col))); }
    void SetRowInfo(int row, int ideal, int minimum);
    void SetColumnInfo(int col, int ideal, int minimum);
    void GetRowInfo(int row, int& current, int& minimum) const;
    void GetColumnInfo(int col, int& current, int& minimum) const;

    // The pane holding the frame's active view, or null; row and col may be null.
    CWnd* GetActivePane(int* row = nullptr, int* col = nullptr) const;
    void SetActivePane(int row, int col);
    virtual void RecalcLayout();

protected:

    struct CRowColInfo {
        int nMinSize = 0;
        int nIdealSize = 0;
        int nCurSize = 0;
    };

    virtual BOOL PreCreateWindow(CREATESTRUCTA&) { return TRUE; }
    virtual void OnDrawSplitter(CDC* dc, ESplitType type, const CRect& rect);
    // The client area less the splitter's own border.
    void GetInsideRect(CRect& rect) const;
    void OnPaint();
    void OnSize(UINT type, int cx, int cy);
    BOOL OnSetCursor(HWND window, UINT hitTest, UINT message);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);

    DECLARE_MESSAGE_MAP()

    int m_nMaxRows = 0;
    int m_nMaxCols = 0;
    int m_nRows = 0;
    int m_nCols = 0;
    // One record per row and column, sized for the maximum.
    std::vector<CRowColInfo> m_pRowInfo;
    std::vector<CRowColInfo> m_pColInfo;
    int m_cxSplitter = 7;
    int m_cySplitter = 7;
    int m_cxBorderShare = 1;
    int m_cyBorderShare = 1;
    int m_cxSplitterGap = 7;
    int m_cySplitterGap = 7;
    int m_cxBorder = 2;
    int m_cyBorder = 2;
    BOOL m_bHasHScroll = FALSE;
    BOOL m_bHasVScroll = FALSE;

private:
    // The bar under a client point: a column bar (index >= 0 in `col`) or a row bar; false when none.
    bool HitBar(CPoint point, int& row, int& col) const;
    static void LayOut(std::vector<CRowColInfo>& infos, int count, int start, int end, int gap);

    int m_trackedRow = -1;
    int m_trackedCol = -1;
};
