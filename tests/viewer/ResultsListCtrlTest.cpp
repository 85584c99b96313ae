// The results list over a real list-view window: key ordering, insertion in
// key order, heading clicks and the cell texts.
#include "tests/support/MessageBoxWatcher.h"
#include "viewer/ResultsListCtrl.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {
class ResultsListCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_model.Parse("\"Name\"(string) \"Size\"(Integer) \"Hidden\"(string, hidden) \"When\"(kvtime)"));
        m_parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr, nullptr, nullptr);
        HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA, 0, 0, 600, 400, m_parent,
                                    reinterpret_cast<HMENU>(1070), nullptr, nullptr);
        ASSERT_TRUE(m_list.SubclassWindow(list));
        for (int column = 0; column < 3; ++column)
            m_list.InsertColumn(column, "c", LVCFMT_LEFT, 50);
    }
    void TearDown() override { DestroyWindow(m_parent); }

    CFields* Row(const char* name, const char* size, const char* hidden = "", const char* when = "")
    {
        auto row = std::make_unique<CFields>(m_model);
        const char* values[] = { name, size, hidden, when };
        for (int index = 0; index < 4; ++index)
            row->GetAt(index)->SetValue(_variant_t(values[index]));
        m_rows.push_back(std::move(row));
        return m_rows.back().get();
    }

    std::vector<std::string> Names()
    {
        std::vector<std::string> names;
        for (int item = 0; item < m_list.GetItemCount(); ++item)
            names.push_back(static_cast<const char*>(m_list.GetCellText(item, 0)));
        return names;
    }

    CFields m_model;
    std::vector<std::unique_ptr<CFields>> m_rows;
    HWND m_parent = nullptr;
    CResultsListCtrl m_list;
};

int Compare(const CFields* a, const CFields* b, const SortKeys& keys, BOOL ascending)
{
    CResultsListCtrl::SortInfo info = { &keys, ascending };
    return CResultsListCtrl::CompareRows(reinterpret_cast<LPARAM>(a), reinterpret_cast<LPARAM>(b),
                                         reinterpret_cast<LPARAM>(&info));
}
}

TEST_F(ResultsListCtrlTest, ComparesByEachKeyInTurnAndByTheFieldsType)
{
    CFields* nine = Row("b", "9");
    CFields* ten = Row("a", "10");
    CFields* tenToo = Row("c", "10");
    EXPECT_LT(Compare(nine, ten, { { 1, 1 } }, TRUE), 0) << "Integer fields compare as numbers";
    EXPECT_GT(Compare(nine, ten, { { 1, 0 } }, TRUE), 0);
    EXPECT_GT(Compare(nine, ten, { { 1, 1 } }, FALSE), 0) << "descending turns the result";
    EXPECT_LT(Compare(ten, tenToo, { { 1, 1 }, { 2, 0 } }, TRUE), 0) << "the second key decides a tie";
    EXPECT_EQ(0, Compare(ten, tenToo, { { 1, 1 }, { 3, 0 } }, TRUE)) << "a missing position is skipped";
    EXPECT_EQ(0, Compare(ten, tenToo, { { 1, 1 }, { 2, 7 } }, TRUE)) << "a field index past the row is skipped";
}

TEST_F(ResultsListCtrlTest, InsertsRowsInKeyOrderKeepingArrivalOrderForEqualRows)
{
    m_list.SetSortKeys({ { 1, 1 } });
    for (CFields* row : { Row("b", "10"), Row("a", "9"), Row("c", "9"), Row("d", "11"), Row("e", "9") })
        ASSERT_TRUE(m_list.InsertRow(row));
    EXPECT_EQ(std::vector<std::string>({ "a", "c", "e", "b", "d" }), Names());
}

TEST_F(ResultsListCtrlTest, AppendsRowsWithoutKeys)
{
    for (CFields* row : { Row("b", "10"), Row("a", "9") })
        ASSERT_TRUE(m_list.InsertRow(row));
    EXPECT_EQ(std::vector<std::string>({ "b", "a" }), Names());
}

namespace {
int g_timerDispatches = 0;
void CALLBACK CountTimer(HWND, UINT, UINT_PTR, DWORD) { ++g_timerDispatches; }
}

TEST_F(ResultsListCtrlTest, InsertsALargeReportInKeyOrderWhileKeepingTheWindowResponsive)
{
    ShowWindow(m_parent, SW_SHOWNOACTIVATE);
    m_list.SetSortKeys({ { 1, 1 } });
    const int rowCount = 20000;
    std::vector<CFields*> rows;
    for (int index = 0; index < rowCount; ++index)
        rows.push_back(Row("r", std::to_string((index * 7919) % rowCount).c_str()));
    g_timerDispatches = 0;
    UINT_PTR timer = SetTimer(nullptr, 0, 1, &CountTimer);
    m_list.SetRedraw(FALSE);
    for (CFields* row : rows)
        m_list.InsertRow(row);
    m_list.SetRedraw(TRUE);
    KillTimer(nullptr, timer);
    EXPECT_GT(g_timerDispatches, 0) << "messages are dispatched during the insertion";
    ASSERT_EQ(rowCount, m_list.GetItemCount());
    for (int item = 1; item < rowCount; item += 997)
        ASSERT_LE(atoi(m_list.GetCellText(item - 1, 1)), atoi(m_list.GetCellText(item, 1)));
}

namespace {
std::vector<std::string> SelectedNames(CResultsListCtrl& list)
{
    std::vector<std::string> names;
    for (int item = list.GetNextItem(-1, LVNI_SELECTED); item >= 0; item = list.GetNextItem(item, LVNI_SELECTED))
        names.push_back(static_cast<const char*>(list.GetCellText(item, 0)));
    return names;
}
}

// The list view keeps the selection by item number; the rows move under it.
TEST_F(ResultsListCtrlTest, SelectionStaysWithItsRowsThroughInsertionsSortsAndEmptying)
{
    m_list.SetSortKeys({ { 1, 1 } });
    for (CFields* row : { Row("b", "20"), Row("d", "40"), Row("e", "50") })
        m_list.InsertRow(row);
    m_list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    m_list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    m_list.InsertRow(Row("a", "10"));
    m_list.InsertRow(Row("c", "30"));
    EXPECT_EQ(std::vector<std::string>({ "a", "b", "c", "d", "e" }), Names());
    EXPECT_EQ(std::vector<std::string>({ "d", "e" }), SelectedNames(m_list));

    m_list.SortRows({ { 1, 0 } }, FALSE);
    EXPECT_EQ(std::vector<std::string>({ "e", "d", "c", "b", "a" }), Names());
    EXPECT_EQ(std::vector<std::string>({ "e", "d" }), SelectedNames(m_list));

    m_list.DeleteAllItems();
    EXPECT_EQ(0, m_list.GetItemCount());
    EXPECT_EQ(nullptr, m_list.GetRow(0));
    EXPECT_EQ(0u, m_list.GetSelectedCount());
}

namespace {
// Asks the list's parent, as the list view does, for the item a search finds;
// `Find` is the notification's narrow or wide form, as `code` says.
template <class Find, class Text>
LRESULT AskToFind(HWND parent, HWND list, UINT code, UINT flags, Text text, int start)
{
    Find find = {};
    find.hdr = { list, 1070, code };
    find.iStart = start;
    find.lvfi.flags = flags;
    find.lvfi.psz = text;
    return SendMessageA(parent, WM_NOTIFY, 1070, reinterpret_cast<LPARAM>(&find));
}
}

// Typing selects the row whose first column begins with the letters typed:
// the list view asks the list, which holds the texts, for the row.
TEST_F(ResultsListCtrlTest, TypingSelectsTheRowThatBeginsWithTheLetters)
{
    CWnd parent;
    ASSERT_TRUE(parent.SubclassWindow(m_parent));
    for (CFields* row : { Row("Alpha", "1"), Row("beta", "2"), Row("Bravo", "3"), Row("Charlie", "4") })
        m_list.InsertRow(row);

    SendMessageA(m_list, WM_CHAR, 'c', 1);
    EXPECT_EQ(std::vector<std::string>({ "Charlie" }), SelectedNames(m_list));

    auto find = [&](UINT flags, const char* text, int start) {
        return AskToFind<NMLVFINDITEMA>(m_parent, m_list, LVN_ODFINDITEMA, flags, text, start);
    };
    auto findWide = [&](UINT flags, const wchar_t* text, int start) {
        return AskToFind<NMLVFINDITEMW>(m_parent, m_list, LVN_ODFINDITEMW, flags, text, start);
    };
    EXPECT_EQ(2, findWide(LVFI_PARTIAL | LVFI_WRAP, L"BR", 0)) << "case is ignored";
    EXPECT_EQ(1, findWide(LVFI_PARTIAL | LVFI_WRAP, L"b", 3)) << "the search wraps";
    EXPECT_EQ(-1, find(LVFI_STRING | LVFI_PARTIAL, "b", 3)) << "not without LVFI_WRAP";
    EXPECT_EQ(2, find(LVFI_STRING | LVFI_PARTIAL, "bra", 0));
    EXPECT_EQ(2, find(LVFI_STRING, "bravo", 0));
    EXPECT_EQ(-1, find(LVFI_STRING, "bra", 0)) << "a whole text without LVFI_PARTIAL";
    EXPECT_EQ(-1, find(LVFI_STRING | LVFI_PARTIAL | LVFI_WRAP, "delta", 0));
}
