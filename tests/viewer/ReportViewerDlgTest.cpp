// The viewer dialog driven through its real window, with the test child
// program as the report script.
#include "tests/support/ChildGate.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/TestFiles.h"
#include "tests/support/DialogUser.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScratchProductHome.h"
#include "viewer/ReportViewerDlg.h"
#include "viewer/Resource.h"
#include "viewer/RightClickScripts.h"
#include <gtest/gtest.h>
#include <commctrl.h>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <thread>

using namespace DialogDriver;

namespace {
const char kFieldsHeader[] = "\"Name\"(string) \"Size\"(Integer, sort 1) \"Note\"(string, hidden)";

std::string ChildProgramCommand()
{
    return "\"" + ProgramFolder() + "childproc.exe\" ";
}

// The dialog with test steps run on its window just before and just after it starts the report.
class HookedDialog : public CReportViewerDlg {
public:
    std::function<void(HWND)> beforeStart;
    std::function<void(HWND)> afterStart;

    BOOL OnInitDialog() override
    {
        if (beforeStart)
            beforeStart(m_hWnd);
        CReportViewerDlg::OnInitDialog();
        if (afterStart)
            afterStart(m_hWnd);
        return TRUE;
    }
};

// The first column of every item, in list order.
std::vector<std::string> Names(HWND dialog)
{
    return ListColumnTexts(GetDlgItem(dialog, IDC_RESULTS));
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

    // Runs the dialog and starts `steps` once the run has ended and every row
    // is listed; returns what the dialog ended with.
    INT_PTR RunToEnd(CReportViewerDlg& dialog, std::function<void(HWND)> steps)
    {
        auto finished = [&](HWND window) {
            return HasFinalStatus(window)
                && static_cast<size_t>(ListView_GetItemCount(GetDlgItem(window, IDC_RESULTS))) == dialog.GetRowCount();
        };
        return RunModal(dialog, finished, std::move(steps));
    }

    // Outlives the test's dialog, whose end waits for its worker.
    UnexpectedBoxes m_unexpectedBoxes;
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
        EXPECT_EQ("10", ListItemText(GetDlgItem(window, IDC_RESULTS), 2, 1));
        EXPECT_EQ("Rows Processed: 4", ControlText(window, IDC_ROWS_PROCESSED));
        EXPECT_EQ("Korvast Report Viewer - Sizes", WindowText(window));
        EXPECT_TRUE(IsEnabled(window, IDOK));
        EXPECT_TRUE(IsEnabled(window, IDC_SAVE_AS));
        EXPECT_TRUE(IsEnabled(window, IDC_FILTER));
        EXPECT_FALSE(IsEnabled(window, IDCANCEL));
        EXPECT_FALSE(IsEnabled(window, IDC_SHOW_ERRORS));
        EXPECT_STREQ("Size", dialog.GetSortOrderText());
    });
}

TEST_F(ReportViewerDlgTest, CollectsErrorOutputAndOffersShowErrors)
{
    CReportViewerDlg dialog;
    Prepare(dialog, "out:a;1 err:first errlf:second");
    RunToEnd(dialog, [&](HWND window) {
        EXPECT_TRUE(IsEnabled(window, IDC_SHOW_ERRORS));
        EXPECT_EQ("Errors:\r\n  first\r\n  second\r\n", ControlText(window, IDC_ERRORS));
        RECT errors = ClientRectOf(window, IDC_ERRORS);
        EXPECT_EQ(errors.top, errors.bottom) << "the error box has no height until Show Errors";
        CheckDlgButton(window, IDC_SHOW_ERRORS, BST_CHECKED);
        Click(window, IDC_SHOW_ERRORS);
        UpdateWindow(window);
        RECT list = ClientRectOf(window, IDC_RESULTS);
        errors = ClientRectOf(window, IDC_ERRORS);
        EXPECT_EQ(list.bottom, errors.top);
        EXPECT_LE(list.bottom - list.top, errors.bottom - errors.top) << "the list gets the upper half, rounded down";
        EXPECT_GE(list.bottom - list.top + 1, errors.bottom - errors.top);
    });
}

TEST_F(ReportViewerDlgTest, ARunWithoutRowsLeavesSaveAsAndTheFilterDisabled)
{
    CReportViewerDlg dialog;
    Prepare(dialog, "outlf: err:nothing");
    RunToEnd(dialog, [&](HWND window) {
        EXPECT_EQ("Completed", ControlText(window, IDC_STATUS));
        EXPECT_EQ("Rows Processed: 0", ControlText(window, IDC_ROWS_PROCESSED));
        EXPECT_FALSE(IsEnabled(window, IDC_SAVE_AS));
        EXPECT_FALSE(IsEnabled(window, IDC_FILTER));
        EXPECT_TRUE(IsEnabled(window, IDOK));
    });
}

TEST_F(ReportViewerDlgTest, HeadingClicksSortAscendingThenDescendingAndNameTheSortOrder)
{
    CReportViewerDlg dialog;
    Prepare(dialog, "out:b;10 out:a;9 out:c;11");
    RunToEnd(dialog, [&](HWND window) {
        ClickColumn(window, 0);
        EXPECT_EQ(std::vector<std::string>({ "a", "b", "c" }), Names(window));
        EXPECT_STREQ("Name", dialog.GetSortOrderText());
        ClickColumn(window, 0);
        EXPECT_EQ(std::vector<std::string>({ "c", "b", "a" }), Names(window));
        ClickColumn(window, 1);
        EXPECT_EQ(std::vector<std::string>({ "a", "b", "c" }), Names(window)) << "another heading sorts ascending";
        EXPECT_STREQ("Size", dialog.GetSortOrderText());

        HDITEMA heading = {};
        heading.mask = HDI_FORMAT;
        HWND header = ListView_GetHeader(GetDlgItem(window, IDC_RESULTS));
        Header_GetItem(header, 1, &heading);
        EXPECT_TRUE(heading.fmt & HDF_OWNERDRAW) << "the sort column is drawn with its arrow";
    });
}

TEST_F(ReportViewerDlgTest, TheFilterRefillsTheListOnceTypingHasStopped)
{
    CReportViewerDlg dialog;
    Prepare(dialog, "out:beta;10 out:alpha;9 out:gamma;11;Alpha%note");
    RunToEnd(dialog, [&](HWND window) {
        SetDlgItemTextA(window, IDC_FILTER, "ALP");
        EXPECT_EQ(3u, Names(window).size()) << "nothing changes before the delay";
        ASSERT_TRUE(PumpUntil([&] { return Names(window).size() == 2; }));
        EXPECT_EQ(std::vector<std::string>({ "alpha", "gamma" }), Names(window)) << "hidden fields match too";

        // A refill empties the list first, so the selection tells whether one happened.
        HWND list = GetDlgItem(window, IDC_RESULTS);
        ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
        SetDlgItemTextA(window, IDC_FILTER, "alp");
        PumpPastTimer(CReportViewerDlg::kFilterDelayMs + 500);
        EXPECT_EQ(1u, ListView_GetSelectedCount(list)) << "a change of case only does not refill";
        SetDlgItemTextA(window, IDC_FILTER, "alph");
        ASSERT_TRUE(PumpUntil([&] { return ListView_GetSelectedCount(list) == 0; }));
        EXPECT_EQ(std::vector<std::string>({ "alpha", "gamma" }), Names(window));

        SetDlgItemTextA(window, IDC_FILTER, "zzz");
        ASSERT_TRUE(PumpUntil([&] { return Names(window).empty(); }));

        SetDlgItemTextA(window, IDC_FILTER, "");
        ASSERT_TRUE(PumpUntil([&] { return Names(window).size() == 3; }));
        EXPECT_EQ(std::vector<std::string>({ "alpha", "beta", "gamma" }), Names(window))
            << "an empty filter shows every row, sorted by the current keys";
    });
}

TEST_F(ReportViewerDlgTest, StopReportCancelsTheRunAndKeepsTheRowsParsedSoFar)
{
    CReportViewerDlg dialog;
    ChildGate neverOpened;
    Prepare(dialog, ("out:a;1 " + neverOpened.Wait() + " out:b;2").c_str());
    auto firstRowListed = [](HWND window) { return ListView_GetItemCount(GetDlgItem(window, IDC_RESULTS)) == 1; };
    RunModal(dialog, firstRowListed, [&](HWND window) {
        EXPECT_TRUE(IsEnabled(window, IDCANCEL));
        Click(window, IDCANCEL);
        EXPECT_EQ("Canceling...", ControlText(window, IDC_STATUS));
        ASSERT_TRUE(PumpUntil([&] { return HasFinalStatus(window); }));
        EXPECT_EQ("Canceled", ControlText(window, IDC_STATUS));
        EXPECT_EQ(std::vector<std::string>({ "a" }), Names(window));
        EXPECT_FALSE(IsEnabled(window, IDCANCEL));
        EXPECT_TRUE(IsEnabled(window, IDOK));
    });
}

// Stop pressed as the report starts: before the worker has run, before the child exists.
TEST_F(ReportViewerDlgTest, StopAsTheRunStartsEndsTheReportAndStaysDisabled)
{
    ChildGate neverOpened;
    HookedDialog dialog;
    Prepare(dialog, ("rows:5000:r " + neverOpened.Wait()).c_str());
    dialog.afterStart = [](HWND window) { SendMessageA(window, WM_COMMAND, IDCANCEL, 0); };
    RunModal(dialog, HasFinalStatus, [&](HWND window) {
        EXPECT_EQ("Canceled", ControlText(window, IDC_STATUS)) << "the report was waited for, not stopped";
        EXPECT_FALSE(IsEnabled(window, IDCANCEL)) << "the worker does not enable Stop again";
        EXPECT_TRUE(IsEnabled(window, IDOK));
    });
}

// Stop while the reader parses a block of thousands of rows, then Close at
// once (the steps' end closes the dialog). The steps may run inside an
// insertion, so they wait for nothing that needs the insertion to end.
// Whether Stop came before the block's end or after it, no row comes after it.
TEST_F(ReportViewerDlgTest, NoRowIsTakenAfterStopAndClosingRightAfterItIsSafe)
{
    ChildGate neverOpened;
    size_t rowsAtStop = 0;
    CReportViewerDlg dialog;
    Prepare(dialog, ("rows:20000:r " + neverOpened.Wait()).c_str());
    RunModal(dialog, [&](HWND) { return dialog.GetRowCount() > 0; }, [&](HWND window) {
        Click(window, IDCANCEL);
        rowsAtStop = dialog.GetRowCount();
    });
    EXPECT_GT(rowsAtStop, 0u);
    EXPECT_EQ(rowsAtStop, dialog.GetRowCount()) << "rows were taken after Stop";
}

// However the window goes away during a run, the report is stopped first:
// once the dialog is gone its child was ended, not left to finish.
TEST_F(ReportViewerDlgTest, ClosingTheWindowDuringARunStopsTheReportFirst)
{
    ChildGate neverOpened;
    HANDLE child = nullptr;
    {
        CReportViewerDlg dialog;
        Prepare(dialog, ("out:a;1 " + neverOpened.Wait()).c_str());
        auto firstRowListed = [](HWND window) { return ListView_GetItemCount(GetDlgItem(window, IDC_RESULTS)) == 1; };
        EXPECT_EQ(IDOK, RunModal(dialog, firstRowListed, [&](HWND window) {
            WaitUntil([&] { return (child = neverOpened.OpenWaiter()) != nullptr; });
            SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        }));
    }
    ASSERT_NE(nullptr, child) << "no report was running";
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(child, &exitCode);
    CloseHandle(child);
    EXPECT_EQ(1u, exitCode) << "the report was not ended by the close";
}

// The list and its row count are redrawn a few times a second while rows
// arrive: rows that came just before a pause in the output are still shown
// and counted during the pause.
TEST_F(ReportViewerDlgTest, RowsThatCameBeforeAPauseAreCountedDuringIt)
{
    ChildGate pause;
    CReportViewerDlg dialog;
    Prepare(dialog, ("out:a;1 sleep:50 out:b;2 " + pause.Wait() + " out:c;3").c_str());
    auto twoCounted = [](HWND window) { return ControlText(window, IDC_ROWS_PROCESSED) == "Rows Processed: 2"; };
    RunModal(dialog, twoCounted, [&](HWND window) {
        EXPECT_EQ("Executing...", ControlText(window, IDC_STATUS));
        EXPECT_EQ(std::vector<std::string>({ "a", "b" }), Names(window));
        pause.Open();
        ASSERT_TRUE(PumpUntil([&] { return HasFinalStatus(window); }));
        EXPECT_EQ("Rows Processed: 3", ControlText(window, IDC_ROWS_PROCESSED));
    });
}

namespace {
// What the list held when the status line first read "Completed".
struct CompletedMoment {
    int itemsListed = -1;

    static LRESULT CALLBACK StatusProc(HWND status, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR moment)
    {
        auto& seen = *reinterpret_cast<CompletedMoment*>(moment);
        if (message == WM_SETTEXT && seen.itemsListed < 0
            && strcmp(reinterpret_cast<const char*>(lParam), "Completed") == 0)
            seen.itemsListed = ListView_GetItemCount(GetDlgItem(GetParent(status), IDC_RESULTS));
        return DefSubclassProc(status, message, wParam, lParam);
    }
};
}

// The script ends while thousands of sorted rows are still going into the list.
TEST_F(ReportViewerDlgTest, TheRunCompletesOnlyWithItsLastRowInTheList)
{
    CompletedMoment completed;
    HookedDialog dialog;
    Prepare(dialog, "rows:8000:r");
    dialog.beforeStart = [&](HWND window) {
        SetWindowSubclass(GetDlgItem(window, IDC_STATUS), &CompletedMoment::StatusProc, 1,
                          reinterpret_cast<DWORD_PTR>(&completed));
    };
    RunToEnd(dialog, [&](HWND window) {
        EXPECT_EQ(8000, completed.itemsListed);
        RemoveWindowSubclass(GetDlgItem(window, IDC_STATUS), &CompletedMoment::StatusProc, 1);
    });
}

namespace {
// Types into the filter box from inside a refill under way: a key, then Backspace.
struct EditDuringRefill {
    static inline HWND dialog = nullptr;
    static inline int rowCount = 0;
    static inline bool typed = false;

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD)
    {
        int listed = ListView_GetItemCount(GetDlgItem(dialog, IDC_RESULTS));
        if (listed == 0 || listed == rowCount)
            return;
        KillTimer(nullptr, timer);
        typed = true;
        SetDlgItemTextA(dialog, IDC_FILTER, "rx");
        SetDlgItemTextA(dialog, IDC_FILTER, "r");
    }
};
}

TEST_F(ReportViewerDlgTest, ARefillCutShortByAnEditIsDoneAgainWhenTheTextComesBack)
{
    // Enough rows that a refill lasts several of the list's dispatch intervals
    // even on a fast machine: the edit can only come in at one of them.
    const int rowCount = 12000;
    CReportViewerDlg dialog;
    Prepare(dialog, ("rows:" + std::to_string(rowCount) + ":r").c_str());
    RunToEnd(dialog, [&](HWND window) {
        EditDuringRefill::dialog = window;
        EditDuringRefill::rowCount = rowCount;
        EditDuringRefill::typed = false;
        SetDlgItemTextA(window, IDC_FILTER, "r");
        UINT_PTR timer = SetTimer(nullptr, 0, 1, &EditDuringRefill::OnTimer);
        ASSERT_TRUE(PumpUntil([] { return EditDuringRefill::typed; })) << "no refill was caught under way";
        EXPECT_TRUE(PumpUntil([&] { return Names(window).size() == size_t(rowCount); }))
            << "the list stayed partly filled: " << Names(window).size();
        KillTimer(nullptr, timer);
    });
}

TEST_F(ReportViewerDlgTest, TheErrorBoxGrowsWithTheErrorsAndKeepsWhereTheUserScrolled)
{
    ChildGate moreOutput;
    std::string commands;
    std::string expected = "Errors:\r\n";
    for (int line = 1; line <= 40; ++line) {
        commands += "err:e" + std::to_string(line) + " ";
        expected += "  e" + std::to_string(line) + "\r\n";
    }
    CReportViewerDlg dialog;
    Prepare(dialog, (commands + "out:a;1 " + moreOutput.Wait() + " out:b;2 err:late").c_str());
    auto errorsShown = [&](HWND window) {
        return ControlText(window, IDC_ERRORS) == expected && Names(window).size() == 1;
    };
    RunModal(dialog, errorsShown, [&](HWND window) {
        EXPECT_TRUE(IsEnabled(window, IDC_SHOW_ERRORS));
        CheckDlgButton(window, IDC_SHOW_ERRORS, BST_CHECKED);
        Click(window, IDC_SHOW_ERRORS);
        UpdateWindow(window);
        HWND errors = GetDlgItem(window, IDC_ERRORS);
        SendMessageA(errors, EM_LINESCROLL, 0, 10);
        ASSERT_EQ(10, SendMessageA(errors, EM_GETFIRSTVISIBLELINE, 0, 0));

        moreOutput.Open();
        ASSERT_TRUE(PumpUntil([&] { return HasFinalStatus(window); }));
        EXPECT_EQ(expected + "  late\r\n", ControlText(window, IDC_ERRORS));
        EXPECT_EQ(10, SendMessageA(errors, EM_GETFIRSTVISIBLELINE, 0, 0)) << "rows and errors arrived meanwhile";
        EXPECT_EQ(2u, Names(window).size());
    });
}

// A NUL byte is data: the rows around it arrive and its own row ends there.
TEST_F(ReportViewerDlgTest, ANulByteInTheOutputEndsItsValueAndNothingHangs)
{
    CReportViewerDlg dialog;
    Prepare(dialog, "out:a;1 outraw:b nul out:x;2 out:c;3");
    RunToEnd(dialog, [&](HWND window) {
        EXPECT_EQ("Completed", ControlText(window, IDC_STATUS));
        std::vector<std::string> names = Names(window);
        std::sort(names.begin(), names.end());
        EXPECT_EQ(std::vector<std::string>({ "a", "b", "c" }), names);
    });
}

TEST_F(ReportViewerDlgTest, EscapeAfterTheRunLeavesTheFinalStatus)
{
    CReportViewerDlg dialog;
    Prepare(dialog, "out:a;1");
    EXPECT_EQ(kLeftOpen, RunToEnd(dialog, [&](HWND window) {
        SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
        PumpPastTimer(1);
        EXPECT_EQ("Completed", ControlText(window, IDC_STATUS));
    }));
}

TEST_F(ReportViewerDlgTest, DoubleClickInTheDetailsAreaTogglesTheDetails)
{
    CReportViewerDlg dialog;
    Prepare(dialog, "out:a;1");
    RunToEnd(dialog, [&](HWND window) {
        UpdateWindow(window);
        RECT area = ClientRectOf(window, IDC_DETAILS_AREA);
        RECT listBefore = ClientRectOf(window, IDC_RESULTS);
        EXPECT_EQ(area.top + 5, listBefore.top) << "hidden details take 5 pixels";
        SendMessageA(window, WM_LBUTTONDBLCLK, 0, MAKELPARAM(area.left + 10, area.top + 2));
        UpdateWindow(window);
        EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(window, IDC_SHOW_DETAILS));
        EXPECT_EQ(area.top + 35, ClientRectOf(window, IDC_RESULTS).top) << "no parameters: the least height";
        SendMessageA(window, WM_LBUTTONDBLCLK, 0, MAKELPARAM(area.left + 10, area.top + 2));
        UpdateWindow(window);
        EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(window, IDC_SHOW_DETAILS));
    });
}

TEST_F(ReportViewerDlgTest, NarrowColumnsAreWidenedToTheirShareOfTheWindow)
{
    CReportViewerDlg dialog;
    Prepare(dialog, "out:a;1");
    RunToEnd(dialog, [&](HWND window) {
        RECT frame = {};
        GetWindowRect(window, &frame);
        int windowWidth = frame.right - frame.left;
        HWND list = GetDlgItem(window, IDC_RESULTS);
        // Name: string, 20 characters; Size: Integer, 2 characters; Note is hidden.
        EXPECT_EQ(140 * windowWidth / 154 * 9 / 10, ListView_GetColumnWidth(list, 0));
        EXPECT_EQ(14 * windowWidth / 154 * 9 / 10, ListView_GetColumnWidth(list, 1));
    });
}

TEST(ReportViewerDlgDetails, SplitsTheArgumentTextIntoNamedValuesAndContinuationLines)
{
    CReportViewerDlg dialog;
    dialog.SetParameters("PROJECT=\\\"p1@\\repo\\\"; LABELS=\\\"A\\\" \\\"B\\\"; EMPTY=\\\"\\\"; ");
    std::vector<DetailsLine> expected = { { "PROJECT=", "\"p1@\\repo\"" }, { "LABELS=", "\"A\"" }, { "", "\"B\"" } };
    EXPECT_EQ(expected, dialog.GetDetailsLines());
}

TEST(ReportViewerDlgWindowless, RunsTheReportWithoutAWindowAndEndsWithIt)
{
    ChildGate release;
    HANDLE child = nullptr;
    {
        CReportViewerDlg dialog;
        dialog.SetScriptCommand(ChildProgramCommand().c_str());
        dialog.SetParameters(release.Wait().c_str());
        dialog.StartReport();
        EXPECT_EQ(nullptr, dialog.m_hWnd);
        ASSERT_TRUE(WaitUntil([&] { return (child = release.OpenWaiter()) != nullptr; })) << "no report started";
        release.Open();
    }
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(child, 0)) << "the dialog ended before its script";
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(child, &exitCode);
    CloseHandle(child);
    EXPECT_EQ(0u, exitCode);
}

TEST_F(ReportViewerDlgTest, SaveAsWritesTheRowsAsTheListShowsThem)
{
    ScratchProductHome product;
    ScratchFolder folder("save");
    const std::string path = folder / "viewer_dialog_save.xml";
    CReportViewerDlg dialog;
    Prepare(dialog, "out:beta;10;h1 out:alpha;9;h2 out:bingo;11;h3");
    RunToEnd(dialog, [&](HWND window) {
        SetDlgItemTextA(window, IDC_FILTER, "b");
        ASSERT_TRUE(PumpUntil([&] { return Names(window).size() == 2; }));
        ClickColumn(window, 1);
        EXPECT_EQ(std::vector<std::string>({ "bingo", "beta" }), Names(window))
            << "the refill sorted by the report's key, ascending; the click turns it";
        DialogUser user;
        user.Then("Save Report Data As", [&](HWND saveDialog) {
            DialogUser::PickFileType(saveDialog, 1);
            SetDlgItemTextA(saveDialog, DialogUser::kFileNameBox, path.c_str());
            DialogUser::Press(saveDialog, IDOK);
        });
        user.Then("Select HTML Template", [](HWND templateDialog) { DialogUser::Press(templateDialog, IDCANCEL); });
        user.Start();
        Click(window, IDC_SAVE_AS);
        EXPECT_EQ(2u, user.Join().size());
    });
    std::string xml = ReadWholeFile(path);
    xml.erase(0, xml.find("</Header>"));
    size_t bingo = xml.find("<string>bingo</string>");
    size_t beta = xml.find("<string>beta</string>");
    ASSERT_NE(std::string::npos, bingo) << xml;
    ASSERT_NE(std::string::npos, beta) << xml;
    EXPECT_LT(bingo, beta) << "sorted by Size, descending";
    EXPECT_EQ(std::string::npos, xml.find("alpha")) << "filtered out";
    EXPECT_EQ(std::string::npos, xml.find("h3")) << "hidden fields are not saved";
}

namespace {
// The popup menu of a right-click, read and closed from a second thread while
// the dialog tracks it.
struct MenuState {
    bool shown = false;
    std::vector<std::string> texts;
    std::vector<bool> enabled;
};

HWND OwnVisibleMenuWindow()
{
    for (HWND window = FindWindowExA(nullptr, nullptr, "#32768", nullptr); window;
         window = FindWindowExA(nullptr, window, "#32768", nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId() && IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

std::thread WatchPopupMenu(MenuState& state, std::vector<WORD> keys)
{
    return std::thread([&state, keys] {
        // Only a shown menu of this process: test programs running beside
        // this one share the prefix's desktop, and a closed menu can linger hidden.
        HWND menuWindow = nullptr;
        state.shown = WaitUntil([&] { return (menuWindow = OwnVisibleMenuWindow()) != nullptr; });
        if (!state.shown)
            return;
        HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, 0x01E1 /* MN_GETHMENU */, 0, 0));
        for (int position = 0; menu && position < GetMenuItemCount(menu); ++position) {
            char text[128] = "";
            GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
            state.texts.push_back(text);
            state.enabled.push_back(!(GetMenuState(menu, position, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)));
        }
        // The menu takes its posted keys in order.
        for (WORD key : keys)
            PostMessageA(menuWindow, WM_KEYDOWN, key, 0);
    });
}

void RightClickItem(HWND dialog, int item)
{
    NMITEMACTIVATE notify = {};
    notify.hdr.hwndFrom = GetDlgItem(dialog, IDC_RESULTS);
    notify.hdr.idFrom = IDC_RESULTS;
    notify.hdr.code = NM_RCLICK;
    notify.iItem = item;
    SendMessageA(dialog, WM_NOTIFY, IDC_RESULTS, reinterpret_cast<LPARAM>(&notify));
}

void SelectItems(HWND dialog, std::initializer_list<int> items)
{
    HWND list = GetDlgItem(dialog, IDC_RESULTS);
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    for (int item : items)
        ListView_SetItemState(list, item, LVIS_SELECTED, LVIS_SELECTED);
}
}

TEST_F(ReportViewerDlgTest, TheRightClickMenuOffersTheScriptsThatFitTheSelection)
{
    ScratchProductHome product;
    CRightClickScripts scripts;
    MessageBoxWatcher watcher;
    ASSERT_TRUE(scripts.Parse("show_it SEP label_it(single) tag_all(multiple) "));
    CReportViewerDlg dialog;
    Prepare(dialog, "out:a;1 out:b;2");
    dialog.SetRightClickScripts(&scripts);
    RunToEnd(dialog, [&](HWND window) {
        SelectItems(window, { 0 });
        MenuState single;
        std::thread watch = WatchPopupMenu(single, { VK_ESCAPE });
        RightClickItem(window, 0);
        watch.join();
        ASSERT_TRUE(single.shown) << "no menu came up";
        EXPECT_EQ(std::vector<std::string>({ "show it", "", "label it", "tag all" }), single.texts);
        EXPECT_EQ(std::vector<bool>({ true, true, true, false }), single.enabled);

        SelectItems(window, { 0, 1 });
        MenuState multiple;
        watch = WatchPopupMenu(multiple, { VK_UP, VK_RETURN });
        RightClickItem(window, 1);
        watch.join();
        ASSERT_TRUE(multiple.shown) << "no menu came up";
        EXPECT_EQ(std::vector<bool>({ true, true, false, true }), multiple.enabled);
        auto boxes = watcher.WaitForBoxes(1);
        ASSERT_EQ(1u, boxes.size()) << "the chosen script is looked for in the reports folder";
        EXPECT_EQ("Script Error", boxes[0].caption);
        EXPECT_EQ("Unable to locate script " + product.ReportsFolder() + "scripts_rightclick\\tag_all.prl  ", boxes[0].text);
    });
}

TEST_F(ReportViewerDlgTest, TheSystemMenuOpensTheAboutBox)
{
    CReportViewerDlg dialog;
    Prepare(dialog, "out:a;1");
    RunToEnd(dialog, [&](HWND window) {
        HMENU systemMenu = GetSystemMenu(window, FALSE);
        int last = GetMenuItemCount(systemMenu) - 1;
        char text[128] = "";
        GetMenuStringA(systemMenu, last, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ("&About Korvast Report Viewer...", text);
        EXPECT_EQ(static_cast<UINT>(IDM_ABOUTBOX), GetMenuItemID(systemMenu, last));
        EXPECT_EQ(static_cast<UINT>(MF_SEPARATOR), GetMenuState(systemMenu, last - 1, MF_BYPOSITION) & MF_SEPARATOR);

        std::string version;
        DialogUser user;
        user.Then("About Korvast Report Viewer", [&](HWND about) {
            version = ControlText(about, IDC_VERSION);
            DialogUser::Press(about, IDOK);
        });
        user.Start();
        SendMessageA(window, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        user.Join();
        EXPECT_EQ("Korvast Report Viewer, Version 8.0.0.17 (8.0.0.17)", version);
    });
}

TEST_F(ReportViewerDlgTest, ManyParametersGiveTheDetailsAreaNineLinesAtMost)
{
    CReportViewerDlg dialog;
    Prepare(dialog, "out:a;1");
    std::string parameters;
    for (int index = 0; index < 12; ++index)
        parameters += "P" + std::to_string(index) + "=\\\"v\\\"; ";
    dialog.SetParameters(parameters.c_str());
    EXPECT_EQ(12u, dialog.GetDetailsLines().size());
    RunToEnd(dialog, [&](HWND window) {
        CheckDlgButton(window, IDC_SHOW_DETAILS, BST_CHECKED);
        Click(window, IDC_SHOW_DETAILS);
        UpdateWindow(window);
        RECT area = ClientRectOf(window, IDC_DETAILS_AREA);
        EXPECT_EQ(area.top + 14 * 9 + 21, ClientRectOf(window, IDC_RESULTS).top);
    });
}

TEST_F(ReportViewerDlgTest, HelpOpensTheViewersTopicInTheProductsHelp)
{
    CReportViewerDlg dialog;
    Prepare(dialog, "out:a;1");
    RunToEnd(dialog, [&](HWND window) {
        MessageBoxWatcher watcher;
        Click(window, ID_HELP);
        auto boxes = watcher.WaitForBoxes(1);
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ("Korvast Help", boxes[0].caption);
        EXPECT_EQ("Korvast help, topic: kv_reports/c_vwr_wndw_manplt.htm", boxes[0].text);
    });
}

namespace {
// The dialog with blocks of output handed to its parser by the test, as the
// launcher's reader hands them.
class FedDialog : public CReportViewerDlg {
public:
    void Feed(const char* block) { OnOutputText(block); }
    void FeedErrors(const char* block) { OnErrorText(block); }
};

const UINT kFeedDuringInsertion = WM_APP + 1;

// Feeds a block when asked, and notes whether that came while the dialog was
// taking rows into its list, that is from inside an insertion.
struct FeedDuringInsertion {
    FedDialog* dialog;
    int rowsBeingTaken = 0;
    bool fedDuringInsertion = false;

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
    {
        auto& feed = *reinterpret_cast<FeedDuringInsertion*>(self);
        if (message == kFeedDuringInsertion) {
            feed.fedDuringInsertion = feed.rowsBeingTaken > 0;
            feed.dialog->Feed("c;3\n");
            return 0;
        }
        if (message != WM_ROWS_ARRIVED)
            return DefSubclassProc(window, message, wParam, lParam);
        ++feed.rowsBeingTaken;
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        --feed.rowsBeingTaken;
        return result;
    }
};
}

// A block that arrives while an insertion dispatches messages brings a
// rows message that the insertion takes in passing; blocks after it still
// reach the list.
TEST_F(ReportViewerDlgTest, BlocksAfterOneThatCameDuringAnInsertionAreStillListed)
{
    FedDialog dialog;
    FeedDuringInsertion feed{ &dialog };
    Prepare(dialog, "out:a;1");
    RunToEnd(dialog, [&](HWND window) {
        // The run's rows are taken, so the next block posts its rows message.
        PumpPastTimer(2 * CReportViewerDlg::kRowsPickupIntervalMs);
        SetWindowSubclass(window, &FeedDuringInsertion::Proc, 1, reinterpret_cast<DWORD_PTR>(&feed));
        dialog.Feed("b;2\n");
        PostMessageA(window, kFeedDuringInsertion, 0, 0);
        // An insertion dispatches messages only every few milliseconds.
        Sleep(20);
        ASSERT_TRUE(PumpUntil([&] { return Names(window).size() == 3; }));
        ASSERT_TRUE(feed.fedDuringInsertion) << "the block came after the insertion, not during it";
        dialog.Feed("d;4\n");
        EXPECT_TRUE(PumpUntil([&] {
            return Names(window).size() == 4 && ControlText(window, IDC_ROWS_PROCESSED) == "Rows Processed: 4";
        })) << "the list stood still";
        RemoveWindowSubclass(window, &FeedDuringInsertion::Proc, 1);
    });
}

// Stop while the parser is in the middle of a block: the rows that were in
// when Stop came stay, and no more come. A run in which the reader parsed the
// whole block before Stop came is tried again.
TEST_F(ReportViewerDlgTest, StopDuringABlockKeepsTheRowsParsedBeforeIt)
{
    const size_t kRows = 200000;
    std::string block;
    for (size_t row = 0; row < kRows; ++row)
        block += "r;" + std::to_string(row) + "\n";
    bool stoppedDuringTheBlock = false;
    for (int run = 0; run < 3 && !stoppedDuringTheBlock; ++run) {
        ChildGate neverOpened;
        FedDialog dialog;
        Prepare(dialog, neverOpened.Wait().c_str());
        RunModal(dialog, [](HWND window) { return IsEnabled(window, IDCANCEL); }, [&](HWND window) {
            std::thread reader([&] { dialog.Feed(block.c_str()); });
            WaitUntil([&] { return dialog.GetRowCount() > 0; });
            Click(window, IDCANCEL);
            const size_t rowsAtStop = dialog.GetRowCount();
            reader.join();
            stoppedDuringTheBlock = rowsAtStop > 0 && rowsAtStop < kRows;
            EXPECT_EQ(rowsAtStop, dialog.GetRowCount()) << "rows were taken after Stop";
            ASSERT_TRUE(PumpUntil([&] { return HasFinalStatus(window); }));
            EXPECT_EQ("Canceled", ControlText(window, IDC_STATUS));
            EXPECT_EQ(rowsAtStop, Names(window).size());
        });
    }
    EXPECT_TRUE(stoppedDuringTheBlock) << "in every run the block was parsed whole before Stop came";
}

namespace {
// A report that prints two rows, starts a helper that inherits its output and
// writes nothing, and waits at its gate; let go, it ends while the helper
// holds its output on.
class HelperHeldReport {
public:
    ~HelperHeldReport()
    {
        m_helperGate.Open();
        for (HANDLE process : { m_report, m_helper })
            if (process)
                CloseHandle(process);
    }

    std::string Commands() const { return "out:a;1 out:b;2 start:" + m_helperGate.Wait() + " " + m_reportGate.Wait(); }

    // Once the report and its helper run; with `reportEnds` the report is let go
    // and has ended, and the worker waits for the readers.
    bool Settle(bool reportEnds)
    {
        const bool bothRun = WaitUntil([&] {
            m_report = m_report ? m_report : m_reportGate.OpenWaiter();
            m_helper = m_helper ? m_helper : m_helperGate.OpenWaiter();
            return m_report && m_helper;
        });
        if (!bothRun || !reportEnds)
            return bothRun;
        m_reportGate.Open();
        const bool ended = WaitForSingleObject(m_report, kPatientMs) == WAIT_OBJECT_0;
        PumpPastTimer(300);
        return ended;
    }

    // Only the report was ended: by itself, or by the run's end while it ran.
    void ExpectHelperLeftRunning(bool reportEnded) const
    {
        DWORD exitCode = STILL_ACTIVE;
        GetExitCodeProcess(m_report, &exitCode);
        EXPECT_EQ(reportEnded ? 0u : 1u, exitCode);
        EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(m_helper, 0)) << "the helper was ended";
    }

private:
    ChildGate m_reportGate;
    ChildGate m_helperGate;
    HANDLE m_report = nullptr;
    HANDLE m_helper = nullptr;
};

class ReportViewerDlgHeldOutputTest : public ReportViewerDlgTest {
protected:
    // Runs the held report until its rows are listed, then `end`s the run from
    // the window; returns how long the run and the dialog took to end from then on.
    DWORD EndTheRun(bool reportEnded, const std::function<void(HWND)>& end)
    {
        SCOPED_TRACE(reportEnded ? "the report had ended" : "the report was running");
        HelperHeldReport held;
        DWORD endedAt = 0;
        {
            CReportViewerDlg dialog;
            Prepare(dialog, held.Commands().c_str());
            auto rowsListed = [](HWND window) { return Names(window).size() == 2; };
            RunModal(dialog, rowsListed, [&](HWND window) {
                ASSERT_TRUE(held.Settle(reportEnded));
                endedAt = GetTickCount();
                end(window);
            });
            EXPECT_EQ(2u, dialog.GetRowCount());
        }
        const DWORD elapsed = GetTickCount() - endedAt;
        held.ExpectHelperLeftRunning(reportEnded);
        return elapsed;
    }
};
}

// A helper that holds the report's output holds neither Stop nor the window's end.
TEST_F(ReportViewerDlgHeldOutputTest, StopEndsTheRunAtOnceWithTheRowsKept)
{
    for (bool reportEnded : { true, false }) {
        const DWORD elapsed = EndTheRun(reportEnded, [](HWND window) {
            Click(window, IDCANCEL);
            EXPECT_TRUE(PumpUntil([&] { return HasFinalStatus(window); }, kAtOnceBoundMs));
            EXPECT_EQ("Canceled", ControlText(window, IDC_STATUS));
            EXPECT_EQ(std::vector<std::string>({ "a", "b" }), Names(window));
            EXPECT_TRUE(IsEnabled(window, IDOK));
        });
        EXPECT_LT(elapsed, kAtOnceBoundMs) << (reportEnded ? "with the report ended" : "with the report running");
    }
}

TEST_F(ReportViewerDlgHeldOutputTest, ClosingTheWindowEndsTheRunAndTheDialogAtOnce)
{
    for (bool reportEnded : { true, false }) {
        const DWORD elapsed = EndTheRun(reportEnded, [](HWND window) {
            SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        });
        EXPECT_LT(elapsed, kAtOnceBoundMs) << (reportEnded ? "with the report ended" : "with the report running");
    }
}

// A rows message whose post fails leaves none waiting: the next block posts
// again, and its rows and those of the failed post reach the list.
TEST_F(ReportViewerDlgTest, RowsWhosePostFailedAreListedWithTheNextBlock)
{
    FedDialog dialog;
    Prepare(dialog, "out:a;1");
    RunToEnd(dialog, [&](HWND window) {
        // The rows of the run are taken; no message waits any more.
        PumpPastTimer(2 * CReportViewerDlg::kRowsPickupIntervalMs);
        HWND gone = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        DestroyWindow(gone);
        dialog.m_hWnd = gone;
        dialog.Feed("b;2\n");
        dialog.m_hWnd = window;
        dialog.Feed("c;3\n");
        EXPECT_TRUE(PumpUntil([&] { return Names(window).size() == 3; })) << "the list stood still";
    });
}

// Blocks of error output that come before the window takes their message
// wait in that one message; the next block after it posts again.
TEST_F(ReportViewerDlgTest, ErrorBlocksWaitInOneMessage)
{
    FedDialog dialog;
    Prepare(dialog, "out:a;1");
    RunToEnd(dialog, [&](HWND window) {
        for (int block = 0; block < 3; ++block)
            dialog.FeedErrors(("warning " + std::to_string(block) + "\n").c_str());
        MSG message;
        int posted = 0;
        while (PeekMessageA(&message, window, WM_ERRORS_ARRIVED, WM_ERRORS_ARRIVED, PM_REMOVE)) {
            ++posted;
            DispatchMessageA(&message);
        }
        EXPECT_EQ(1, posted);
        EXPECT_NE(std::string::npos, ControlText(window, IDC_ERRORS).find("warning 2"));
        dialog.FeedErrors("warning 3\n");
        EXPECT_TRUE(PeekMessageA(&message, window, WM_ERRORS_ARRIVED, WM_ERRORS_ARRIVED, PM_NOREMOVE))
            << "no message for the error output after the first";
    });
}

namespace {
// From inside an insertion under way: one more row for the parser, then the
// run's end; notes how many rows the list held then.
struct FinishDuringInsertion {
    FedDialog* dialog;
    int listedAtRequest = -1;

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
    {
        if (message != kFeedDuringInsertion)
            return DefSubclassProc(window, message, wParam, lParam);
        auto& finish = *reinterpret_cast<FinishDuringInsertion*>(self);
        finish.listedAtRequest = ListView_GetItemCount(GetDlgItem(window, IDC_RESULTS));
        finish.dialog->Feed("c;3\n");
        SendMessageA(window, WM_REPORT_FINISHED, 0, 1);
        return 0;
    }
};
}

// The run's end that comes during an insertion waits for the rows of that
// insertion and for those the parser appended meanwhile.
TEST_F(ReportViewerDlgTest, AnEndDuringAnInsertionWaitsForTheRowsThatCameMeanwhile)
{
    FedDialog dialog;
    Prepare(dialog, "out:a;1");
    RunToEnd(dialog, [&](HWND window) {
        PumpPastTimer(2 * CReportViewerDlg::kRowsPickupIntervalMs);
        FinishDuringInsertion finish{ &dialog };
        CompletedMoment completed;
        HWND status = GetDlgItem(window, IDC_STATUS);
        SetWindowSubclass(window, &FinishDuringInsertion::Proc, 1, reinterpret_cast<DWORD_PTR>(&finish));
        SetWindowSubclass(status, &CompletedMoment::StatusProc, 1, reinterpret_cast<DWORD_PTR>(&completed));
        dialog.Feed("b;2\n");
        PostMessageA(window, kFeedDuringInsertion, 0, 0);
        // An insertion dispatches messages only every few milliseconds.
        Sleep(20);
        EXPECT_TRUE(PumpUntil([&] { return completed.itemsListed >= 0; }));
        EXPECT_EQ(1, finish.listedAtRequest) << "the end did not come during the insertion";
        EXPECT_EQ(3, completed.itemsListed);
        RemoveWindowSubclass(status, &CompletedMoment::StatusProc, 1);
        RemoveWindowSubclass(window, &FinishDuringInsertion::Proc, 1);
    });
}
