// The viewer dialog driven through its real window, with the test child
// program as the report script.
#include "DialogDriver.h"
#include "MessageBoxWatcher.h"
#include "ReportViewerDlg.h"
#include "Resource.h"
#include <gtest/gtest.h>
#include <commctrl.h>

using namespace DialogDriver;

namespace {
const char kFieldsHeader[] = "\"Name\"(string) \"Size\"(Integer, sort 1) \"Note\"(string, hidden)";

std::string ChildProgramCommand()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    folder.erase(folder.rfind('\\') + 1);
    return "\"" + folder + "childproc.exe\" ";
}

std::string ItemText(HWND list, int item, int column)
{
    char text[256] = "";
    LVITEMA entry = {};
    entry.iSubItem = column;
    entry.pszText = text;
    entry.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&entry));
    return text;
}

// The first column of every item, in list order.
std::vector<std::string> Names(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_RESULTS);
    std::vector<std::string> names;
    for (int item = 0; item < ListView_GetItemCount(list); ++item)
        names.push_back(ItemText(list, item, 0));
    return names;
}

bool IsEnabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

[[maybe_unused]] void ClickColumn(HWND dialog, int column)
{
    NMLISTVIEW notify = {};
    notify.hdr.hwndFrom = GetDlgItem(dialog, IDC_RESULTS);
    notify.hdr.idFrom = IDC_RESULTS;
    notify.hdr.code = LVN_COLUMNCLICK;
    notify.iItem = -1;
    notify.iSubItem = column;
    SendMessageA(dialog, WM_NOTIFY, IDC_RESULTS, reinterpret_cast<LPARAM>(&notify));
}

[[maybe_unused]] void Click(HWND dialog, int id)
{
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool HasFinalStatus(HWND dialog)
{
    std::string status = ControlText(dialog, IDC_STATUS);
    return status == "Completed" || status == "Canceled" || status == "Failed";
}

class ReportViewerDlgTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_model.Parse(kFieldsHeader)); }

    // Sets the dialog up for the child program with `commands` as its arguments.
    void Prepare(CReportViewerDlg& dialog, const char* commands)
    {
        dialog.SetScriptCommand(ChildProgramCommand().c_str());
        dialog.SetParameters(commands);
        dialog.SetFields(&m_model);
        dialog.SetTitle("Sizes");
    }

    // Runs the dialog and starts `steps` once the run has ended and every row is listed.
    void RunToEnd(CReportViewerDlg& dialog, std::function<void(HWND)> steps)
    {
        auto finished = [&](HWND window) {
            return HasFinalStatus(window)
                && static_cast<size_t>(ListView_GetItemCount(GetDlgItem(window, IDC_RESULTS))) == dialog.GetRowCount();
        };
        ASSERT_EQ(IDOK, RunModal(dialog, finished, std::move(steps)));
    }

    TestApp m_app;
    CFields m_model;
};
}

TEST_F(ReportViewerDlgTest, ShowsTheRowsSortedByTheReportsKeysAndEndsCompleted)
{
    CReportViewerDlg dialog;
    Prepare(dialog, "out:b;10;x out:a;9;y outlf:c;9;z;;; out:;11");
    RunToEnd(dialog, [&](HWND window) {
        EXPECT_EQ("Completed", ControlText(window, IDC_STATUS));
        EXPECT_EQ(std::vector<std::string>({ "a", "c", "b", "" }), Names(window));
        EXPECT_EQ("10", ItemText(GetDlgItem(window, IDC_RESULTS), 2, 1));
        EXPECT_EQ("Rows Processed: 4", ControlText(window, IDC_ROWS_PROCESSED));
        char caption[256] = "";
        GetWindowTextA(window, caption, sizeof caption);
        EXPECT_STREQ("Korvast Report Viewer - Sizes", caption);
        EXPECT_TRUE(IsEnabled(window, IDOK));
        EXPECT_TRUE(IsEnabled(window, IDC_SAVE_AS));
        EXPECT_TRUE(IsEnabled(window, IDC_FILTER));
        EXPECT_FALSE(IsEnabled(window, IDCANCEL));
        EXPECT_FALSE(IsEnabled(window, IDC_SHOW_ERRORS));
        EXPECT_STREQ("Size", dialog.GetSortOrderText());
    });
}
