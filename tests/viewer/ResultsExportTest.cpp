#include "viewer/ResultsExport.h"
#include "tests/support/DialogUser.h"
#include "tests/viewer/ExportTestData.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestFiles.h"
#include <gtest/gtest.h>

namespace {
// A reports folder with "script_tools\table.xsl".
class ReportsFolder : public ScratchFolder {
public:
    ReportsFolder() : ScratchFolder("export reports")
    {
        MakeFolder("script_tools");
        m_template = WriteFile("script_tools\\table.xsl", "<xsl:stylesheet/>");
    }
    const std::string& Template() const { return m_template; }

private:
    std::string m_template;
};

const char kPlainStart[] = "<?xml version=\"1.0\"?>\n<Report>\n";
}

TEST(ResultsExport, XmlAsksForATemplateOfferingTableInTheToolsFolder)
{
    ExportTestData data;
    data.AddRow("n", "1", "s", "x");
    ReportsFolder reports;
    const std::string file = reports / "results_export_styled.xml";
    std::string offered;
    DialogUser user;
    user.Then("Select HTML Template", [&](HWND dialog) {
        offered = ControlText(dialog, DialogUser::kFileNameBox);
        DialogUser::Press(dialog, IDOK);
    });
    user.Start();
    CResultsExport(data.Report(), reports.Path().c_str()).Save(file.c_str(), CResultsExport::kXml);
    EXPECT_EQ(std::vector<std::string>{ "Select HTML Template" }, user.Join());
    EXPECT_EQ("table", offered);
    const std::string expected = "<?xml version=\"1.0\"?>\n<?xml:stylesheet type=\"text/xsl\" href=\"" + reports.Template()
        + "\" ?><Report>\n";
    EXPECT_EQ(expected, ReadWholeFile(file).substr(0, expected.size()));
}

TEST(ResultsExport, SaveAsXmlWithoutTemplateWritesThePlainDocument)
{
    ExportTestData data;
    data.AddRow("n", "1", "s", "x");
    ReportsFolder reports;
    const std::string file = reports / "results_export_plain.xml";
    std::string renamed;
    DialogUser user;
    user.Then("Save Report Data As", [&](HWND dialog) {
        SetDlgItemTextA(dialog, DialogUser::kFileNameBox, file.substr(0, file.size() - 4).c_str());
        DialogUser::PickFileType(dialog, CResultsExport::kXml - 1);
        renamed = ControlText(dialog, DialogUser::kFileNameBox);
        DialogUser::Press(dialog, IDOK);
    });
    user.Then("Select HTML Template", [](HWND dialog) { DialogUser::Press(dialog, IDCANCEL); });
    user.Start();
    CResultsExport(data.Report(), reports.Path().c_str()).SaveAs();
    EXPECT_EQ((std::vector<std::string>{ "Save Report Data As", "Select HTML Template" }), user.Join());
    EXPECT_EQ(file, renamed);
    EXPECT_EQ(kPlainStart, ReadWholeFile(file).substr(0, sizeof kPlainStart - 1));
}

TEST(ResultsExport, CancelSavesNothing)
{
    ExportTestData data;
    ReportsFolder reports;
    const std::string file = reports / "results_export_canceled.htm";
    DialogUser user;
    user.Then("Save Report Data As", [&](HWND dialog) {
        SetDlgItemTextA(dialog, DialogUser::kFileNameBox, file.c_str());
        DialogUser::Press(dialog, IDCANCEL);
    });
    user.Start();
    CResultsExport(data.Report(), reports.Path().c_str()).SaveAs();
    EXPECT_EQ(std::vector<std::string>{ "Save Report Data As" }, user.Join());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(file.c_str()));
}
