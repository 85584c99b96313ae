// The report run of the viewer dialog: the worker thread, the parsing of the
// script's output into rows, the error text and the status line.
#include "viewer/ReportViewerDlg.h"
#include "viewer/ResultRowParser.h"
#include "viewer/Resource.h"
#include "reportmodel/StringTokenizer.h"
#include <process.h>

size_t CReportViewerDlg::GetRowCount()
{
    CSingleLock lock(&m_resultsLock, TRUE);
    return m_rows.size();
}

void CReportViewerDlg::SetParameters(const char* parameters)
{
    m_parameters = parameters;
    CString text(parameters);
    text.Replace("\\\"", "\"");
    text.Replace("\"\"", "\"");
    m_detailsLines.clear();
    CStringTokenizer tokenizer(text, "=;");
    CString token;
    while (tokenizer.NextToken(token, true)) {
        CString name = token.Trim() + "=";
        CString rest = tokenizer.GetRemainder();
        int end = rest.Find(';');
        CString value = end >= 0 ? rest.Left(end) : rest;
        CStringTokenizer pieces(value + "\"", "\"");
        CString piece;
        while (pieces.NextToken(piece, true)) {
            if (CString(piece).Trim().IsEmpty())
                continue;
            m_detailsLines.push_back({ name, "\"" + piece + "\"" });
            name.Empty();
        }
        tokenizer.SetText(rest.Mid(value.GetLength()));
    }
}

DATE CReportViewerDlg::Now()
{
    SYSTEMTIME universal;
    SYSTEMTIME local;
    ::GetSystemTime(&universal);
    ::SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local);
    DATE now = 0;
    ::SystemTimeToVariantTime(&local, &now);
    return now;
}

void CReportViewerDlg::StartReport()
{
    m_startTime = Now();
    SetStatus(kExecuting);
    {
        CSingleLock lock(&m_errorLock, TRUE);
        m_errorText.LoadString(IDS_ERRORS_HEADING);
    }
    m_errorsReported = false;
    m_launcher = CreateLauncher();
    if (m_initialized)
        EnableControl(IDCANCEL, TRUE);
    m_running = true;
    m_workerThread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &RunReportThreadProc, this, 0, nullptr));
    if (!m_workerThread)
        m_running = false;
}

// Without a window the report runs with its output left alone.
std::unique_ptr<CApplicationLauncher> CReportViewerDlg::CreateLauncher()
{
    auto launcher = std::make_unique<CApplicationLauncher>(m_scriptCommand, m_parameters, m_workingFolder);
    if (m_initialized) {
        launcher->m_outputCallback = &OutputCallback;
        launcher->m_outputContext = this;
    }
    launcher->m_abortFlag = &m_cancel;
    return launcher;
}

unsigned __stdcall CReportViewerDlg::RunReportThreadProc(void* dialog)
{
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
    static_cast<CReportViewerDlg*>(dialog)->RunReportThreadBody();
    return 0;
}

void CReportViewerDlg::RunReportThreadBody()
{
    LPARAM normalEnd = 1;
    try {
        m_launcher->Run(INFINITE);
    } catch (...) {
        normalEnd = 0;
    }
    // The launcher's readers may still hold the script's last output when it
    // ends, and a helper the script started may write on: dropping the
    // launcher waits for them until the last writer has closed the output, so
    // every row is in before the run counts as finished. Stop ends that wait at
    // once. A stopped run delivers nothing more: the dialog's destructor drops
    // that launcher.
    if (!m_cancel)
        DropLauncher();
    m_running = false;
    if (m_fieldModel && m_hWnd)
        PostMessage(WM_REPORT_FINISHED, 0, normalEnd);
}

// The launcher's end waits for its readers; it happens outside the lock that Stop takes.
void CReportViewerDlg::DropLauncher()
{
    std::unique_ptr<CApplicationLauncher> dropped;
    CSingleLock lock(&m_launcherLock, TRUE);
    dropped = std::move(m_launcher);
    lock.Unlock();
}

bool CReportViewerDlg::OutputCallback(void* dialog, const CString& block, int streamId)
{
    CReportViewerDlg& target = *static_cast<CReportViewerDlg*>(dialog);
    return streamId == 1 ? target.OnErrorText(block) : target.OnOutputText(block);
}

// Each row is made outside the results lock, so the window can list earlier
// rows meanwhile, and goes in under it the moment it is complete.
bool CReportViewerDlg::OnOutputText(const CString& block)
{
    CResultRowParser parser(block);
    const char* line = nullptr;
    const char* lineEnd = nullptr;
    while (parser.NextLine(line, lineEnd)) {
        if (line == lineEnd)
            continue;
        std::unique_ptr<CFields> row(new CFields(*m_fieldModel));
        CResultRowParser::FillRow(line, lineEnd, *row);
        if (!AppendRow(std::move(row)))
            break;
    }
    // The window takes every row there is when the message comes.
    PostUnlessWaiting(m_rowsPosted, WM_ROWS_ARRIVED);
    return true;
}

// One message of a kind waits at a time: a thread's queue holds only so many.
// A post that fails leaves no mark, so the next block posts again.
void CReportViewerDlg::PostUnlessWaiting(std::atomic<bool>& waiting, UINT message)
{
    if (m_hWnd && !waiting.exchange(true) && !PostMessage(message))
        waiting = false;
}

// Stop is set under the results lock: every row that was in before it stays,
// and none comes after it. False once stopped.
bool CReportViewerDlg::AppendRow(std::unique_ptr<CFields> row)
{
    CSingleLock lock(&m_resultsLock, TRUE);
    if (m_cancel)
        return false;
    m_rows.push_back(row.release());
    return true;
}

bool CReportViewerDlg::OnErrorText(const CString& block)
{
    m_errorsReported = true;
    CResultRowParser parser(block);
    CString line;
    {
        CSingleLock lock(&m_errorLock, TRUE);
        while (parser.NextLine(line))
            m_errorText += "  " + line + "\r\n";
    }
    PostUnlessWaiting(m_errorsPosted, WM_ERRORS_ARRIVED);
    return true;
}

LRESULT CReportViewerDlg::OnErrorsArrived(WPARAM, LPARAM)
{
    // Error text that comes from here on brings a message of its own.
    m_errorsPosted = false;
    EnableControl(IDC_SHOW_ERRORS, TRUE);
    ShowNewErrorText();
    return 0;
}

// Appends what the error text gained since the box last showed it, leaving
// the box's selection and first visible line where the user put them.
void CReportViewerDlg::ShowNewErrorText()
{
    CString added;
    {
        CSingleLock lock(&m_errorLock, TRUE);
        if (m_errorText.GetLength() <= m_errorTextShown)
            return;
        added = m_errorText.Mid(m_errorTextShown);
    }
    const int firstLine = m_errorEdit.GetFirstVisibleLine();
    const DWORD selection = m_errorEdit.GetSel();
    m_errorEdit.SetSel(m_errorTextShown, m_errorTextShown);
    m_errorEdit.ReplaceSel(added);
    m_errorTextShown += added.GetLength();
    m_errorEdit.SetSel(LOWORD(selection), HIWORD(selection));
    m_errorEdit.LineScroll(firstLine - m_errorEdit.GetFirstVisibleLine());
}

// Under Wine every message costs the window and the reader a request each to
// the server that also serves every read of the report's pipe, and rows come
// a few at a time. So once rows have come the window takes them at the ticks
// of a timer while they keep coming, and the readers post nothing meanwhile;
// the first tick that finds no new rows ends that, and the next row posts
// again.
LRESULT CReportViewerDlg::OnRowsArrived(WPARAM, LPARAM)
{
    SetTimer(kRowsPickupTimer, kRowsPickupIntervalMs);
    return TakeArrivedRows();
}

void CReportViewerDlg::OnRowsPickupTimer()
{
    {
        CSingleLock lock(&m_resultsLock, TRUE);
        if (!m_inserting && m_rowsShown == m_rows.size()) {
            KillTimer(kRowsPickupTimer);
            m_rowsPosted = false;
            return;
        }
    }
    TakeArrivedRows();
}

// The rows go into the list outside the results lock: the parser appends
// under it, and while it waits it reads nothing, and each of the report's
// writes to its pipe waits for a read. A row does not change once it is in. A nested call
// leaves the rows to the insertion under way, which also takes those that
// come meanwhile.
LRESULT CReportViewerDlg::TakeArrivedRows()
{
    if (m_inserting)
        return 0;
    m_inserting = true;
    m_results.SetRedraw(FALSE);
    for (std::vector<CFields*> arrived = ArrivedRows(); !arrived.empty(); arrived = ArrivedRows()) {
        for (CFields* row : arrived)
            m_results.InsertRow(row);
    }
    ShowListedRows(false);
    m_inserting = false;
    if (m_pendingEnd)
        FinishRun(*std::exchange(m_pendingEnd, std::nullopt));
    return 1;
}

// The rows that came since the last call; from now on they count as shown.
std::vector<CFields*> CReportViewerDlg::ArrivedRows()
{
    CSingleLock lock(&m_resultsLock, TRUE);
    std::vector<CFields*> arrived(m_rows.begin() + static_cast<std::ptrdiff_t>(m_rowsShown), m_rows.end());
    m_rowsShown = m_rows.size();
    return arrived;
}

// While rows arrive, the list and the row count are redrawn twice a second,
// not after every block: under Wine each redraw costs the list view some
// milliseconds and a few hundred requests to the server that also serves the
// report's pipe. Rows left undrawn are drawn by a timer.
void CReportViewerDlg::ShowListedRows(bool now)
{
    const DWORD elapsed = ::GetTickCount() - m_listedRowsDrawnAt;
    if (!now && elapsed < kRowsRedrawIntervalMs) {
        if (!m_listedRowsOwed)
            SetTimer(kRowsRedrawTimer, kRowsRedrawIntervalMs - elapsed);
        m_listedRowsOwed = true;
        return;
    }
    KillTimer(kRowsRedrawTimer);
    m_listedRowsOwed = false;
    m_listedRowsDrawnAt = ::GetTickCount();
    m_results.SetRedraw(TRUE);
    m_results.Invalidate();
    SetStatus(m_status);
}

// Rows still going in are drawn when their insertion ends.
void CReportViewerDlg::OnRowsRedrawTimer()
{
    KillTimer(kRowsRedrawTimer);
    m_listedRowsOwed = false;
    if (!m_inserting)
        ShowListedRows(true);
}

// The insertion dispatches messages, so the run's end may come while rows are
// still going in: the run finishes only once its last row is in the list.
LRESULT CReportViewerDlg::OnRunFinished(WPARAM, LPARAM normalEnd)
{
    m_pendingEnd = normalEnd;
    TakeArrivedRows();
    return 0;
}

void CReportViewerDlg::FinishRun(LPARAM normalEnd)
{
    ShowListedRows(true);
    m_results.SetFinished(true);
    m_endTime = Now();
    SetStatus(normalEnd == 1 ? kFinished : kFailed);
    if (m_fieldModel) {
        EnableControl(ID_HELP, TRUE);
        EnableControl(IDOK, TRUE);
        EnableControl(IDCANCEL, FALSE);
        if (GetRowCount() > 0) {
            EnableControl(IDC_SAVE_AS, TRUE);
            EnableControl(IDC_FILTER, TRUE);
        }
    }
    m_results.SetErrorsReported(m_errorsReported);
    m_results.Invalidate();
    SetBusyCursor(false);
}

// Stop Report, also Escape. Once the run has ended, or Stop was pressed, there is nothing to stop.
void CReportViewerDlg::OnCancel()
{
    if (!m_running || m_cancel)
        return;
    StopReport();
    SetStatus(kCanceling);
    EnableControl(IDCANCEL, FALSE);
}

void CReportViewerDlg::StopReport()
{
    {
        CSingleLock lock(&m_resultsLock, TRUE);
        m_cancel = true;
    }
    CSingleLock lock(&m_launcherLock, TRUE);
    if (m_launcher)
        m_launcher->Terminate();
}

void CReportViewerDlg::SetStatus(int status)
{
    if (!m_initialized)
        return;
    m_status = status;
    UINT textId = IDS_STATUS_EXECUTING;
    if (status == kCanceling) {
        textId = IDS_STATUS_CANCELING;
        m_canceledMark = true;
    } else if (status == kFailed) {
        textId = IDS_STATUS_FAILED;
    } else if (status == kFinished) {
        textId = m_canceledMark ? IDS_STATUS_CANCELED : IDS_STATUS_COMPLETED;
    }
    CString text;
    text.LoadString(textId);
    ::SetDlgItemTextA(m_hWnd, IDC_STATUS, text);
    CString format;
    format.LoadString(IDS_ROWS_PROCESSED);
    text.Format(format, static_cast<int>(GetRowCount()));
    ::SetDlgItemTextA(m_hWnd, IDC_ROWS_PROCESSED, text);
    UpdateData(FALSE);
    RepaintControl(IDC_STATUS);
    RepaintControl(IDC_ROWS_PROCESSED);
}
