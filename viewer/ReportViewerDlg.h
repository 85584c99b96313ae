// The one window of the viewer: runs the report named on the command line on
// a worker thread, shows its rows in a sortable, filterable list beside a
// details area (parameters and sort order), the error output, a status line
// and the commands to stop the run, save the rows and run right-click scripts.
#pragma once
#include "viewer/ExportedReport.h"
#include "viewer/ResizingDialog.h"
#include "viewer/ResultsListCtrl.h"
#include "reportmodel/ApplicationLauncher.h"
#include "afx/CEdit.h"
#include "afx/CFont.h"
#include "afx/CMenu.h"
#include "afx/CSingleLock.h"
#include <oleauto.h>
#include <atomic>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class CRightClickScripts;

// Posted by the worker when the run has ended; LPARAM 1 normal end, 0 ended by an exception.
const UINT WM_REPORT_FINISHED = WM_USER + 50;
// Posted by the error collector when error output has come; one waits at a time.
const UINT WM_ERRORS_ARRIVED = WM_USER + 51;
// Posted by the output parser when rows have come; one waits at a time.
const UINT WM_ROWS_ARRIVED = WM_USER + 52;

// A line of the details area: parameter name and value; an empty name continues the value above.
typedef std::pair<CString, CString> DetailsLine;

class CReportViewerDlg : public CResizingDialog {
public:
    enum Status { kExecuting = 0, kCanceling = 1, kFailed = 3, kFinished = 5 };
    // How long the filter waits after the last change of its text before it refills the list.
    static const UINT kFilterDelayMs = 1000;
    // While rows keep coming, the window takes them this often.
    static const UINT kRowsPickupIntervalMs = 50;

    CReportViewerDlg();
    ~CReportViewerDlg() override;

    // Set before the window is created.
    void SetScriptCommand(const char* command) { m_scriptCommand = command; }
    void SetParameters(const char* parameters);
    void SetFields(CFields* fieldModel) { m_fieldModel = fieldModel; }
    void SetRightClickScripts(CRightClickScripts* scripts) { m_rightClickScripts = scripts; }
    void SetWorkingFolder(const char* folder) { m_workingFolder = folder; }
    void SetTitle(const char* title) { m_title = title; }

    // Records the start time and starts the worker thread; also usable without a window.
    void StartReport();
    void SetSortOrderText(const SortKeys& keys);

    const std::vector<DetailsLine>& GetDetailsLines() const { return m_detailsLines; }
    const CString& GetSortOrderText() const { return m_sortOrderText; }
    size_t GetRowCount();

    BOOL OnInitDialog() override;
    void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT) override;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    void OnCancel() override;

    // The report run (worker thread, output parsing, status line).
    static unsigned __stdcall RunReportThreadProc(void* dialog);
    void RunReportThreadBody();
    static bool OutputCallback(void* dialog, const CString& block, int streamId);
    bool OnOutputText(const CString& block);
    bool OnErrorText(const CString& block);
    LRESULT OnRunFinished(WPARAM, LPARAM normalEnd);
    LRESULT OnRowsArrived(WPARAM, LPARAM);
    LRESULT OnErrorsArrived(WPARAM, LPARAM);
    void SetStatus(int status);

    // The window.
    int OnCreate(CREATESTRUCTA* create);
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(m_icon); }
    void OnClose() { EndDialog(IDOK); }
    void OnDestroy();
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnShowErrors();
    void OnShowDetails();
    void OnFilterChange();
    void OnTimer(UINT_PTR id);
    void OnFilterTimer();

    // Save As and the right-click scripts.
    void SaveResultsAs();
    CExportedReport GetShownReport();
    void BuildScriptMenu();
    void ShowScriptMenu(NMHDR* notify, LRESULT* result);
    void RunRightClickScript(int index);

    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<CApplicationLauncher> CreateLauncher();
    void StopReport();
    void DropLauncher();
    bool AppendRow(std::unique_ptr<CFields> row);
    void PostUnlessWaiting(std::atomic<bool>& waiting, UINT message);
    LRESULT TakeArrivedRows();
    std::vector<CFields*> ArrivedRows();
    void OnRowsPickupTimer();
    void ShowListedRows(bool now);
    void OnRowsRedrawTimer();
    void FinishRun(LPARAM normalEnd);
    void ShowNewErrorText();
    void AddAboutItemToSystemMenu();
    void InitResultColumns();
    void SetBusyCursor(bool on);
    void RefillResults();
    void LayOutResultArea(CRect& detailsArea);
    int DetailsHeight() const;
    void PaintDetails(CDC& dc, const CRect& area);
    void PaintMinimized(CDC& dc);
    void EnableControl(int id, BOOL enable) { ::EnableWindow(GetDlgItem(id), enable); }
    void RepaintControl(int id);
    static DATE Now();

    // Run state.
    CString m_errorText;
    CCriticalSection m_errorLock;
    // The launcher of the report, made before the worker starts so that Stop
    // always reaches it; the worker drops it once its readers have delivered everything.
    std::unique_ptr<CApplicationLauncher> m_launcher;
    CCriticalSection m_launcherLock;
    CString m_scriptCommand;
    CString m_parameters;
    CString m_workingFolder;
    CFields* m_fieldModel = nullptr;
    CRightClickScripts* m_rightClickScripts = nullptr;
    HANDLE m_workerThread = nullptr;
    std::atomic<bool> m_cancel{ false };
    std::atomic<bool> m_running{ false };
    DATE m_startTime = 0;
    DATE m_endTime = 0;
    CString m_title;
    CString m_sortOrderText;
    // Guards the rows between the output parser and the window.
    CCriticalSection m_resultsLock;
    std::vector<CFields*> m_rows;
    size_t m_rowsShown = 0;
    bool m_canceledMark = false;
    int m_status = kExecuting;
    bool m_initialized = false;
    std::atomic<bool> m_errorsReported{ false };
    bool m_inserting = false;
    // A rows-arrived message is waiting, or the pickup timer takes the rows.
    std::atomic<bool> m_rowsPosted{ false };
    std::atomic<bool> m_errorsPosted{ false };
    static const UINT_PTR kRowsPickupTimer = 102;
    static const UINT_PTR kRowsRedrawTimer = 101;
    static const DWORD kRowsRedrawIntervalMs = 500;
    DWORD m_listedRowsDrawnAt = 0;
    // Rows are in the list that it has not drawn yet; the redraw timer runs.
    bool m_listedRowsOwed = false;
    // How the run ended, while the rows it left are still being inserted.
    std::optional<LPARAM> m_pendingEnd;
    std::vector<DetailsLine> m_detailsLines;

    // Window state.
    CEdit m_errorEdit;
    CResultsListCtrl m_results;
    int m_showErrors = 0;
    CString m_filterText;
    int m_showDetails = 0;
    HICON m_icon;
    CRect m_detailsArea;
    CFont m_boldFont;
    CFont m_normalFont;
    CMenu m_scriptMenu;
    CString m_appliedFilterText;
    // The list holds exactly the rows of the applied filter text; false while a refill is under way or was cut short.
    bool m_filterApplied = true;
    // How much of the error text the error box shows.
    int m_errorTextShown = 0;
    bool m_refilling = false;
    bool m_filterPending = false;
};
