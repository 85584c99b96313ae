// Measures the viewer's handling of a large report: the real dialog in a real
// window runs the report program and the user's commands are sent to it. The
// baseline is the same report's output read through a plain pipe; every
// figure is also given as a multiple of it.
//   viewer_benchmark [<report program>]
// The default report is Hundred_Thousand_Rows.exe beside this program.
#include "tests/support/DialogDriver.h"
#include "viewer/ReportViewerDlg.h"
#include "reportmodel/ScriptFileInfo.h"
#include "tests/support/ChildRun.h"
#include "tests/viewer/e2e/ScriptOutput.h"
#include "viewer/XmlExport.h"
#include "viewer/Resource.h"
#include <commctrl.h>
#include <cstdio>
#include <string>
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

// The viewer dialog, opened up for what Save As would write.
class BenchmarkDlg : public CReportViewerDlg {
public:
    CExportedReport ShownReport() { return GetShownReport(); }
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

    void Run()
    {
        s_current = this;
        UINT_PTR timer = SetTimer(nullptr, 0, 5, &OnTick);
        m_clock.Restart();
        m_dialog.DoModal();
        KillTimer(nullptr, timer);
        s_current = nullptr;
    }
    const std::vector<Figure>& Figures() const { return m_figures; }

private:
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_current && !s_current->m_busy) {
            s_current->m_busy = true;
            s_current->Tick();
            s_current->m_busy = false;
        }
    }

    HWND List() const { return GetDlgItem(m_dialog.m_hWnd, IDC_RESULTS); }
    int ItemCount() const { return ListView_GetItemCount(List()); }

    void Tick()
    {
        if (m_done || !m_dialog.m_hWnd)
            return;
        if (m_parsedAt < 0 && m_dialog.GetRowCount() == m_rows)
            m_parsedAt = m_clock.Seconds();
        ReportProgress();
        if (size_t(ItemCount()) != m_rows || !HasFinalStatus())
            return;
        m_done = true;
        m_figures.push_back({ "every row in the list", m_clock.Seconds(),
                              "all rows parsed after " + FormatSeconds(m_parsedAt) });
        MeasureSort(2, "re-sort by a text column (Name)");
        MeasureSort(1, "re-sort by a kvtime column (Created)");
        MeasureSort(0, "re-sort by an Integer column (Row)");
        MeasureFilter("wishlist", "refill with a filter (wishlist)");
        MeasureFilter("", "refill without the filter");
        MeasureXml();
        EndDialog(m_dialog.m_hWnd, IDOK);
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

    bool HasFinalStatus() const
    {
        char status[64] = "";
        GetDlgItemTextA(m_dialog.m_hWnd, IDC_STATUS, status, sizeof status);
        return strcmp(status, "Completed") == 0 || strcmp(status, "Canceled") == 0 || strcmp(status, "Failed") == 0;
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
        char folder[MAX_PATH] = "";
        GetTempPathA(sizeof folder, folder);
        std::string path = std::string(folder) + "viewer_benchmark.xml";
        Stopwatch clock;
        CExportedReport report = m_dialog.ShownReport();
        CXmlExport(report).Write(path.c_str(), "");
        double seconds = clock.Seconds();
        WIN32_FILE_ATTRIBUTE_DATA file = {};
        GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &file);
        m_figures.push_back({ "write the XML", seconds, std::to_string(file.nFileSizeLow / 1024) + " KiB" });
        DeleteFileA(path.c_str());
    }

    static std::string FormatSeconds(double seconds)
    {
        char text[32];
        snprintf(text, sizeof text, "%.2f s", seconds);
        return text;
    }

    static const UINT_PTR kFilterTimer = 100;
    static constexpr double kProgressIntervalSeconds = 5;
    static Measurement* s_current;
    BenchmarkDlg& m_dialog;
    size_t m_rows;
    Stopwatch m_clock;
    double m_parsedAt = -1;
    double m_lastProgress = 0;
    bool m_busy = false;
    bool m_done = false;
    std::vector<Figure> m_figures;
};

Measurement* Measurement::s_current = nullptr;

std::string DefaultReport()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string report(path);
    return report.substr(0, report.rfind('\\') + 1) + "Hundred_Thousand_Rows.exe";
}

}

int main(int argc, char** argv)
{
    TestApp app;
    INITCOMMONCONTROLSEX controls = { sizeof controls, ICC_LISTVIEW_CLASSES };
    InitCommonControlsEx(&controls);
    std::string reportPath = argc > 1 ? argv[1] : DefaultReport();
    CScriptFileInfo report;
    report.Create(reportPath.c_str(), 0);
    CFields fieldModel;
    if (!fieldModel.Parse(report.GetFields())) {
        fprintf(stderr, "%s describes no fields\n", reportPath.c_str());
        return 1;
    }

    Stopwatch clock;
    const std::string output = RunAndCapture(report.GetCommandLine().GetString());
    const double baseline = clock.Seconds();
    const size_t rows = ScriptOutput::Rows(output).size();
    printf("%s: %u rows of %d fields\n", report.GetDescription().GetString(), unsigned(rows), fieldModel.GetCount());
    printf("%-40s %9s %9s\n", "", "seconds", "x pipe");
    printf("%-40s %9.2f %9.2f\n", "baseline: output read through a pipe", baseline, 1.0);
    fflush(stdout);

    BenchmarkDlg dialog;
    dialog.SetScriptCommand(report.GetCommandLine());
    dialog.SetFields(&fieldModel);
    dialog.SetTitle(report.GetDescription());
    Measurement measurement(dialog, rows);
    measurement.Run();
    if (measurement.Figures().empty()) {
        fprintf(stderr, "the dialog closed before every row was listed\n");
        return 1;
    }
    for (const Figure& figure : measurement.Figures())
        printf("%-40s %9.2f %9.2f  %s\n", figure.what.c_str(), figure.seconds, figure.seconds / baseline,
               figure.detail.c_str());
    return 0;
}
