// Start-up of the viewer: the switches of its command line and the script's
// self-description filling what they leave empty.
#include "reportmodel/CommandLineMap.h"
#include "reportmodel/Fields.h"
#include "tests/support/MessageBoxWatcher.h"
#include "viewer/ReportViewerApp.h"
#include "viewer/RightClickScripts.h"
#include <gtest/gtest.h>

namespace {
CString Stripped(const char* text)
{
    CString value(text);
    CReportViewerApp::StripQuotes(value);
    return value;
}

std::string TestFolder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    return folder.erase(folder.rfind('\\') + 1);
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
    MessageBoxWatcher watcher;
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
    auto boxes = watcher.WaitForBoxes(1);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Right-click scripts parsing error", boxes[0].caption);
}

TEST(ReportViewerApp, DropsAFieldsHeaderThatDoesNotParse)
{
    CReportViewerApp app;
    MessageBoxWatcher watcher;
    app.ParseCommandLineSwitches(CCommandLineMap("`E:x.exe `F:(string) `R:a b(single) "));
    EXPECT_EQ(nullptr, app.GetFields());
    ASSERT_NE(nullptr, app.GetRightClickScripts());
    EXPECT_EQ(2, app.GetRightClickScripts()->GetCount());
    auto boxes = watcher.WaitForBoxes(1);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Fields parsing error", boxes[0].caption);
    EXPECT_EQ("Error: Attributes specified with no associated field", boxes[0].text);
}

TEST(ReportViewerApp, FillsWhatTheSwitchesLeaveEmptyFromTheScript)
{
    CReportViewerApp app;
    MessageBoxWatcher watcher;
    std::string script = TestFolder() + "childproc.exe";
    app.ParseCommandLineSwitches(CCommandLineMap(("`E:my command `I:\"" + script + "\" ").c_str()));
    EXPECT_STREQ("my command", app.GetScriptCommand()) << "the command line wins";
    EXPECT_STREQ("Child process report", app.GetTitle());
    EXPECT_STREQ(TestFolder().c_str(), app.GetWorkingFolder());
    EXPECT_EQ(nullptr, app.GetFields()) << "the child's fields line is no valid header";
    EXPECT_EQ(1u, watcher.WaitForBoxes(1).size());
}
