// The viewer's command line that Run Report writes from the current report.
#include "builder/Report.h"
#include "tests/support/MessageBoxWatcher.h"
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
    ASSERT_TRUE(m_report.GetViewerCommandLine(line));
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
    ASSERT_TRUE(m_report.GetViewerCommandLine(line));
    EXPECT_EQ(std::string(line), "`E:" + Command() + "`D:\"" + m_folder.Path() + "\" " + "   ");
}

TEST_F(ReportTest, RefusesABackQuoteInAnyPieceWithTheBox)
{
    Describe("description: \"Files `changed`\"\n", "LOOKIN");
    EXPECT_FALSE(m_report.AreAllSet()) << "a value still shows its kind word";
    MessageBoxWatcher boxes;
    CString line = "untouched";
    EXPECT_FALSE(m_report.GetViewerCommandLine(line));
    m_report.GetParameters().GetAt(0)->GetElement(1)->SetText("C:\\a`b");
    EXPECT_FALSE(m_report.GetViewerCommandLine(line));
    EXPECT_EQ(std::string(line), "untouched");
    const std::vector<RecordedBox> shown = boxes.WaitForBoxes(2);
    ASSERT_EQ(shown.size(), 2u);
    for (const RecordedBox& box : shown) {
        EXPECT_EQ(box.caption, "Invalid Parameter value");
        EXPECT_EQ(box.text, "Illegal characer (`) in arguments. Eliminate and re-run Report.");
    }
}
