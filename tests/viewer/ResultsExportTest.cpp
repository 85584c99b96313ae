#include "ResultsExport.h"
#include "ExportTestData.h"
#include <gtest/gtest.h>
#include <functional>
#include <thread>

namespace {
HWND WaitForDialog(const char* title)
{
    for (int attempt = 0; attempt < 500; ++attempt) {
        HWND dialog = FindWindowA("#32770", title);
        if (dialog && IsWindowVisible(dialog))
            return dialog;
        Sleep(20);
    }
    return nullptr;
}

// Plays the user of the dialogs with these titles, one after the other.
class DialogUser {
public:
    void Then(const char* title, std::function<void(HWND)> action) { m_steps.push_back({ title, action }); }
    void Start()
    {
        m_thread = std::thread([this] {
            for (const Step& step : m_steps) {
                HWND dialog = WaitForDialog(step.title);
                if (!dialog)
                    return;
                m_seen.push_back(step.title);
                step.action(dialog);
                for (int attempt = 0; attempt < 250 && IsWindow(dialog); ++attempt)
                    Sleep(20);
            }
        });
    }
    std::vector<std::string> Join()
    {
        m_thread.join();
        return m_seen;
    }

private:
    struct Step {
        const char* title;
        std::function<void(HWND)> action;
    };
    std::vector<Step> m_steps;
    std::vector<std::string> m_seen;
    std::thread m_thread;
};

void Press(HWND dialog, int button)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

std::string FileNameBox(HWND dialog)
{
    char text[MAX_PATH] = "";
    GetDlgItemTextA(dialog, 1148, text, sizeof text);
    return text;
}

// A reports folder in the temporary folder with "script_tools\table.xsl".
class ReportsFolder {
public:
    ReportsFolder()
    {
        char temp[MAX_PATH] = "";
        GetTempPathA(sizeof temp, temp);
        m_path = std::string(temp) + "export reports";
        CreateDirectoryA(m_path.c_str(), nullptr);
        CreateDirectoryA(Tools().c_str(), nullptr);
        std::ofstream(Template()) << "<xsl:stylesheet/>";
    }
    ~ReportsFolder()
    {
        DeleteFileA(Template().c_str());
        RemoveDirectoryA(Tools().c_str());
        RemoveDirectoryA(m_path.c_str());
    }
    const std::string& Path() const { return m_path; }
    std::string Tools() const { return m_path + "\\script_tools"; }
    std::string Template() const { return Tools() + "\\table.xsl"; }

private:
    std::string m_path;
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
        offered = FileNameBox(dialog);
        Press(dialog, IDOK);
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
        SetDlgItemTextA(dialog, 1148, path.substr(0, path.size() - 4).c_str());
        HWND types = GetDlgItem(dialog, 1136);
        SendMessageA(types, CB_SETCURSEL, CResultsExport::kXml - 1, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(1136, CBN_SELENDOK), reinterpret_cast<LPARAM>(types));
        renamed = FileNameBox(dialog);
        Press(dialog, IDOK);
    });
    user.Then("Select HTML Template", [](HWND dialog) { Press(dialog, IDCANCEL); });
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
        SetDlgItemTextA(dialog, 1148, file.Path());
        Press(dialog, IDCANCEL);
    });
    user.Start();
    CResultsExport(data.Report(), reports.Path().c_str()).SaveAs();
    user.Join();
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(file.Path()));
}
