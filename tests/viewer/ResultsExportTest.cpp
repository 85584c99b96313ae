#include "viewer/ResultsExport.h"
#include "tests/support/DialogUser.h"
#include "tests/viewer/ExportTestData.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestFiles.h"
#include "afx/FileException.h"
#include <gtest/gtest.h>
#include <thread>

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
    CResultsExport(data.Report(), reports.Path().c_str(), nullptr).Save(file.c_str(), CResultsExport::kXml);
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
    CResultsExport(data.Report(), reports.Path().c_str(), nullptr).SaveAs();
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
    CResultsExport(data.Report(), reports.Path().c_str(), nullptr).SaveAs();
    EXPECT_EQ(std::vector<std::string>{ "Save Report Data As" }, user.Join());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(file.c_str()));
}

namespace {
// A pipe whose reader takes the first kilobyte written to it and goes, so
// that writes to it fail part way, as they do on a disk that fills up.
class PipeThatGoes {
public:
    PipeThatGoes()
        : m_path("\\\\.\\pipe\\korvast_export_" + std::to_string(GetCurrentProcessId())),
          m_pipe(CreateNamedPipeA(m_path.c_str(), PIPE_ACCESS_INBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0, 0, 0, nullptr)),
          m_reader([this] { TakeAKilobyte(); })
    {
    }
    // A reader still waiting for its writer is let go by one that writes nothing.
    ~PipeThatGoes()
    {
        HANDLE writer = CreateFileA(m_path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (writer != INVALID_HANDLE_VALUE)
            CloseHandle(writer);
        m_reader.join();
        CloseHandle(m_pipe);
    }
    PipeThatGoes(const PipeThatGoes&) = delete;
    PipeThatGoes& operator=(const PipeThatGoes&) = delete;

    const std::string& Path() const { return m_path; }

private:
    void TakeAKilobyte()
    {
        ConnectNamedPipe(m_pipe, nullptr);
        char taken[1024];
        DWORD total = 0;
        DWORD read = 0;
        while (total < sizeof taken && ReadFile(m_pipe, taken, sizeof taken - total, &read, nullptr))
            total += read;
        DisconnectNamedPipe(m_pipe);
    }

    std::string m_path;
    HANDLE m_pipe;
    std::thread m_reader;
};

std::string SaveFailureText(const std::string& path, DWORD error)
{
    return "The report data could not be saved to " + path + ".\n" + SystemErrorText(error).Trim().GetString();
}
}

// An XML save that fails says so in a box of the viewer's, naming the file and
// the system's reason: where the file cannot be created, and where the writes
// fail part way.
TEST(ResultsExport, AFailedXmlSaveNamesTheFileAndTheReasonInABoxOfTheViewers)
{
    ExportTestData data;
    for (int row = 0; row < 2000; ++row)
        data.AddRow("name", std::to_string(row).c_str(), "secret", "note");
    ReportsFolder reports;
    HWND viewer = CreateWindowA("STATIC", "viewer", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    auto saveShowingOneBox = [&](const std::string& path) {
        MessageBoxWatcher watcher;
        DialogUser user;
        user.Then("Select HTML Template", [](HWND dialog) { DialogUser::Press(dialog, IDCANCEL); });
        user.Start();
        CResultsExport(data.Report(), reports.Path().c_str(), viewer).Save(path.c_str(), CResultsExport::kXml);
        user.Join();
        const std::vector<RecordedBox> boxes = watcher.Boxes();
        EXPECT_EQ(1u, boxes.size());
        return boxes.empty() ? RecordedBox{} : boxes[0];
    };

    // The folder holds a folder of the file's name.
    const std::string taken = reports.MakeFolder("taken.xml");
    RecordedBox box = saveShowingOneBox(taken);
    EXPECT_EQ("Korvast Report Viewer", box.caption);
    EXPECT_EQ(SaveFailureText(taken, ERROR_ACCESS_DENIED), box.text);
    EXPECT_EQ(viewer, box.owner);
    EXPECT_NE(0u, GetFileAttributesA(taken.c_str()) & FILE_ATTRIBUTE_DIRECTORY);

    PipeThatGoes pipe;
    box = saveShowingOneBox(pipe.Path());
    // Windows says the pipe is being closed; Wine that no process is on its other end.
    EXPECT_TRUE(box.text == SaveFailureText(pipe.Path(), ERROR_NO_DATA)
                || box.text == SaveFailureText(pipe.Path(), ERROR_PIPE_NOT_CONNECTED))
        << box.text;
    EXPECT_EQ(viewer, box.owner);
    DestroyWindow(viewer);
}
