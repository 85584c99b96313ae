// A static splitter that draws its bars flat and can take one row or one
// column out of its grid and put it back, or swap and replace pane views.
// Exported from the program by name.
#pragma once
#include "afx/CSplitterWnd.h"

class __declspec(dllexport) CFlatSplitterWnd : public CSplitterWnd {
public:
    CFlatSplitterWnd() = default;
    ~CFlatSplitterWnd() override = default;

    virtual void DisableFlatStyle(BOOL disable);
    // Shows an existing view in the pane; false when it already is the pane.
    virtual BOOL SwitchView(int row, int col, CView* view);
    // A new view of the class in the pane; false when the pane's view is of that class.
    virtual BOOL ReplaceView(int row, int col, const CRuntimeClass* viewClass);
    // One row and one column at most can be hidden at a time, in any order: a
    // second Hide, and a Show with nothing hidden, do nothing.
    virtual void ShowColumn();
    virtual void HideColumn(int col);
    virtual void ShowRow();
    virtual void HideRow(int row);

    void OnDrawSplitter(CDC* dc, ESplitType type, const CRect& rect) override;
    BOOL PreCreateWindow(CREATESTRUCTA& createStruct) override;
    void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    int RowSlotCount() const;
    int RowOfSlot(int slot) const;
    int ColumnSlotCount() const;
    int ColumnOfSlot(int slot) const;

    int m_hiddenColumn = -1;
    int m_hiddenRow = -1;
    BOOL m_flat = TRUE;
};
