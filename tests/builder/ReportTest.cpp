// The viewer's command line that Run Report writes from the current report.
#include "builder/Report.h"
#include "builder/Resource.h"
#include "reportmodel/CommandLineMap.h"
#include "reportmodel/ReportModelStrings.h"
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
    EXPECT_EQ(LoadText(IDS_UNPAIRED_QUOTE_TEXT).Find("double quote"), 2);

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
