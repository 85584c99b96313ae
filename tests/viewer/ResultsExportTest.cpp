#include "ResultsExport.h"
#include "DialogUser.h"
#include "ExportTestData.h"
#include <gtest/gtest.h>

namespace {
// A reports folder with "script_tools\table.xsl".
class ReportsFolder : public TempFolder {
public:
    ReportsFolder() : TempFolder("export reports")
    {
        Folder("script_tools");
        m_template = Write("script_tools\\table.xsl", "<xsl:stylesheet/>");
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
    TempFile file("results_export_styled.xml");
    std::string offered;
    DialogUser user;
    user.Then("Select HTML Template", [&](HWND dialog) {
        offered = DialogUser::ItemText(dialog, DialogUser::kFileNameBox);
        DialogUser::Press(dialog, IDOK);
    });
    user.Start();
    CResultsExport(data.Report(), reports.Path().c_str()).Save(file.Path(), CResultsExport::kXml);
    EXPECT_EQ(std::vector<std::string>{ "Select HTML Template" }, user.Join());
    EXPECT_EQ("table", offered);
    const std::string expected = "<?xml version=\"1.0\"?>\n<?xml:stylesheet type=\"text/xsl\" href=\"" + reports.Template()
        + "\" ?><Report>\n";
    EXPECT_EQ(expected, file.Read().substr(0, expected.size()));
}

TEST(ResultsExport, SaveAsXmlWithoutTemplateWritesThePlainDocument)
{
    ExportTestData data;
    data.AddRow("n", "1", "s", "x");
    ReportsFolder reports;
    TempFile file("results_export_plain.xml");
    std::string path(file.Path());
    std::string renamed;
    DialogUser user;
    user.Then("Save Report Data As", [&](HWND dialog) {
        SetDlgItemTextA(dialog, DialogUser::kFileNameBox, path.substr(0, path.size() - 4).c_str());
        DialogUser::PickFileType(dialog, CResultsExport::kXml - 1);
        renamed = DialogUser::ItemText(dialog, DialogUser::kFileNameBox);
        DialogUser::Press(dialog, IDOK);
    });
    user.Then("Select HTML Template", [](HWND dialog) { DialogUser::Press(dialog, IDCANCEL); });
    user.Start();
    CResultsExport(data.Report(), reports.Path().c_str()).SaveAs();
    EXPECT_EQ((std::vector<std::string>{ "Save Report Data As", "Select HTML Template" }), user.Join());
    EXPECT_EQ(path, renamed);
    EXPECT_EQ(kPlainStart, file.Read().substr(0, sizeof kPlainStart - 1));
}

TEST(ResultsExport, CancelSavesNothing)
{
    ExportTestData data;
    ReportsFolder reports;
    TempFile file("results_export_canceled.htm");
    DialogUser user;
    user.Then("Save Report Data As", [&](HWND dialog) {
        SetDlgItemTextA(dialog, DialogUser::kFileNameBox, file.Path());
        DialogUser::Press(dialog, IDCANCEL);
    });
    user.Start();
    CResultsExport(data.Report(), reports.Path().c_str()).SaveAs();
    user.Join();
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(file.Path()));
}
