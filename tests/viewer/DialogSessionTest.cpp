// The sessions that play the dialogs of these tests report what the dialog
// did, and end a dialog or box that nobody awaited instead of waiting in it.
#include "tests/support/DialogDriver.h"
#include "tests/support/DialogUser.h"
#include "viewer/AboutDlg.h"
#include <gtest/gtest-spi.h>

using namespace DialogDriver;

namespace {
bool Always(HWND) { return true; }
}

TEST(DialogSession, RunModalGivesWhatTheStepsEndedTheDialogWith)
{
    TestApp app;
    CAboutDlg about;
    EXPECT_EQ(IDCANCEL, RunModal(about, Always, [](HWND window) { SendMessageA(window, WM_COMMAND, IDCANCEL, 0); }));
    EXPECT_EQ(kLeftOpen, RunModal(about, Always, [](HWND) {}));
}

// The checks are in the steps: a run without them fails, and a dialog that
// hid itself without ending is ended instead of being waited for.
TEST(DialogSession, ARunWhoseStepsNeverRanOrThatHidTheDialogFails)
{
    TestApp app;
    CDialog missing(54321);
    bool ran = false;
    EXPECT_NONFATAL_FAILURE(RunModal(missing, Always, [&](HWND) { ran = true; }),
                            "the dialog never showed (DoModal returned -1)");
    EXPECT_FALSE(ran);
    CAboutDlg about;
    INT_PTR hidden = 0;
    EXPECT_NONFATAL_FAILURE(hidden = RunModal(about, Always, [](HWND window) { ShowWindow(window, SW_HIDE); }),
                            "the dialog hid itself during the test's steps without ending");
    EXPECT_EQ(kLeftOpen, hidden);
}

TEST(DialogSession, AMessageBoxThatNoWatcherAwaitsIsCancelledAndFails)
{
    TestApp app;
    CAboutDlg about;
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(RunModal(about, Always, [&](HWND window) {
        answer = MessageBoxA(window, "Nobody waits", "Stray box", MB_OKCANCEL);
    }), "\"Stray box\": \"Nobody waits\"");
    EXPECT_EQ(IDCANCEL, answer);
}

TEST(DialogSession, ADialogTheUserDoesNotAwaitIsCancelledAndFails)
{
    TestApp app;
    CAboutDlg about;
    INT_PTR result = 0;
    EXPECT_NONFATAL_FAILURE({
        DialogUser user;
        user.Then("Another Dialog", [](HWND) {});
        user.Start();
        result = about.DoModal();
        user.Join();
    }, "(unexpected) About Korvast Report Viewer");
    EXPECT_EQ(IDCANCEL, result);
}

// A key the user presses goes through the modal dialog's own loop, which
// gives it the dialog's keyboard handling: Escape cancels the dialog.
TEST(ModalDialog, TheUsersEscapeCancelsIt)
{
    TestApp app;
    CAboutDlg about;
    DialogUser user;
    user.Then("About Korvast Report Viewer", [](HWND dialog) {
        GUITHREADINFO thread = {};
        thread.cbSize = sizeof thread;
        GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread);
        PostMessageA(thread.hwndFocus ? thread.hwndFocus : dialog, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    user.Start();
    EXPECT_EQ(IDCANCEL, about.DoModal());
    user.Join();
}
