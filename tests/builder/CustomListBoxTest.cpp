// The owner-drawn list box of elements: which value lies under the mouse,
// and that a rebuild lets go of the records of the old lines.
#include "builder/CustomListBox.h"
#include <gtest/gtest.h>

namespace {
// Two lines: "Select <value> in view" and a plain line.
class TwoLineList : public CCustomListBox {
public:
    HotSpot* Hovered() const { return m_hotSpot; }

protected:
    void OnBeforeRebuild() override {}
    int GetLineCount() override { return 2; }
    int GetElementCount(int line) override { return line == 0 ? 3 : 0; }
    CString GetElementText(int, int element) override { return element == 1 ? "pathnames" : (element == 0 ? "Select" : "in view"); }
    void BindHotSpot(HotSpot*) override {}
    bool IsLiteralElement(int, int element) override { return element != 1; }
    bool IsDisabledElement(int, int) override { return false; }
    bool IsElementSet(int, int) override { return false; }
    bool IsPlainLine(int line) override { return line == 1; }
    CString GetLineText(int line) override { return line == 0 ? "Select pathnames in view" : "A plain line"; }
};

class CustomListBoxTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 500, 300), nullptr, 0));
        HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                                    0, 0, 480, 280, m_parent, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(m_list.SubclassWindow(list));
        m_list.InitControl();
        m_list.Rebuild();
        ASSERT_EQ(m_list.GetCount(), 2);
        CRect first;
        m_list.GetItemRect(0, &first);
        m_middle = (first.top + first.bottom) / 2;
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    // The x of the middle of the line's value: after the literal "Select".
    int ValueX()
    {
        HDC dc = GetDC(m_list);
        SelectObject(dc, m_list.GetFont() ? m_list.GetFont() : GetStockObject(DEFAULT_GUI_FONT));
        SIZE select = {}, value = {};
        GetTextExtentPoint32A(dc, " Select", 7, &select);
        GetTextExtentPoint32A(dc, " pathnames", 10, &value);
        ReleaseDC(m_list, dc);
        return select.cx + value.cx / 2 + 4;
    }

    CWnd m_parent;
    TwoLineList m_list;
    int m_middle = 0;
};
}

TEST_F(CustomListBoxTest, FindsTheValueUnderThePointAndNothingElse)
{
    CCustomListBox::HotSpot* value = m_list.HotSpotFromPoint(ValueX(), m_middle);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->line, 0);
    EXPECT_EQ(value->element, 1);
    EXPECT_EQ(m_list.HotSpotFromPoint(2, m_middle), nullptr) << "literal text";
    CRect plain;
    m_list.GetItemRect(1, &plain);
    EXPECT_EQ(m_list.HotSpotFromPoint(ValueX(), (plain.top + plain.bottom) / 2), nullptr) << "a plain line";
    EXPECT_EQ(m_list.HotSpotFromPoint(ValueX(), 270), nullptr) << "below the lines";
}

// Wine's help program has no hand cursor: the system's stands in, so the
// pointer never disappears over a value.
TEST_F(CustomListBoxTest, AValueShowsTheHandAndARebuildForgetsIt)
{
    m_list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ValueX(), m_middle));
    ASSERT_NE(m_list.Hovered(), nullptr);
    EXPECT_NE(GetCursor(), nullptr);
    EXPECT_NE(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
    m_list.Rebuild();
    EXPECT_EQ(m_list.Hovered(), nullptr) << "the old lines' records are gone";
}
