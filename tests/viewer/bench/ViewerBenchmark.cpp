// Measures the viewer's handling of a large report: the real dialog in a real
// window runs the report program and the user's commands are sent to it. The
// baseline is the same report's output read through a plain pipe, once before
// the dialog's run and once after it; every figure is also given as a multiple
// of the mean of the two, so that a machine whose load drifts during the runs
// weighs on both sides alike. The report writing to a file, with nothing
// reading it, shows what the pipe costs the report itself.
// Memory is the peak working set during the run above that of the dialog
// without rows. While the rows come in, a thread of its own asks the window
// for an answer every 50 ms and keeps the longest wait.
//   viewer_benchmark [<report program> [<argument text>]]
// The default report is Hundred_Thousand_Rows.exe beside this program.
#include "tests/support/DialogDriver.h"
#include "tests/support/ScratchFolder.h"
#include "viewer/ReportViewerDlg.h"
#include "reportmodel/ScriptFileInfo.h"
#include "tests/support/TestFiles.h"
#include "viewer/XmlExport.h"
#include "viewer/Resource.h"
#include <commctrl.h>
#include <psapi.h>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

class Stopwatch {
public:
    Stopwatch() { Restart(); }
    void Restart() { QueryPerformanceCounter(&m_start); }
    double Seconds() const
    {
        LARGE_INTEGER now;
        LARGE_INTEGER frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return double(now.QuadPart - m_start.QuadPart) / double(frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_start;
};

size_t WorkingSet()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.WorkingSetSize;
}

// Sends a window an empty message every few tens of milliseconds from a thread
// of its own and keeps the longest time the window took to answer.
class ResponseProbe {
public:
    ~ResponseProbe()
    {
        m_stopped = true;
        if (m_thread.joinable())
            m_thread.join();
    }

    void Start(HWND window)
    {
        if (m_thread.joinable())
            return;
        m_thread = std::thread([this, window] {
            while (!m_stopped) {
                const DWORD sent = GetTickCount();
                DWORD_PTR result = 0;
                SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kGiveUpMs, &result);
                if (!m_stopped)
                    m_longest = std::max<DWORD>(m_longest, GetTickCount() - sent);
                Sleep(kIntervalMs);
            }
        });
    }

    // The longest wait so far in milliseconds; the probe asks no more. It is
    // not waited for: the window's own thread stops it.
    DWORD Stop()
    {
        m_stopped = true;
        return m_longest;
    }

private:
    static const DWORD kIntervalMs = 50;
    static const DWORD kGiveUpMs = 60000;
    std::atomic<bool> m_stopped{ false };
    std::atomic<DWORD> m_longest{ 0 };
    std::thread m_thread;
};

// The viewer dialog, opened up for what Save As would write and for its
// readers' work on a block of output.
class BenchmarkDlg : public CReportViewerDlg {
public:
    CExportedReport ShownReport() { return GetShownReport(); }
    void ParseRows(const CString& block) { OnOutputText(block); }
};

struct Figure {
    std::string what;
    double seconds;
    std::string detail;
};

// One measurement run in the dialog's own message loop, started by a thread timer.
class Measurement {
public:
    Measurement(BenchmarkDlg& dialog, size_t rows) : m_dialog(dialog), m_rows(rows) {}

    // Runs until the report has ended and every row is listed, measures the
    // user's commands and closes the window.
    Measurement& Measuring()
    {
        m_measure = true;
        return *this;
    }

    void Run()
    {
        s_current = this;
        UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, &OnTick);
        m_clock.Restart();
        m_dialog.DoModal();
        KillTimer(nullptr, timer);
        s_current = nullptr;
    }
    const std::vector<Figure>& Figures() const { return m_figures; }
    // The status line and the number of listed rows when the run had ended.
    const std::string& Status() const { return m_statusText; }
    size_t Listed() const { return m_listed; }
    size_t PeakWorkingSet() const { return m_peakWorkingSet; }
    // Time from the close command to the end of DoModal.
    double CloseSeconds() const { return m_closeClock.Seconds(); }

private:
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_current && !s_current->m_busy) {
            s_current->m_busy = true;
            s_current->Tick();
            s_current->m_busy = false;
        }
    }

    HWND List() const { return m_list; }
    int ItemCount() const { return ListView_GetItemCount(List()); }

    void Tick()
    {
        if (m_done || !m_dialog.m_hWnd)
            return;
        FindControls();
        m_peakWorkingSet = std::max(m_peakWorkingSet, WorkingSet());
        m_probe.Start(m_dialog.m_hWnd);
        if (m_parsedAt < 0 && m_dialog.GetRowCount() == m_rows)
            m_parsedAt = m_clock.Seconds();
        if (m_measure)
            ReportProgress();
        m_statusText = StatusText();
        if (!IsFinal(m_statusText) || size_t(ItemCount()) != m_dialog.GetRowCount())
            return;
        m_listed = ItemCount();
        if (!m_measure || m_statusText != "Completed" || m_listed != m_rows) {
            Close();
            return;
        }
        m_figures.push_back({ "every row in the list", m_clock.Seconds(),
                              "all rows parsed after " + FormatSeconds(m_parsedAt) + "; the window answered within "
                                  + std::to_string(m_probe.Stop()) + " ms" });
        MeasureSort(2, "re-sort by a text column (Name)");
        MeasureSort(1, "re-sort by a kvtime column (Created)");
        MeasureSort(0, "re-sort by an Integer column (Row)");
        MeasureFilter("wishlist", "refill with a filter (wishlist)");
        MeasureFilter("", "refill without the filter");
        MeasureXml();
        m_peakWorkingSet = std::max(m_peakWorkingSet, WorkingSet());
        Close();
    }

    // The Close button.
    void Close()
    {
        m_done = true;
        m_closeClock.Restart();
        SendMessageA(m_dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }

    // A line on standard error every few seconds while the rows come in.
    void ReportProgress()
    {
        const double now = m_clock.Seconds();
        if (now - m_lastProgress < kProgressIntervalSeconds)
            return;
        m_lastProgress = now;
        fprintf(stderr, "%6.1f s: %u rows parsed, %d listed\n", now, unsigned(m_dialog.GetRowCount()), ItemCount());
    }

    // Found once: under Wine each look-up of a dialog's control is a request
    // to the server, which would slow down the report the ticks measure.
    void FindControls()
    {
        if (m_list)
            return;
        m_list = GetDlgItem(m_dialog.m_hWnd, IDC_RESULTS);
        m_statusLine = GetDlgItem(m_dialog.m_hWnd, IDC_STATUS);
    }

    std::string StatusText() const
    {
        return WindowText(m_statusLine);
    }

    static bool IsFinal(const std::string& status)
    {
        return status == "Completed" || status == "Canceled" || status == "Failed";
    }

    // What a heading click does, sent as the list's notification.
    void MeasureSort(int column, const char* what)
    {
        NMLISTVIEW notify = {};
        notify.hdr.hwndFrom = List();
        notify.hdr.idFrom = IDC_RESULTS;
        notify.hdr.code = LVN_COLUMNCLICK;
        notify.iItem = -1;
        notify.iSubItem = column;
        Stopwatch clock;
        SendMessageA(m_dialog.m_hWnd, WM_NOTIFY, IDC_RESULTS, reinterpret_cast<LPARAM>(&notify));
        m_figures.push_back({ what, clock.Seconds(), std::to_string(ItemCount()) + " rows" });
    }

    // The filter typed, then its timer's tick at once rather than a second later.
    void MeasureFilter(const char* text, const char* what)
    {
        SetDlgItemTextA(m_dialog.m_hWnd, IDC_FILTER, text);
        Stopwatch clock;
        SendMessageA(m_dialog.m_hWnd, WM_TIMER, kFilterTimer, 0);
        m_figures.push_back({ what, clock.Seconds(), std::to_string(ItemCount()) + " rows shown" });
    }

    void MeasureXml()
    {
        ScratchFolder folder("benchmark");
        std::string path = folder / "viewer_benchmark.xml";
        Stopwatch clock;
        CExportedReport report = m_dialog.ShownReport();
        CXmlExport(report).WriteResultsXml(path.c_str(), "");
        double seconds = clock.Seconds();
        WIN32_FILE_ATTRIBUTE_DATA file = {};
        GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &file);
        m_figures.push_back({ "write the XML", seconds, std::to_string(file.nFileSizeLow / 1024) + " KiB" });
    }

    static std::string FormatSeconds(double seconds)
    {
        char text[32];
        snprintf(text, sizeof text, "%.2f s", seconds);
        return text;
    }

    static const UINT_PTR kFilterTimer = 100;
    // Each tick costs the window's thread requests to the Wine server, which
    // also serves the report's pipe: often enough to time the run closely,
    // seldom enough not to slow it down.
    static const UINT kTickMs = 20;
    static constexpr double kProgressIntervalSeconds = 5;
    static Measurement* s_current;
    BenchmarkDlg& m_dialog;
    size_t m_rows;
    Stopwatch m_clock;
    Stopwatch m_closeClock;
    bool m_measure = false;
    HWND m_list = nullptr;
    HWND m_statusLine = nullptr;
    std::string m_statusText;
    size_t m_listed = 0;
    size_t m_peakWorkingSet = 0;
    double m_parsedAt = -1;
    double m_lastProgress = 0;
    bool m_busy = false;
    bool m_done = false;
    ResponseProbe m_probe;
    std::vector<Figure> m_figures;
};

Measurement* Measurement::s_current = nullptr;

std::string DefaultReport()
{
    return ProgramFolder() + "Hundred_Thousand_Rows.exe";
}

// Starts the report hidden with its standard output on `output`; its errors
// go where this program's go.
bool StartReport(const std::string& commandLine, HANDLE output, PROCESS_INFORMATION& process)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    std::string command = commandLine;
    return CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)
           != FALSE;
}

void WaitForReport(PROCESS_INFORMATION& process)
{
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

// The baseline: the report's output read through a plain pipe by a reader
// that does nothing else, reading again as soon as a read returns.
std::string OutputThroughPipe(const std::string& commandLine)
{
    SECURITY_ATTRIBUTES inherit = { sizeof inherit, nullptr, TRUE };
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    std::string output;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return output;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    PROCESS_INFORMATION process = {};
    const bool started = StartReport(commandLine, writeEnd, process);
    CloseHandle(writeEnd);
    if (started) {
        std::vector<char> chunk(0xFFFF);
        DWORD read = 0;
        while (ReadFile(readEnd, chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr) && read > 0)
            output.append(chunk.data(), read);
        WaitForReport(process);
    }
    CloseHandle(readEnd);
    return output;
}

// Non-empty lines, as the viewer counts rows.
size_t CountRows(const std::string& output)
{
    size_t rows = 0;
    for (size_t start = output.find_first_not_of("\r\n"); start != std::string::npos;
         start = output.find_first_not_of("\r\n", output.find_first_of("\r\n", start)))
        ++rows;
    return rows;
}

// The baseline's time; `output` gets what it read.
double SecondsThroughPipe(const std::string& commandLine, std::string& output)
{
    Stopwatch clock;
    output = OutputThroughPipe(commandLine);
    return clock.Seconds();
}

// What the dialog's readers do with the output besides reading it: the rows
// parsed and kept, a line at a time, as a report that writes each line by
// itself hands them over. No pipe, no window.
double SecondsParsingRows(const std::string& output, CFields& fieldModel)
{
    BenchmarkDlg dialog;
    dialog.SetFields(&fieldModel);
    Stopwatch clock;
    for (size_t start = 0; start < output.size();) {
        const size_t lineEnd = output.find('\n', start);
        const size_t end = lineEnd == std::string::npos ? output.size() : lineEnd + 1;
        dialog.ParseRows(CString(output.data() + start, static_cast<int>(end - start)));
        start = end;
    }
    return clock.Seconds();
}

// The report at its own pace: its output goes to a file and nothing reads it.
double SecondsWritingToFile(const std::string& commandLine)
{
    ScratchFolder folder("benchmark");
    SECURITY_ATTRIBUTES inherit = { sizeof inherit, nullptr, TRUE };
    HANDLE output = CreateFileA((folder / "report_output.txt").c_str(), GENERIC_WRITE, 0, &inherit, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE)
        return 0;
    PROCESS_INFORMATION process = {};
    Stopwatch clock;
    const bool started = StartReport(commandLine, output, process);
    if (started)
        WaitForReport(process);
    const double seconds = clock.Seconds();
    CloseHandle(output);
    return started ? seconds : 0;
}

// A count with a comma between each three digits.
std::string WithThousands(size_t count)
{
    std::string digits = std::to_string(count);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<size_t>(at), ",");
    return digits;
}

// The working set of the dialog with the report asked for no rows.
size_t EmptyDialogWorkingSet(const CString& commandLine, CFields& fieldModel)
{
    BenchmarkDlg dialog;
    dialog.SetScriptCommand(commandLine);
    dialog.SetParameters("0");
    dialog.SetFields(&fieldModel);
    Measurement measurement(dialog, 0);
    measurement.Run();
    return measurement.PeakWorkingSet();
}

void PrintFigure(const char* what, double seconds, double baseline, const std::string& detail = std::string())
{
    printf("%-40s %9.2f %9.2f  %s\n", what, seconds, seconds / baseline, detail.c_str());
}

}

int main(int argc, char** argv)
{
    TestApp app;
    INITCOMMONCONTROLSEX controls = { sizeof controls, ICC_LISTVIEW_CLASSES };
    InitCommonControlsEx(&controls);
    std::string reportPath = argc > 1 ? argv[1] : DefaultReport();
    const std::string arguments = argc > 2 ? argv[2] : "";
    CScriptFileInfo report;
    report.Create(reportPath.c_str(), 0);
    CFields fieldModel;
    if (!fieldModel.Parse(report.GetFields())) {
        fprintf(stderr, "%s describes no fields\n", reportPath.c_str());
        return 1;
    }
    const size_t emptyDialog = EmptyDialogWorkingSet(report.GetCommandLine(), fieldModel);

    std::string commandLine = report.GetCommandLine().GetString();
    if (!arguments.empty())
        commandLine += " " + arguments;
    const double toFile = SecondsWritingToFile(commandLine);
    std::string output;
    const double baselineBefore = SecondsThroughPipe(commandLine, output);
    const size_t rows = CountRows(output);
    // Freed, not only emptied: the dialog's working set is measured next.
    std::string().swap(output);

    auto dialog = std::make_unique<BenchmarkDlg>();
    dialog->SetScriptCommand(report.GetCommandLine());
    dialog->SetParameters(arguments.c_str());
    dialog->SetFields(&fieldModel);
    dialog->SetTitle(report.GetDescription());
    Measurement measurement(*dialog, rows);
    measurement.Measuring().Run();
    dialog.reset();
    const double closeSeconds = measurement.CloseSeconds();
    const double baselineAfter = SecondsThroughPipe(commandLine, output);
    const size_t rowsAfter = CountRows(output);
    const double baseline = (baselineBefore + baselineAfter) / 2;
    const double parsing = SecondsParsingRows(output, fieldModel);

    // Named by its program and argument text: a description may name a size the arguments change.
    const std::string program = reportPath.substr(reportPath.find_last_of("\\/") + 1);
    printf("%s%s: %s rows of %d fields\n", program.c_str(), arguments.empty() ? "" : (" " + arguments).c_str(),
           WithThousands(rows).c_str(), fieldModel.GetCount());
    printf("%-40s %9s %9s\n", "", "seconds", "x pipe");
    PrintFigure("baseline before the dialog", baselineBefore, baseline);
    PrintFigure("baseline after the dialog", baselineAfter, baseline,
                rowsAfter == rows ? "" : WithThousands(rowsAfter) + " rows read");
    PrintFigure("baseline: the mean of the two", baseline, baseline);
    PrintFigure("the report writing to a file, unread", toFile, baseline);
    PrintFigure("the readers' parsing alone, no pipe", parsing, baseline);
    if (measurement.Figures().empty()) {
        printf("the run ended \"%s\" with %u of %u rows listed\n", measurement.Status().c_str(),
               unsigned(measurement.Listed()), unsigned(rows));
        return 1;
    }
    for (const Figure& figure : measurement.Figures())
        PrintFigure(figure.what.c_str(), figure.seconds, baseline, figure.detail);
    PrintFigure("close the window with every row", closeSeconds, baseline);
    const double above = double(measurement.PeakWorkingSet()) - double(emptyDialog);
    printf("peak working set: %.1f MB, %.1f MB above the dialog without rows (%.0f bytes a row)\n",
           measurement.PeakWorkingSet() / 1048576.0, above / 1048576.0, rows ? above / rows : 0.0);
    return 0;
}
