// Prints lists to the test prefix's file printer and reads the pages back.
#include "viewer/PrintListCtrl.h"
#include "tests/support/DialogUser.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestPrinter.h"
#include <gtest/gtest.h>
#include <commctrl.h>
#include <map>
#include <regex>

namespace {

const char kPrinter[] = "Korvast Test Printer";

// A top-level window with a list view in report view: a name column, a
// right-aligned number column and a hidden (zero-width) column.
class ListWindow {
public:
    explicit ListWindow(int rows)
    {
        INITCOMMONCONTROLSEX controls = { sizeof controls, ICC_LISTVIEW_CLASSES };
        InitCommonControlsEx(&controls);
        m_list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | LVS_REPORT, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
        AddColumn(0, "Name", LVCFMT_LEFT, 80);
        AddColumn(1, "Size", LVCFMT_RIGHT, 60);
        AddColumn(2, "Secret", LVCFMT_LEFT, 0);
        for (int row = 0; row < rows; ++row) {
            LVITEMA item = {};
            item.mask = LVIF_TEXT;
            item.iItem = row;
            std::string name = RowName(row);
            item.pszText = &name[0];
            ListView_InsertItem(m_list, &item);
            std::string size = std::to_string(row % 7 == 0 ? 123456 : row);
            ListView_SetItemText(m_list, row, 1, &size[0]);
            std::string secret = "HIDDEN" + std::to_string(row);
            ListView_SetItemText(m_list, row, 2, &secret[0]);
        }
    }
    ~ListWindow() { DestroyWindow(m_list); }

    static std::string RowName(int row)
    {
        char name[16];
        wsprintfA(name, "Row%03d", row);
        return name;
    }
    HWND Handle() const { return m_list; }

private:
    void AddColumn(int index, const char* heading, int format, int width)
    {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
        column.fmt = format;
        column.cx = width;
        column.pszText = const_cast<char*>(heading);
        ListView_InsertColumn(m_list, index, &column);
    }

    HWND m_list;
};

class PrintListCtrlTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_defaultPrinter.Installed()); }

    // Prints `list` to the default printer; the pages come back as text.
    std::vector<std::string> Print(const ListWindow& list, bool withPositions = false)
    {
        m_printer.SetListCtrl(list.Handle());
        EXPECT_TRUE(m_printer.PrintList(nullptr, "Large Files Report", TRUE));
        return TestPrinter::ReadPages(m_job, withPositions);
    }

    static int Count(const std::string& text, const std::string& part)
    {
        int count = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++count;
        return count;
    }

    ScratchFolder m_folder{ "print" };
    std::string m_job = m_folder / "job.ps";
    TestPrinter::DefaultPrinter m_defaultPrinter{ kPrinter, m_job };
    CPrintListCtrl m_printer;
};

SYSTEMTIME Now()
{
    SYSTEMTIME now;
    GetSystemTime(&now);
    return now;
}

// A time as a number that sorts as the time does: yyyymmddhhmmss.
long long Sortable(int day, int month, int year, int hour, int minute, int second)
{
    return ((((year * 100LL + month) * 100 + day) * 100 + hour) * 100 + minute) * 100 + second;
}

long long Sortable(const SYSTEMTIME& time)
{
    return Sortable(time.wDay, time.wMonth, time.wYear, time.wHour, time.wMinute, time.wSecond);
}

TEST_F(PrintListCtrlTest, EveryRowPrintsOnceInOrderUnderHeadingsOnNumberedPages)
{
    ListWindow list(300);
    m_printer.Options().fitColumns = true;
    SYSTEMTIME before = Now();
    std::vector<std::string> pages = Print(list);
    SYSTEMTIME after = Now();

    ASSERT_GE(pages.size(), 2u);
    int nextRow = 0;
    std::regex stamp(R"((\d\d)/(\d\d)/(\d{4})  (\d\d):(\d\d):(\d\d))");
    for (size_t page = 0; page < pages.size(); ++page) {
        const std::string& text = pages[page];
        EXPECT_EQ(1, Count(text, "Page : " + std::to_string(page + 1))) << "page " << page + 1;
        EXPECT_EQ(1, Count(text, "Large Files Report"));
        EXPECT_NE(std::string::npos, text.find("Name")) << "page " << page + 1;
        EXPECT_NE(std::string::npos, text.find("Size")) << "page " << page + 1;
        EXPECT_EQ(std::string::npos, text.find("Secret"));
        EXPECT_EQ(std::string::npos, text.find("HIDDEN"));
        for (size_t at = text.find("Row"); at != std::string::npos; at = text.find("Row", at + 1))
            EXPECT_EQ(ListWindow::RowName(nextRow++), text.substr(at, 6)) << "page " << page + 1;
        std::smatch time;
        ASSERT_TRUE(std::regex_search(text, time, stamp)) << text;
        long long printed = Sortable(std::stoi(time[1]), std::stoi(time[2]), std::stoi(time[3]), std::stoi(time[4]),
                                     std::stoi(time[5]), std::stoi(time[6]));
        EXPECT_LE(Sortable(before), printed) << time.str();
        EXPECT_GE(Sortable(after), printed) << time.str();
    }
    EXPECT_EQ(300, nextRow);
    EXPECT_EQ(0, ListView_GetColumnWidth(list.Handle(), 2));
}

// ghostscript's characters joined into words: each word's text and right edge.
// A word ends at a blank or where the next character does not follow on.
std::map<std::string, int> RightEdges(const std::string& page)
{
    std::map<std::string, int> edges;
    std::regex character(R"re(<char bbox="(\d+) (\d+) (\d+) \d+" c="([^"]*)"/>)re");
    std::string word;
    int right = -1;
    int line = -1;
    for (std::sregex_iterator found(page.begin(), page.end(), character), end; found != end; ++found) {
        int left = std::stoi((*found)[1].str());
        int top = std::stoi((*found)[2].str());
        std::string text = (*found)[4].str();
        if (left != right || top != line || text == "&#xa0;") {
            if (!word.empty())
                edges[word] = right;
            word.clear();
        }
        if (text != "&#xa0;")
            word += text;
        right = std::stoi((*found)[3].str());
        line = top;
    }
    if (!word.empty())
        edges[word] = right;
    return edges;
}

TEST_F(PrintListCtrlTest, RightAlignedColumnEndsAtOneEdge)
{
    ListWindow list(12);
    std::vector<std::string> pages = Print(list, true);
    ASSERT_EQ(1u, pages.size());
    std::map<std::string, int> edges = RightEdges(pages[0]);
    ASSERT_TRUE(edges.count("Size") && edges.count("123456") && edges.count("11")) << pages[0];
    EXPECT_NEAR(edges["Size"], edges["123456"], 1.0);
    EXPECT_NEAR(edges["Size"], edges["11"], 1.0);
}

TEST_F(PrintListCtrlTest, WithoutFooterThePageNumberAndTimeMoveIntoTheTitle)
{
    ListWindow list(3);
    m_printer.Options().printFooter = false;
    std::vector<std::string> pages = Print(list);
    ASSERT_EQ(1u, pages.size());
    size_t title = pages[0].find("Large Files Report");
    size_t page = pages[0].find("Page : 1");
    size_t headings = pages[0].find("Name");
    ASSERT_NE(std::string::npos, page);
    EXPECT_LT(page, headings);
    EXPECT_LT(title, headings);

    m_printer.Options().printTitle = false;
    pages = Print(list);
    ASSERT_EQ(1u, pages.size());
    EXPECT_EQ(std::string::npos, pages[0].find("Large Files Report"));
    EXPECT_EQ(std::string::npos, pages[0].find("Page :"));
    EXPECT_NE(std::string::npos, pages[0].find("Row002"));
}

TEST_F(PrintListCtrlTest, EmptyListPrintsOnePageWithTitleAndHeadings)
{
    ListWindow list(0);
    std::vector<std::string> pages = Print(list);
    ASSERT_EQ(1u, pages.size());
    EXPECT_NE(std::string::npos, pages[0].find("Large Files Report"));
    EXPECT_NE(std::string::npos, pages[0].find("Name"));
    EXPECT_NE(std::string::npos, pages[0].find("Page : 1"));
}

TEST_F(PrintListCtrlTest, RowTallerThanAPagePrintsOnceCut)
{
    ListWindow list(3);
    m_printer.Options().dataFont.points = 1638;
    std::vector<std::string> pages = Print(list);
    EXPECT_EQ(3u, pages.size());
}

TEST_F(PrintListCtrlTest, PrinterChosenInThePrintDialogIsKept)
{
    ListWindow list(3);
    m_printer.SetListCtrl(list.Handle());
    DialogUser user;
    user.Then("Print", [](HWND dialog) { DialogUser::Press(dialog, IDOK); });
    user.Start();
    EXPECT_TRUE(m_printer.PrintList(nullptr, "Large Files Report", FALSE));
    EXPECT_EQ(std::vector<std::string>{ "Print" }, user.Join());
    EXPECT_EQ(1u, TestPrinter::ReadPages(m_job).size());

    // The dialog must not come again; a user awaiting none cancels it if it does.
    DeleteFileA(m_job.c_str());
    DialogUser refuser;
    refuser.Start();
    EXPECT_TRUE(m_printer.PrintList(nullptr, "Large Files Report", FALSE));
    EXPECT_EQ(std::vector<std::string>{}, refuser.Join()) << "the print dialog came again";
    EXPECT_EQ(1u, TestPrinter::ReadPages(m_job).size());
}

TEST_F(PrintListCtrlTest, FailedJobReportsFailure)
{
    TestPrinter::DefaultPrinter printingIntoAMissingFolder(kPrinter, m_folder / "missing\\job.ps");
    ASSERT_TRUE(printingIntoAMissingFolder.Installed());
    ListWindow list(3);
    m_printer.SetListCtrl(list.Handle());
    EXPECT_FALSE(m_printer.PrintList(nullptr, "Large Files Report", TRUE));
}

}
