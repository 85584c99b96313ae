// Tovenar.exe as a whole, started with a command line of switches the way the
// builder starts it, with the test child program as the report script. A
// localized resource library lies beside it (res\Tovenar.dll, texts in German).
#include "tests/support/ChildGate.h"
#include "tests/support/ProgramProcess.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WindowPump.h"
#include "viewer/Resource.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <string>

namespace {
// Tovenar.exe beside the test program, with the test child program as its report script.
class Program : public ProgramProcess {
public:
    explicit Program(const std::string& switches)
        : ProgramProcess("\"" + ProgramFolder() + "Tovenar.exe\" `E:\"" + ProgramFolder() + "childproc.exe\" " + switches)
    {
    }
};

std::string Text(HWND window)
{
    char text[256] = "";
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}
}

TEST(TovenarProgram, WithoutFieldsRunsTheReportWithNoWindowAndEndsWithIt)
{
    ChildGate release;
    Program program("`D:\"C:\\\" `P:" + release.Wait() + " `T:Windowless ");
    ASSERT_TRUE(program.Started());
    // The script waits at the gate: the program waits with it, showing nothing.
    EXPECT_FALSE(program.HasEnded(500)) << "the program ends when the script ends";
    bool windowSeen = program.FindWindowOfClass(nullptr) != nullptr;
    release.Open();
    ASSERT_TRUE(WaitUntil([&] {
        windowSeen = windowSeen || program.FindWindowOfClass(nullptr) != nullptr;
        return program.HasEnded(0);
    }));
    EXPECT_FALSE(windowSeen);
    EXPECT_EQ(0u, program.ExitCode());
}

TEST(TovenarProgram, WithFieldsShowsTheRowsInTheLocalizedDialogUntilItIsClosed)
{
    Program program("`P:out:a;1 out:b;2 `F:\"Name\"(string) \"Size\"(Integer) `T:Program run ");
    ASSERT_TRUE(program.Started());
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = program.FindWindowOfClass("#32770")) != nullptr; }));
    EXPECT_EQ("Korvast Berichtanzeige - Program run ", Text(dialog));
    EXPECT_EQ("Ergebnisse filtern:", Text(GetDlgItem(dialog, IDC_FILTER_LABEL)));
    ASSERT_TRUE(WaitUntil([&] { return Text(GetDlgItem(dialog, IDC_STATUS)) == "Fertig"; }));
    EXPECT_EQ("Verarbeitete Zeilen: 2", Text(GetDlgItem(dialog, IDC_ROWS_PROCESSED)));
    // The library's list is one of an older build, without LVS_OWNERDATA.
    HWND list = GetDlgItem(dialog, IDC_RESULTS);
    EXPECT_EQ(2, ListView_GetItemCount(list));
    EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & LVS_OWNERDATA);
    EXPECT_FALSE(program.HasEnded(0));
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.HasEnded(kPatientMs));
    EXPECT_EQ(0u, program.ExitCode());
}

// The report leaves a helper holding its output, which writes nothing and
// outlives the window: the program still ends with its window, and leaves the
// helper running.
TEST(TovenarProgram, EndsWithItsWindowWhileAHelperHoldsTheReportsOutput)
{
    ChildGate helperGate;
    Program program("`P:out:a;1 start:" + helperGate.Wait() + " `F:\"Name\"(string) \"Size\"(Integer) `T:Held ");
    ASSERT_TRUE(program.Started());
    HWND dialog = nullptr;
    HANDLE helper = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = program.FindWindowOfClass("#32770")) != nullptr; }));
    ASSERT_TRUE(WaitUntil([&] { return (helper = helperGate.OpenWaiter()) != nullptr; }));
    ASSERT_TRUE(WaitUntil([&] { return Text(GetDlgItem(dialog, IDC_ROWS_PROCESSED)) == "Verarbeitete Zeilen: 1"; }));
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.HasEnded(kAtOnceBoundMs));
    EXPECT_EQ(0u, program.ExitCode());
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(helper, 0)) << "the helper was ended";
    helperGate.Open();
    CloseHandle(helper);
}
