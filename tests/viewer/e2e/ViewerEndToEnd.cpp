// Tovenar.exe of the installed product, started as the builder starts it,
// on the product's sample reports of every kind; the test plays the user
// from its own process and checks what the viewer shows and saves.
#include "tests/viewer/e2e/ViewerProcess.h"
#include "envlib/ProductEnv.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ChildRun.h"
#include "tests/support/RegistryText.h"
#include "tests/support/TestFiles.h"
#include "tests/viewer/e2e/ScriptOutput.h"
#include "tests/support/DialogUser.h"
#include "viewer/Resource.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <fstream>
#include <sstream>

namespace {
typedef std::vector<std::string> Row;
typedef std::vector<Row> Rows;
typedef std::function<bool(const Row&, const Row&)> RowOrder;

const char kView[] = "C:\\KorvastViews\\bob_snapshot\\webshop";

std::string ReportsFolder()
{
    return RegistryText(HKEY_LOCAL_MACHINE, kProductVersionKey, "ReportsPath");
}

std::string Viewer()
{
    return ReportsFolder() + "\\Tovenar.exe";
}

std::string Script(const std::string& relativePath)
{
    return ReportsFolder() + "\\scripts\\" + relativePath;
}

std::string FolderOf(const std::string& path)
{
    return path.substr(0, path.rfind('\\') + 1);
}

// The argument text as the builder writes it: NAME=\"value\"; and a blank per value.
std::string Arguments(const std::vector<std::pair<std::string, std::string>>& values)
{
    std::string text;
    for (const auto& value : values)
        text += value.first + "=\\\"" + value.second + "\\\"; ";
    return text;
}

// The switches in the builder's order, each written only when it has a value.
std::string BuilderSwitches(const std::string& command, const std::string& folder, const std::string& arguments,
                            const std::string& fields, const std::string& title)
{
    std::string switches = "`E:" + command + "`D:\"" + folder + "\" ";
    if (!arguments.empty())
        switches += "`P:" + arguments;
    switches += " ";
    if (!fields.empty())
        switches += "`F:" + fields;
    switches += " ";
    if (!title.empty())
        switches += "`T:" + title;
    return switches + " ";
}

// The report's rows as it prints them on a plain pipe, cut to the visible columns.
Rows ProducedRows(const std::string& command, const std::string& arguments, size_t columns)
{
    std::string launched = arguments;
    if (command.compare(0, 7, "cscript") != 0)
        std::replace(launched.begin(), launched.end(), ' ', '%');
    Rows rows = ScriptOutput::Rows(RunAndCapture(command + launched).output);
    for (Row& row : rows)
        row.resize(columns);
    return rows;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char ch) { return char(tolower(ch)); });
    return text;
}

bool TextBefore(const std::string& a, const std::string& b)
{
    return Lower(a) < Lower(b);
}

bool NumberBefore(const std::string& a, const std::string& b)
{
    return atoll(a.c_str()) < atoll(b.c_str());
}

// Orders by the columns in turn, each by its own comparison.
RowOrder ByColumns(std::vector<std::pair<int, bool (*)(const std::string&, const std::string&)>> keys)
{
    return [keys](const Row& a, const Row& b) {
        for (const auto& key : keys) {
            if (key.second(a[key.first], b[key.first]))
                return true;
            if (key.second(b[key.first], a[key.first]))
                return false;
        }
        return false;
    };
}

Rows Sorted(Rows rows, const RowOrder& order)
{
    std::stable_sort(rows.begin(), rows.end(), order);
    return rows;
}

Rows Reversed(Rows rows)
{
    std::reverse(rows.begin(), rows.end());
    return rows;
}

Rows Matching(const Rows& rows, const std::string& filter)
{
    Rows matching;
    for (const Row& row : rows)
        if (std::any_of(row.begin(), row.end(), [&](const std::string& value) { return Lower(value).find(filter) != std::string::npos; }))
            matching.push_back(row);
    return matching;
}

// A file in a scratch folder of its own, removed with it.
class TempFile {
public:
    explicit TempFile(const std::string& name) : m_path(m_folder / name) {}
    const std::string& Path() const { return m_path; }
    std::string Read() const { return ReadWholeFile(m_path); }
    // Waits until the file holds `ending` at its end (it is written by another process).
    bool WaitForEnding(const std::string& ending) const
    {
        return WaitUntil(
            [&] {
                std::string text = Read();
                return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
            });
    }

private:
    ScratchFolder m_folder{"e2e"};
    std::string m_path;
};

// Every line between the markers, each without the markers of its own.
std::vector<std::string> LinesBetween(const std::string& text, const std::string& open, const std::string& close)
{
    std::vector<std::string> pieces;
    for (size_t start = text.find(open); start != std::string::npos; start = text.find(open, start)) {
        start += open.size();
        size_t end = text.find(close, start);
        if (end == std::string::npos)
            break;
        pieces.push_back(text.substr(start, end - start));
        start = end + close.size();
    }
    return pieces;
}

// The rows of the XML document: the values of each <Row> element in order.
Rows XmlRows(const std::string& xml)
{
    Rows rows;
    for (const std::string& element : LinesBetween(xml, "<Row>\n", "</Row>\n")) {
        Row row;
        std::istringstream lines(element);
        for (std::string line; std::getline(lines, line);) {
            size_t valueStart = line.find('>') + 1;
            row.push_back(line.substr(valueStart, line.rfind("</") - valueStart));
        }
        rows.push_back(row);
    }
    return rows;
}

std::string Joined(const Row& row, const std::string& separator)
{
    std::string text;
    for (const std::string& value : row)
        text += (&value == &row.front() ? "" : separator) + value;
    return text;
}

struct ReportRun {
    const char* name;
    std::string script;
    std::string command;
    std::string arguments;
    // Empty: the viewer reads the report's own description (switch I).
    std::string fields;
    std::string title;
    std::vector<std::string> headings;
    RowOrder order;
};

std::string SwitchesOf(const ReportRun& run)
{
    if (run.fields.empty())
        return "`I:\"" + run.script + "\" `P:" + run.arguments;
    return BuilderSwitches(run.command, FolderOf(run.script), run.arguments, run.fields, run.title);
}

class ViewerEndToEnd : public ::testing::Test {
protected:
    ReportRun LargeFiles()
    {
        std::string script = Script("Files\\Large_Files.prl");
        return { "prl", script, "kvperl \"" + script + "\" ", Arguments({ { "LOOKIN", kView }, { "INTEGER", "0" } }),
                 "", "Large files", { "File", "Size", "Modified", "Type" },
                 ByColumns({ { 1, NumberBefore }, { 0, TextBefore } }) };
    }

    // Starts the report in the viewer and waits for its run to end.
    void RunToEnd(ViewerProcess& viewer)
    {
        ASSERT_TRUE(viewer.Started()) << "Tovenar.exe did not start: " << Viewer();
        ASSERT_NE(nullptr, viewer.WaitForDialog()) << "no viewer dialog";
        ASSERT_TRUE(viewer.WaitForRunEnd()) << "the run did not end; status " << viewer.ControlText(IDC_STATUS);
    }

    void CheckShowsReport(const ReportRun& run)
    {
        SCOPED_TRACE(run.name);
        ViewerProcess viewer(Viewer(), SwitchesOf(run));
        ASSERT_NO_FATAL_FAILURE(RunToEnd(viewer));
        Rows produced = ProducedRows(run.command, run.arguments, run.headings.size());
        ASSERT_FALSE(produced.empty()) << "the report printed no rows by itself";
        // The title switch is taken as it stands, with the blank the builder writes after it.
        EXPECT_EQ("Korvast Report Viewer - " + run.title + (run.fields.empty() ? "" : " "), viewer.Caption());
        EXPECT_EQ("Completed", viewer.ControlText(IDC_STATUS));
        EXPECT_EQ("Rows Processed: " + std::to_string(produced.size()), viewer.ControlText(IDC_ROWS_PROCESSED));
        EXPECT_EQ(run.headings, viewer.List().Headings());
        EXPECT_EQ(run.order ? Sorted(produced, run.order) : produced, viewer.List().Rows());
        EXPECT_TRUE(viewer.IsControlEnabled(IDC_SAVE_AS));
        EXPECT_TRUE(viewer.IsControlEnabled(IDC_FILTER));
        EXPECT_FALSE(viewer.IsControlEnabled(IDCANCEL));
    }

    // Save As with the file name and the type (0 HTML, 1 XML, 2 CSV) chosen in the dialog.
    void SaveAs(ViewerProcess& viewer, const std::string& path, int type)
    {
        viewer.Press(IDC_SAVE_AS);
        HWND dialog = nullptr;
        ASSERT_TRUE(WaitUntil(
            [&] { return (dialog = viewer.FindWindowOfClass("#32770", "Save Report Data As")) != nullptr; }));
        DialogUser::PickFileType(dialog, type);
        SetDlgItemTextA(dialog, DialogUser::kFileNameBox, path.c_str());
        DialogUser::Press(dialog, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    }
};
}

TEST_F(ViewerEndToEnd, ReportsOfEveryKindShowTheirRowsInTheirOrder)
{
    std::string changedSince = Script("Files\\Changed_Since.pl");
    std::string streamActivities = Script("Mivad\\Stream_Activities.js");
    std::string activityDetails = Script("Mivad\\Activity_Details.vbs");
    std::string findText = Script("Files\\Find_Text.exe");
    const ReportRun runs[] = {
        LargeFiles(),
        { "pl", changedSince, "perl \"" + changedSince + "\" ",
          Arguments({ { "LOOKIN", kView }, { "KVTIME", "01-Jan-20.00:00" } }),
          "\"File\"(gpath, rightclick) \"Changed\"(time_t, sort 1) \"Changed at\"(kvtime) \"Bytes\"(Integer) "
          "\"Path\"(string, hidden)",
          "Files changed since", { "File", "Changed", "Changed at", "Bytes" },
          ByColumns({ { 1, NumberBefore } }) },
        { "js", streamActivities, "cscript \"/nologo\" \"" + streamActivities + "\" ",
          Arguments({ { "STREAM", "stream:alice_storefront@\\webshop_pvob" } }), "", "Activities of a stream",
          { "Activity", "Title", "Stream" }, ByColumns({ { 1, TextBefore } }) },
        { "vbs", activityDetails, "cscript \"/nologo\" \"" + activityDetails + "\" ",
          Arguments({ { "ACTIVITY", "activity:refund_flow@\\webshop_pvob" } }), "\"Property\"(string) \"Value\"(string)",
          "Activity details", { "Property", "Value" }, nullptr },
        { "exe", findText, "\"" + findText + "\" ", Arguments({ { "LOOKIN", kView }, { "STRING", "TODO" } }),
          "\"File\"(gpath, rightclick, sort 1) \"Line\"(Integer, sort 2) \"Text\"(string)", "Find a text in files", { "File", "Line", "Text" }, ByColumns({ { 0, TextBefore }, { 1, NumberBefore } }) },
    };
    for (const ReportRun& run : runs)
        CheckShowsReport(run);
}

TEST_F(ViewerEndToEnd, HeadingClicksSortAndTheFilterRefills)
{
    ReportRun run = LargeFiles();
    ViewerProcess viewer(Viewer(), SwitchesOf(run));
    ASSERT_NO_FATAL_FAILURE(RunToEnd(viewer));
    Rows produced = ProducedRows(run.command, run.arguments, run.headings.size());
    RowOrder byType = ByColumns({ { 3, TextBefore } });

    viewer.ClickHeading(3);
    Rows ascending = viewer.List().Rows();
    EXPECT_EQ(Sorted(ascending, byType), ascending);
    EXPECT_EQ(Sorted(produced, run.order), Sorted(ascending, run.order));
    viewer.ClickHeading(3);
    Rows descending = viewer.List().Rows();
    EXPECT_EQ(Reversed(Sorted(Reversed(descending), byType)), descending);

    Rows matching = Matching(produced, "txt");
    ASSERT_FALSE(matching.empty()) << "no row for the filter to show";
    ASSERT_LT(matching.size(), produced.size());
    viewer.TypeFilter("TXT");
    EXPECT_TRUE(WaitUntil([&] { return viewer.List().ItemCount() == int(matching.size()); }));
    Rows filtered = viewer.List().Rows();
    EXPECT_EQ(Sorted(matching, run.order), Sorted(filtered, run.order));
    EXPECT_EQ(Reversed(Sorted(Reversed(filtered), byType)), filtered);
    EXPECT_EQ("Rows Processed: " + std::to_string(produced.size()), viewer.ControlText(IDC_ROWS_PROCESSED));

    // All rows again, sorted by the clicked heading; rows of one type now in arrival order.
    viewer.TypeFilter("");
    EXPECT_TRUE(WaitUntil([&] { return viewer.List().ItemCount() == int(produced.size()); }));
    Rows unfiltered = viewer.List().Rows();
    EXPECT_EQ(Sorted(produced, run.order), Sorted(unfiltered, run.order));
    EXPECT_EQ(Reversed(Sorted(Reversed(unfiltered), byType)), unfiltered);
}

TEST_F(ViewerEndToEnd, SaveAsWritesTheShownRowsAsXmlHtmlAndCsv)
{
    // The file dialog leaves the viewer in the folder of the last file saved:
    // the viewer ends before the folders go.
    TempFile xml("viewer e2e.xml");
    TempFile csv("viewer e2e.csv");
    TempFile html("viewer e2e.htm");
    ReportRun run = LargeFiles();
    ViewerProcess viewer(Viewer(), SwitchesOf(run));
    ASSERT_NO_FATAL_FAILURE(RunToEnd(viewer));
    viewer.ClickHeading(0);
    viewer.TypeFilter(".c");
    Rows produced = ProducedRows(run.command, run.arguments, run.headings.size());
    size_t matching = Matching(produced, ".c").size();
    ASSERT_GT(matching, 0u) << "no row for the filter to show";
    ASSERT_TRUE(WaitUntil([&] { return viewer.List().ItemCount() == int(matching); }));
    Rows shown = viewer.List().Rows();

    ASSERT_NO_FATAL_FAILURE(SaveAs(viewer, xml.Path(), 1));
    HWND templateChooser = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (templateChooser = viewer.FindWindowOfClass("#32770", "Select HTML Template")) != nullptr; }));
    DialogUser::Press(templateChooser, IDCANCEL);
    ASSERT_TRUE(xml.WaitForEnding("</Report>\n"));
    std::string document = xml.Read();
    EXPECT_EQ(0u, document.find("<?xml version=\"1.0\"?>\n<Report>\n<ReportTitle>Large files</ReportTitle>\n"));
    EXPECT_NE(std::string::npos, document.find("<Header>\n<Column Label=\"File\" Type=\"gpath\"/>\n<Column Label=\"Size\" "
                                               "Type=\"Integer\"/>\n<Column Label=\"Modified\" Type=\"kvtime\"/>\n"
                                               "<Column Label=\"Type\" Type=\"string\"/>\n</Header>\n"));
    EXPECT_EQ(shown, XmlRows(document));

    ASSERT_NO_FATAL_FAILURE(SaveAs(viewer, csv.Path(), 2));
    std::string expectedCsv = Joined(run.headings, ",") + "\r\n";
    for (const Row& row : shown)
        expectedCsv += Joined(row, ",") + "\r\n";
    ASSERT_TRUE(csv.WaitForEnding(Joined(shown.back(), ",") + "\r\n"));
    EXPECT_EQ(expectedCsv, csv.Read());

    ASSERT_NO_FATAL_FAILURE(SaveAs(viewer, html.Path(), 0));
    ASSERT_TRUE(html.WaitForEnding("</html>\r\n"));
    std::vector<std::string> tableRows = LinesBetween(html.Read(), "<tr><td>", "</td></tr>");
    ASSERT_EQ(shown.size(), tableRows.size());
    for (size_t index = 0; index < shown.size(); ++index)
        EXPECT_EQ(Joined(shown[index], "</td><td>"), tableRows[index]);
}

TEST_F(ViewerEndToEnd, ARightClickScriptReceivesTheKeysOfTheSelectedRows)
{
    ReportRun run = LargeFiles();
    ViewerProcess viewer(Viewer(), SwitchesOf(run));
    ASSERT_NO_FATAL_FAILURE(RunToEnd(viewer));
    std::string selectionFile = ReportsFolder() + "\\selection.txt";
    DeleteFileA(selectionFile.c_str());
    ASSERT_GE(viewer.List().ItemCount(), 3);
    viewer.List().Select({ 1, 2 });
    ASSERT_TRUE(viewer.ChooseFromItemMenu(2, 0)) << "no menu of right-click scripts";
    std::string expected = viewer.List().ItemText(1, 0) + "\r\n" + viewer.List().ItemText(2, 0) + "\r\n";
    std::string received;
    WaitUntil(
        [&] {
            received = ReadWholeFile(selectionFile);
            return received == expected;
        });
    EXPECT_EQ(expected, received);
    DeleteFileA(selectionFile.c_str());
}

TEST_F(ViewerEndToEnd, AReportWithoutFieldsRunsWithNoWindowAndTheViewerEndsWithIt)
{
    ScratchFolder folder("windowless");
    const std::string mark = folder / "windowless ran.txt";
    // Reports start in the viewer's current folder: the script finds its own.
    const std::string script = folder.WriteFile("Windowless_Report.prl",
                                                "use FindBin;\n"
                                                "sleep 2;\n"
                                                "open(my $out, '>', \"$FindBin::Bin/windowless ran.txt\") or die;\n"
                                                "print $out \"@ARGV\\n\";\n"
                                                "close $out;\n");
    ViewerProcess viewer(Viewer(), BuilderSwitches("kvperl \"" + script + "\" ", folder.Path(),
                                                   Arguments({ { "NAME", "first value" } }), "", "No window"));
    ASSERT_TRUE(viewer.Started());
    bool windowShown = false;
    bool ended = WaitUntil(
        [&] {
            windowShown = windowShown || viewer.FindWindowOfClass("#32770") != nullptr;
            return viewer.HasEnded(0);
        });
    ASSERT_TRUE(ended) << "the viewer did not end with its report";
    EXPECT_FALSE(windowShown);
    // The viewer trims the argument text; the blank inside the value arrives as '%'.
    EXPECT_EQ("NAME=\"first%value\";\n", ReadWholeFile(mark)) << "the viewer ended before its report had";
}
