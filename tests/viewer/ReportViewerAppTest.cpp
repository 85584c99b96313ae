// Start-up of the viewer: the switches of its command line and the script's
// self-description filling what they leave empty.
#include "reportmodel/CommandLineMap.h"
#include "reportmodel/Fields.h"
#include "tests/support/ChildRun.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/TestFiles.h"
#include "viewer/ReportViewerApp.h"
#include "viewer/RightClickScripts.h"
#include <gtest/gtest.h>
#include <commctrl.h>
#include <cstring>

namespace {
CString Stripped(const char* text)
{
    CString value(text);
    CReportViewerApp::StripQuotes(value);
    return value;
}
}

TEST(ReportViewerApp, StripsBlanksAndThenOnePairOfOuterQuotes)
{
    EXPECT_STREQ("abc", Stripped(" \"abc\" "));
    EXPECT_STREQ("\"abc", Stripped("\"abc"));
    EXPECT_STREQ("", Stripped("\""));
    EXPECT_STREQ("\"x\"", Stripped("\"\"x\"\""));
    EXPECT_STREQ("kvperl \"C:\\r s\\a.prl\"", Stripped("kvperl \"C:\\r s\\a.prl\" "));
}

TEST(ReportViewerApp, ReadsTheSwitchesOfTheCommandLine)
{
    CReportViewerApp app;
    AwaitedBoxes watcher;
    app.ParseCommandLineSwitches(CCommandLineMap(
        "Tovenar.exe `E:kvperl \"C:\\r s\\a.prl\" `D:\"C:\\r s\\\" `P:X=\\\"1\\\"; `F:\"Name\"(string) \"Size\"(Integer) "
        "`T: My report `R:show_it"));
    EXPECT_STREQ("kvperl \"C:\\r s\\a.prl\"", app.GetScriptCommand());
    EXPECT_STREQ("C:\\r s\\", app.GetWorkingFolder());
    EXPECT_STREQ("X=\\\"1\\\";", app.GetParameters());
    EXPECT_STREQ(" My report ", app.GetTitle()) << "the title is taken as it stands";
    ASSERT_NE(nullptr, app.GetFields());
    EXPECT_EQ(2, app.GetFields()->GetCount());
    EXPECT_EQ(nullptr, app.GetRightClickScripts()) << "a bare name at the end is left open";
    auto boxes = watcher.NewBoxes(1);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Right-click scripts parsing error", boxes[0].caption);
}

TEST(ReportViewerApp, DropsAFieldsHeaderThatDoesNotParse)
{
    CReportViewerApp app;
    AwaitedBoxes watcher;
    app.ParseCommandLineSwitches(CCommandLineMap("`E:x.exe `F:(string) `R:a b(single) "));
    EXPECT_EQ(nullptr, app.GetFields());
    ASSERT_NE(nullptr, app.GetRightClickScripts());
    EXPECT_EQ(2, app.GetRightClickScripts()->GetCount());
    auto boxes = watcher.NewBoxes(1);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Fields parsing error", boxes[0].caption);
    EXPECT_EQ("Error: Attributes specified with no associated field", boxes[0].text);
}

TEST(ReportViewerApp, FillsWhatTheSwitchesLeaveEmptyFromTheScript)
{
    CReportViewerApp app;
    AwaitedBoxes watcher;
    std::string script = ProgramFolder() + "childproc.exe";
    app.ParseCommandLineSwitches(CCommandLineMap(("`E:my command `I:\"" + script + "\" ").c_str()));
    EXPECT_STREQ("my command", app.GetScriptCommand()) << "the command line wins";
    EXPECT_STREQ("Child process report", app.GetTitle());
    EXPECT_STREQ(ProgramFolder().c_str(), app.GetWorkingFolder());
    EXPECT_EQ(nullptr, app.GetFields()) << "the child's fields line is no valid header";
    EXPECT_EQ(1u, watcher.NewBoxes(1).size());
}

namespace {
// The classes asked for through InitCommonControlsEx since the hook went in.
DWORD g_classesAskedFor = 0;
BOOL WINAPI RecordInitCommonControlsEx(const INITCOMMONCONTROLSEX* classes)
{
    g_classesAskedFor |= classes->dwICC;
    return TRUE;
}

// Points this program's import of `function` from `dll` at `replacement`;
// false when the program does not import it by name.
bool HookImport(const char* dll, const char* function, const void* replacement)
{
    auto base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const DWORD importsAt = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + importsAt); importsAt && entry->Name;
         ++entry) {
        if (_stricmp(reinterpret_cast<const char*>(base + entry->Name), dll) != 0)
            continue;
        auto name = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
        auto slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
        for (; name->u1.AddressOfData; ++name, ++slot) {
            if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)
                || strcmp(reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData)->Name, function) != 0)
                continue;
            DWORD protection = 0;
            VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
            slot->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(slot, sizeof *slot, protection, &protection);
            return true;
        }
    }
    return false;
}
}

// Wine registers every common control when comctl32 loads; on Windows the
// program must ask for the ones it uses. Start-up settles process-wide state
// (the locale, the resource library), so it runs in a process of its own.
TEST(ReportViewerApp, StartUpRegistersTheListViewClasses)
{
    EXPECT_EQ(0, RunTestsInChildProcess("ReportViewerAppStartUp.*"));
}

TEST(ReportViewerAppStartUp, DISABLED_RegistersTheListViewClasses)
{
    ASSERT_TRUE(HookImport("comctl32.dll", "InitCommonControlsEx", reinterpret_cast<const void*>(&RecordInitCommonControlsEx)));
    AwaitedBoxes watcher;
    CReportViewerApp app;
    EXPECT_FALSE(app.InitInstance()) << "the viewer ends with its report";
    EXPECT_EQ(static_cast<DWORD>(ICC_LISTVIEW_CLASSES), g_classesAskedFor & ICC_LISTVIEW_CLASSES);
    const std::vector<RecordedBox> boxes = watcher.NewBoxes(1);
    ASSERT_EQ(1u, boxes.size()) << "no script was named, so none could start";
    EXPECT_EQ("Error", boxes[0].caption);
}
