// Maldrin.exe of the installed product on the product's sample reports,
// played by a user from the test's own process: browsing the tree and the
// report list, running a report into a visible Tovenar, help, About and
// Set Scripts Location.
#include "tests/builder/e2e/BuilderFixture.h"
#include "tests/support/RegistryKeyBackup.h"
#include <fstream>
#include <sstream>

namespace {
const int kSetScriptsLocation = 32773;
const int kHelpContents = 32775;
const int kExtendedHelp = 32776;
const int kAbout = 57664;

std::string SimulationLog()
{
    std::ifstream file(Setting("ProductHome") + "\\bin\\korvast-ui.log", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

typedef BuilderFixture BuilderEndToEnd;
}

TEST_F(BuilderEndToEnd, BrowsesTheScriptFoldersAndTheirReports)
{
    RemoteTreeView& tree = m_builder->Tree();
    EXPECT_EQ(tree.Text(tree.Root()), "\\Reports");
    EXPECT_EQ(tree.ChildTexts(tree.Root()), (Texts{ "Arguments", "Benchmark", "Files", "Mivad", "Types" }));
    EXPECT_EQ(m_builder->Caption(), "Korvast Report Builder");
    EXPECT_TRUE(m_builder->ShowsCommand(kRunReport, false)) << "nothing is selected yet";

    ASSERT_NO_FATAL_FAILURE(OpenFolder("Files", 3));
    EXPECT_EQ(ReportRows(), (Texts{ "Files changed since", "Find a text in files", "Large files" }));
    // The first report is current: its parameters show with their kind words, and it cannot run yet.
    const Texts lines = m_builder->ParameterLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("pathnames"), std::string::npos) << lines[0];
    EXPECT_TRUE(m_builder->ShowsCommand(kRunReport, false));

    ASSERT_NO_FATAL_FAILURE(OpenFolder("Mivad", 3));
    EXPECT_EQ(ReportRows(), (Texts{ "Activity details", "Streams of a project", "Activities of a stream" }));
}

// The viewer is started hidden by the launcher and from a product home with
// a blank in its path; a decoy C:\Program.exe lies in wait for an unquoted path.
TEST_F(BuilderEndToEnd, RunsAReportWithoutParametersIntoAVisibleViewer)
{
    ASSERT_NO_FATAL_FAILURE(OpenFolder("Types", 2));
    EXPECT_EQ(ReportRows(), (Texts{ "Label types", "Repositories" }));
    m_builder->Reports().Select({ 1 });
    ASSERT_TRUE(PumpUntil([&] { return m_builder->ParameterLines().empty(); }));
    ASSERT_TRUE(m_builder->ShowsCommand(kRunReport, true));

    m_builder->Command(kRunReport);
    const std::vector<Texts> rows = m_builder->ViewerRows(5);
    ASSERT_EQ(rows.size(), 5u) << "no visible viewer with the report's rows";
    EXPECT_EQ(rows[0][0], "/tools");
}

TEST_F(BuilderEndToEnd, HelpAndAboutReachTheMakersLibraries)
{
    m_builder->Command(kHelpContents);
    ShownWindow help = m_builder->WaitForWindow("Korvast Help");
    EXPECT_EQ(help.text, "Korvast help, topic: (contents)");
    ASSERT_TRUE(BuilderProcess::Press(help.window, IDOK));

    m_builder->Command(kAbout);
    ShownWindow about = m_builder->WaitForWindow("About Korvast Report Builder");
    EXPECT_EQ(about.text, "Korvast Report Builder\n\nKorvast 8.0 (simulated installation)");
    ASSERT_TRUE(BuilderProcess::Press(about.window, IDOK));

    m_builder->Command(kExtendedHelp);
    ShownWindow extended = m_builder->WaitForWindow("Korvast Help");
    EXPECT_EQ(extended.text, "Korvast extended help for Report Builder");
    ASSERT_TRUE(BuilderProcess::Press(extended.window, IDOK));

    const std::string log = SimulationLog();
    EXPECT_NE(log.find("gu_help (contents) 11"), std::string::npos) << log;
    EXPECT_NE(log.find("kvAboutBoxOp Korvast Report Builder icon"), std::string::npos) << log;
}

TEST_F(BuilderEndToEnd, SetScriptsLocationChangesTheSettingAndTheTree)
{
    RegistryKeyBackup settings(HKEY_LOCAL_MACHINE, kProductVersionKey, RegistryKeyBackup::Start::AsItWas);
    const std::string original = Setting("ReportsPath");
    const std::string other = "C:\\OtherReports";
    CreateDirectoryA(other.c_str(), nullptr);
    CreateDirectoryA((other + "\\scripts").c_str(), nullptr);
    CreateDirectoryA((other + "\\scripts\\Extra_Reports.v2").c_str(), nullptr);

    m_builder->Command(kSetScriptsLocation);
    ShownWindow dialog = m_builder->WaitForWindow("Configure Reports Directory");
    ASSERT_NE(dialog.window, nullptr);
    EXPECT_EQ(ControlText(dialog.window, 1008) + "\\", original + "\\");
    SetDlgItemTextA(dialog.window, 1008, other.c_str());
    ASSERT_TRUE(BuilderProcess::Press(dialog.window, IDOK));

    RemoteTreeView& tree = m_builder->Tree();
    EXPECT_TRUE(PumpUntil([&] { return tree.ChildTexts(tree.Root()) == Texts{ "Extra Reports" }; }))
        << "the tree shows the new scripts folder, its name's underscores as blanks and without its last dot";
    EXPECT_EQ(Setting("ReportsPath"), other);
}

TEST(BuilderProgram, ExportsTheFlatSplitter)
{
    HMODULE program = LoadLibraryExA(Builder().c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(program, nullptr);
    EXPECT_NE(GetProcAddress(program, "_ZN16CFlatSplitterWnd7HideRowEi"), nullptr);
    EXPECT_NE(GetProcAddress(program, "_ZN16CFlatSplitterWnd11ReplaceViewEiiPK13CRuntimeClass"), nullptr);
    FreeLibrary(program);
}
