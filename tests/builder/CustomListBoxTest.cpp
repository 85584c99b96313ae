// The owner-drawn list box of elements: which value lies under the mouse,
// and that a rebuild lets go of the records of the old lines.
#include "builder/CustomListBox.h"
#include "tests/support/OffscreenPicture.h"
#include <gtest/gtest.h>
#include <vector>

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

// A list of the given kind, built, in a window of its own.
template <class List>
class ListBoxTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 500, 300), nullptr, 0));
        HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                                    0, 0, 480, 280, m_parent, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(m_list.SubclassWindow(list));
        m_list.InitControl();
        m_list.Rebuild();
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    CWnd m_parent;
    List m_list;
};

class CustomListBoxTest : public ListBoxTest<TwoLineList> {
protected:
    void SetUp() override
    {
        ListBoxTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_EQ(m_list.GetCount(), 2);
        CRect first;
        m_list.GetItemRect(0, &first);
        m_middle = (first.top + first.bottom) / 2;
    }

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

namespace {
// "Take <i> or <ab> or <xyz>" with three unset values, then a plain line.
class ValuesList : public CCustomListBox {
public:
    HotSpot* Hovered() const { return m_hotSpot; }

protected:
    void OnBeforeRebuild() override {}
    int GetLineCount() override { return 2; }
    int GetElementCount(int line) override { return line == 0 ? 6 : 0; }
    CString GetElementText(int, int element) override
    {
        static const char* const texts[] = { "Take", "i", "or", "ab", "or", "xyz" };
        return texts[element];
    }
    void BindHotSpot(HotSpot*) override {}
    bool IsLiteralElement(int, int element) override { return element % 2 == 0; }
    bool IsDisabledElement(int, int) override { return false; }
    bool IsElementSet(int, int) override { return false; }
    bool IsPlainLine(int line) override { return line == 1; }
    CString GetLineText(int line) override { return line == 0 ? "Take i or ab or xyz" : "A plain line"; }
};

// Text may be drawn smoothed: a pixel counts by its hue, not its exact colour.
bool IsBluish(COLORREF colour)
{
    return GetBValue(colour) > GetRValue(colour) + 40 && GetBValue(colour) > GetGValue(colour) + 40;
}

bool IsDarkGrey(COLORREF colour)
{
    return GetRValue(colour) < 100 && GetBValue(colour) < GetRValue(colour) + 30;
}

// Both lines drawn one after the other into one off-screen bitmap, as a paint does.
class DrawnLines {
public:
    explicit DrawnLines(ValuesList& list) : m_rows{ RowOf(list, 0), RowOf(list, 1) }, m_picture(kWidth, m_rows[1].bottom)
    {
        for (int line = 0; line < 2; ++line) {
            DRAWITEMSTRUCT item = {};
            item.CtlType = ODT_LISTBOX;
            item.itemID = line;
            item.hDC = m_picture.DC();
            item.rcItem = m_rows[line];
            list.DrawItem(&item);
        }
    }
    COLORREF Pixel(int x, int y) const { return m_picture.Pixel(x, y); }
    // The middle of each run of link-coloured columns of line 0 that literal
    // text separates: where each value is drawn.
    std::vector<int> ValueMiddles() const
    {
        std::vector<int> middles;
        int first = -1, last = -1;
        for (int x = 0; x < kWidth; ++x) {
            bool link = false, literal = false;
            for (int y = m_rows[0].top; y < m_rows[0].bottom; ++y) {
                const COLORREF colour = Pixel(x, y);
                link = link || IsBluish(colour);
                literal = literal || IsDarkGrey(colour);
            }
            if (literal && first >= 0) {
                middles.push_back((first + last) / 2);
                first = -1;
            }
            if (link) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
        if (first >= 0)
            middles.push_back((first + last) / 2);
        return middles;
    }
    CRect Row(int line) const { return m_rows[line]; }

private:
    static CRect RowOf(ValuesList& list, int line)
    {
        CRect row;
        list.GetItemRect(line, &row);
        return row;
    }

    static const int kWidth = 480;
    CRect m_rows[2];
    OffscreenPicture m_picture;
};

using ValuesListTest = ListBoxTest<ValuesList>;
}

// A click on the middle of a drawn value finds that value, for each of them.
TEST_F(ValuesListTest, EachDrawnValueIsWhereItsClickAreaIs)
{
    DrawnLines drawn(m_list);
    const std::vector<int> middles = drawn.ValueMiddles();
    ASSERT_EQ(middles.size(), 3u);
    const int y = (drawn.Row(0).top + drawn.Row(0).bottom) / 2;
    for (size_t value = 0; value < middles.size(); ++value) {
        CCustomListBox::HotSpot* spot = m_list.HotSpotFromPoint(middles[value], y);
        ASSERT_NE(spot, nullptr) << "value " << value << " drawn around x = " << middles[value];
        EXPECT_EQ(spot->element, static_cast<int>(2 * value + 1)) << "x = " << middles[value];
    }
}

// After a hovered value, white on dark blue, the plain line still shows the
// window's own colours; an emptied list forgets the value under the mouse.
TEST_F(ValuesListTest, APlainLineHasTheWindowColoursAndEmptyingForgetsTheHover)
{
    const std::vector<int> middles = DrawnLines(m_list).ValueMiddles();
    ASSERT_EQ(middles.size(), 3u);
    CRect first;
    m_list.GetItemRect(0, &first);
    m_list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(middles[2], (first.top + first.bottom) / 2));
    ASSERT_NE(m_list.Hovered(), nullptr);

    DrawnLines drawn(m_list);
    const CRect plain = drawn.Row(1);
    int text = 0, blue = 0, background = 0;
    for (int y = plain.top; y < plain.bottom; ++y)
        for (int x = 0; x < 470; ++x) {
            const COLORREF colour = drawn.Pixel(x, y);
            text += IsDarkGrey(colour);
            blue += IsBluish(colour);
            background += x >= 300 && colour == GetSysColor(COLOR_WINDOW);
        }
    EXPECT_GT(text, 20) << "the plain line's text";
    EXPECT_EQ(blue, 0) << "link or highlight colours on the plain line";
    EXPECT_EQ(background, 170 * plain.Height()) << "the window's background right of the text";

    m_list.Empty();
    EXPECT_EQ(m_list.GetCount(), 0);
    EXPECT_EQ(m_list.Hovered(), nullptr);
}
