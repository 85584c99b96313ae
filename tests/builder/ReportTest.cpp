// The viewer's command line that Run Report writes from the current report.
#include "builder/Report.h"
#include "builder/Resource.h"
#include "builder/WizardApp.h"
#include "reportmodel/CommandLineMap.h"
#include "reportmodel/ReportModelStrings.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/PostedCall.h"
#include "tests/support/ScratchFolder.h"
#include <gtest/gtest.h>

namespace {
class ReportTest : public testing::Test {
protected:
    // A report of an (empty) program in a scratch folder with the header text given.
    void Describe(const std::string& header, const char* parameters = "")
    {
        const std::string path = m_folder.WriteFile("Report.exe", "");
        m_report.GetScript().Create(path.c_str(), 0);
        m_report.GetScript().ParseInfo(header.c_str());
        m_report.GetParameters().Parse(parameters, "Report");
        m_report.GetFields().Parse(m_report.GetScript().GetFields());
    }

    std::string Command() const { return "\"" + m_folder.Path() + "Report.exe\" "; }

    ScratchFolder m_folder;
    CReport m_report;
};
}

TEST_F(ReportTest, WritesEverySwitchInOrderWithItsBlanks)
{
    Describe("description: \"Large files\"\nrightclick: Save_Selection Count.pl(multiple)\n"
             "fields: \"File\"(gpath, rightclick) \"Size\"(Integer)\n",
             "LOOKIN");
    m_report.GetParameters().GetAt(0)->GetElement(1)->SetText("C:\\views\\main");
    ASSERT_TRUE(m_report.AreAllSet());
    CString line;
    ASSERT_EQ(m_report.GetViewerCommandLine(line), 0u);
    EXPECT_EQ(std::string(line), "`E:" + Command() + "`D:\"" + m_folder.Path() + "\" " +
                                     "`P:LOOKIN=\\\"C:\\views\\main\\\"; " +
                                     " `F:\"File\"(gpath, rightclick) \"Size\"(Integer)" +
                                     "`R:Save_Selection Count.pl(multiple)" + " `T:Large files" + " ");
}

// Without arguments, fields, right-click scripts and description only the
// blanks before the places of F and T and the final one remain.
TEST_F(ReportTest, LeavesOutEmptyPiecesButKeepsTheirBlanks)
{
    Describe("id: 7\n");
    EXPECT_TRUE(m_report.AreAllSet());
    CString line;
    ASSERT_EQ(m_report.GetViewerCommandLine(line), 0u);
    EXPECT_EQ(std::string(line), "`E:" + Command() + "`D:\"" + m_folder.Path() + "\" " + "   ");
}

TEST_F(ReportTest, RefusesABackQuoteInAnyPiece)
{
    Describe("description: \"Files `changed`\"\n", "LOOKIN");
    EXPECT_FALSE(m_report.AreAllSet()) << "a value still shows its kind word";
    CString line = "untouched";
    EXPECT_EQ(m_report.GetViewerCommandLine(line), static_cast<UINT>(IDS_ILLEGAL_BACKQUOTE_TEXT));
    m_report.GetParameters().GetAt(0)->GetElement(1)->SetText("C:\\a`b");
    EXPECT_EQ(m_report.GetViewerCommandLine(line), static_cast<UINT>(IDS_ILLEGAL_BACKQUOTE_TEXT));
    EXPECT_EQ(std::string(line), "untouched");
}

// A quote without its pair would join the switches after it in the viewer:
// refused. Quotes that pair up within each switch reach the viewer as written.
TEST_F(ReportTest, RefusesQuotesThatWouldPairAcrossSwitches)
{
    Describe("description: \"Pipes of 12\" and more\"\nfields: \"Name\"(string)\n", "STRING PATH");
    CParameterElement* text = m_report.GetParameters().GetAt(0)->GetElement(1);
    CParameterElement* path = m_report.GetParameters().GetAt(1)->GetElement(1);
    text->SetText("12\"");
    path->SetText("C:\\pipes");
    CString line = "untouched";
    EXPECT_EQ(m_report.GetViewerCommandLine(line), static_cast<UINT>(IDS_UNPAIRED_QUOTE_TEXT));
    EXPECT_EQ(std::string(line), "untouched");
    EXPECT_EQ(std::string(LoadText(IDS_UNPAIRED_QUOTE_TEXT)),
              "A double quote (\") without its pair in the arguments, the description or the right-click scripts "
              "would hide the report's other settings from the viewer. Eliminate it or pair it and re-run Report.");

    path->SetText("C:\\a\"b");
    ASSERT_EQ(m_report.GetViewerCommandLine(line), 0u);
    const CCommandLineMap viewer(line);
    CString value;
    ASSERT_TRUE(viewer.Lookup("T", value));
    EXPECT_EQ(std::string(value), "Pipes of 12\" and more ");
    ASSERT_TRUE(viewer.Lookup("F", value));
    EXPECT_EQ(std::string(value), "\"Name\"(string) ");
    ASSERT_TRUE(viewer.Lookup("P", value));
    EXPECT_EQ(std::string(value), "STRING=\\\"12\\\"\\\"; PATH=\\\"C:\\a\\\"b\\\";  ");
}

// A new report is read whole before it replaces the current one: while the
// parse-error box of the new one is up, the old one is still current.
TEST(CreateReportTest, ReadsTheNewReportWholeBeforeTheOldOneGoes)
{
    CWizardApp app;
    MessageBoxWatcher watcher;
    CScriptFileInfo first;
    first.ParseInfo("description: \"Sizes\"\nparameters: LOOKIN\nfields: \"File\"(gpath)\n");
    CReport* read = app.CreateReport(first);
    ASSERT_EQ(app.GetReport(), read);
    EXPECT_EQ(read->GetParameters().GetCount(), 1);
    EXPECT_EQ(read->GetFields().GetCount(), 1);

    CScriptFileInfo broken;
    broken.ParseInfo("description: \"Broken\"\nparameters: STRING (\n");
    std::string currentUnderTheBox = "<none>";
    PostedCall underTheBox([&] {
        if (app.GetReport())
            currentUnderTheBox = app.GetReport()->GetScript().GetDescription();
    });
    read = app.CreateReport(broken);
    ASSERT_EQ(watcher.WaitForBoxes(1).size(), 1u);
    EXPECT_TRUE(underTheBox.HasRun());
    EXPECT_EQ(currentUnderTheBox, "Sizes");
    EXPECT_EQ(app.GetReport(), read);
    EXPECT_EQ(std::string(read->GetScript().GetDescription()), "Broken");
}
