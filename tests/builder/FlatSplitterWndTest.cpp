// The flat splitter's grid: pane ids after taking a row or column out and
// putting it back, and the view switch.
#include "builder/FlatSplitterWnd.h"
#include <gtest/gtest.h>

namespace {
class PaneView : public CView {
    DECLARE_DYNCREATE(PaneView)
};
IMPLEMENT_DYNCREATE(PaneView, CView)

class OtherView : public CView {
    DECLARE_DYNCREATE(OtherView)
};
IMPLEMENT_DYNCREATE(OtherView, CView)

class FlatSplitterWndTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, "STATIC", "", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 500), nullptr, 0));
        ASSERT_TRUE(m_splitter.CreateStatic(&m_parent, 3, 2));
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 2; ++col) {
                ASSERT_TRUE(m_splitter.CreateView(row, col, RUNTIME_CLASS(PaneView), SIZE{ 150, 100 + 10 * row }, nullptr));
                m_panes[row][col] = m_splitter.GetPane(row, col);
            }
        m_splitter.MoveWindow(CRect(0, 0, 580, 460));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    int IdOf(int row, int col) const { return m_panes[row][col]->GetDlgCtrlID(); }
    bool Shown(int row, int col) const { return (m_panes[row][col]->GetStyle() & WS_VISIBLE) != 0; }

    CWnd m_parent;
    CFlatSplitterWnd m_splitter;
    CWnd* m_panes[3][2] = {};
};
}

TEST_F(FlatSplitterWndTest, HidingARowParksItsPanesPastTheGridAndShowingRestoresThem)
{
    int size = 0, minimum = 0;
    m_splitter.GetRowInfo(1, size, minimum);
    EXPECT_EQ(size, 110);

    m_splitter.HideRow(1);
    EXPECT_EQ(m_splitter.GetRowCount(), 2);
    for (int col = 0; col < 2; ++col) {
        EXPECT_EQ(IdOf(1, col), 0xE900 + 3 * 16 + col) << "parked";
        EXPECT_FALSE(m_panes[1][col]->GetStyle() & WS_VISIBLE);
        EXPECT_EQ(IdOf(2, col), 0xE900 + 1 * 16 + col) << "moved one row up";
        EXPECT_EQ(IdOf(0, col), 0xE900 + col);
    }

    m_splitter.ShowRow();
    EXPECT_EQ(m_splitter.GetRowCount(), 3);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 2; ++col)
            EXPECT_EQ(IdOf(row, col), 0xE900 + row * 16 + col) << row << "," << col;
    EXPECT_TRUE(m_panes[1][0]->GetStyle() & WS_VISIBLE);
    m_splitter.GetRowInfo(1, size, minimum);
    EXPECT_EQ(size, 110);
}

TEST_F(FlatSplitterWndTest, HidingAColumnParksItsPanesPastTheGrid)
{
    m_splitter.HideColumn(0);
    EXPECT_EQ(m_splitter.GetColumnCount(), 1);
    EXPECT_EQ(IdOf(2, 0), 0xE900 + 2 * 16 + 2) << "parked";
    EXPECT_EQ(IdOf(2, 1), 0xE900 + 2 * 16 + 0) << "moved one column left";
    m_splitter.ShowColumn();
    EXPECT_EQ(IdOf(2, 0), 0xE900 + 2 * 16 + 0);
    EXPECT_EQ(IdOf(2, 1), 0xE900 + 2 * 16 + 1);
}

TEST_F(FlatSplitterWndTest, SwitchesToAnotherViewButNotToItself)
{
    EXPECT_FALSE(m_splitter.SwitchView(0, 0, static_cast<CView*>(m_panes[0][0])));
    EXPECT_EQ(IdOf(0, 0), 0xE900);

    // A hidden view of the splitter takes the pane's place and id; the pane is parked under the view's id.
    const int spareId = 0xEA00;
    auto* other = static_cast<CView*>(RUNTIME_CLASS(PaneView)->CreateObject());
    ASSERT_TRUE(other->Create(WS_CHILD, CRect(0, 0, 10, 10), &m_splitter, spareId, nullptr));
    EXPECT_TRUE(m_splitter.SwitchView(0, 0, other));
    EXPECT_EQ(other, m_splitter.GetPane(0, 0));
    EXPECT_TRUE(other->GetStyle() & WS_VISIBLE);
    EXPECT_EQ(spareId, m_panes[0][0]->GetDlgCtrlID());
    EXPECT_FALSE(m_panes[0][0]->GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(m_splitter.SwitchView(0, 0, static_cast<CView*>(m_panes[0][0])));
    EXPECT_EQ(m_panes[0][0], m_splitter.GetPane(0, 0));
    EXPECT_EQ(spareId, other->GetDlgCtrlID());
}

TEST_F(FlatSplitterWndTest, ReplacesAViewByOneOfAnotherClassInItsPlace)
{
    EXPECT_FALSE(m_splitter.ReplaceView(0, 0, RUNTIME_CLASS(PaneView))) << "already of that class";
    EXPECT_EQ(m_panes[0][0], m_splitter.GetPane(0, 0));
    int height = 0, minimum = 0;
    m_splitter.GetRowInfo(1, height, minimum);
    EXPECT_TRUE(m_splitter.ReplaceView(1, 1, RUNTIME_CLASS(OtherView)));
    CWnd* replaced = m_splitter.GetPane(1, 1);
    ASSERT_NE(nullptr, replaced);
    EXPECT_NE(nullptr, dynamic_cast<OtherView*>(replaced));
    EXPECT_EQ(0xE900 + 16 + 1, replaced->GetDlgCtrlID());
    int heightAfter = 0;
    m_splitter.GetRowInfo(1, heightAfter, minimum);
    EXPECT_EQ(height, heightAfter) << "the row keeps its size";
}

TEST_F(FlatSplitterWndTest, ShowingWithNothingHiddenAndHidingTwiceChangeNothing)
{
    m_splitter.ShowRow();
    m_splitter.ShowColumn();
    EXPECT_EQ(m_splitter.GetRowCount(), 3);
    EXPECT_EQ(m_splitter.GetColumnCount(), 2);
    m_splitter.HideRow(1);
    m_splitter.HideRow(0);
    EXPECT_EQ(m_splitter.GetRowCount(), 2);
    m_splitter.ShowRow();
    m_splitter.HideColumn(1);
    m_splitter.HideColumn(0);
    EXPECT_EQ(m_splitter.GetColumnCount(), 1);
    m_splitter.ShowColumn();
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 2; ++col)
            EXPECT_EQ(IdOf(row, col), 0xE900 + row * 16 + col) << row << "," << col;
}

TEST_F(FlatSplitterWndTest, ARowAndAColumnHiddenTogetherComeBackInEitherOrder)
{
    for (const bool rowFirst : { true, false }) {
        m_splitter.HideRow(1);
        m_splitter.HideColumn(0);
        EXPECT_EQ(IdOf(0, 1), 0xE900) << "the one pane shown fills the grid";
        EXPECT_EQ(IdOf(2, 1), 0xE900 + 16);
        if (rowFirst)
            m_splitter.ShowRow();
        else
            m_splitter.ShowColumn();
        EXPECT_FALSE(Shown(1, 0)) << "its row or column is still hidden, rowFirst " << rowFirst;
        EXPECT_EQ(rowFirst, Shown(1, 1));
        EXPECT_EQ(!rowFirst, Shown(0, 0));
        if (rowFirst)
            m_splitter.ShowColumn();
        else
            m_splitter.ShowRow();
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 2; ++col) {
                EXPECT_EQ(IdOf(row, col), 0xE900 + row * 16 + col) << row << "," << col << " rowFirst " << rowFirst;
                EXPECT_TRUE(Shown(row, col)) << row << "," << col;
            }
    }
}
