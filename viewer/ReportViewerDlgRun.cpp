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
    m_running = true;
    m_workerThread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &RunReportThreadProc, this, 0, nullptr));
    if (!m_workerThread)
        m_running = false;
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
        auto launcher = std::make_unique<CApplicationLauncher>(m_scriptCommand, m_parameters, m_workingFolder);
        if (m_initialized) {
            launcher->m_outputCallback = &OutputCallback;
            launcher->m_outputContext = this;
            EnableControl(IDCANCEL, TRUE);
        }
        launcher->m_abortFlag = &m_cancel;
        CApplicationLauncher* running = launcher.get();
        {
            CSingleLock lock(&m_launcherLock, TRUE);
            m_launcher = std::move(launcher);
        }
        running->Run(INFINITE);
    } catch (...) {
        normalEnd = 0;
    }
    // The launcher's readers may still hold the script's last output when it
    // ends; dropping the launcher waits for them, so every row is in before
    // the run counts as finished. A stopped run delivers nothing more, and its
    // readers may wait on a pipe a grandchild of the script keeps open: the
    // dialog's destructor drops that launcher.
    if (!m_cancel) {
        std::unique_ptr<CApplicationLauncher> finished;
        CSingleLock lock(&m_launcherLock, TRUE);
        finished = std::move(m_launcher);
        lock.Unlock();
    }
    m_running = false;
    if (m_fieldModel && m_hWnd)
        PostMessage(WM_REPORT_FINISHED, 0, normalEnd);
}

bool CReportViewerDlg::OutputCallback(void* dialog, const CString& block, int streamId)
{
    CReportViewerDlg& target = *static_cast<CReportViewerDlg*>(dialog);
    return streamId == 1 ? target.OnErrorText(block) : target.OnOutputText(block);
}

bool CReportViewerDlg::OnOutputText(const CString& block)
{
    CResultRowParser parser(block);
    CString line;
    while (parser.NextLine(line)) {
        if (line.IsEmpty())
            continue;
        CFields* row = new CFields(*m_fieldModel);
        CResultRowParser::FillRow(line, *row);
        CSingleLock lock(&m_resultsLock, TRUE);
        m_rows.push_back(row);
    }
    if (m_hWnd)
        PostMessage(WM_ROWS_ARRIVED);
    return true;
}

bool CReportViewerDlg::OnErrorText(const CString& block)
{
    EnableControl(IDC_SHOW_ERRORS, TRUE);
    m_errorsReported = true;
    CResultRowParser parser(block);
    CString line;
    CSingleLock lock(&m_errorLock, TRUE);
    while (parser.NextLine(line))
        m_errorText += "  " + line + "\r\n";
    return true;
}

LRESULT CReportViewerDlg::OnRowsArrived(WPARAM, LPARAM)
{
    CSingleLock lock(&m_resultsLock, TRUE);
    if (m_inserting)
        return 0;
    m_inserting = true;
    m_results.SetRedraw(FALSE);
    while (m_rowsShown < m_rows.size())
        m_results.InsertRow(m_rows[m_rowsShown++]);
    m_results.SetRedraw(TRUE);
    m_results.Invalidate();
    // The insertion dispatches messages, so the run may have ended meanwhile:
    // refresh the row count under the status as it now stands.
    SetStatus(m_status);
    m_inserting = false;
    return 1;
}

LRESULT CReportViewerDlg::OnRunFinished(WPARAM, LPARAM normalEnd)
{
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
    return 0;
}

// Stop Report, also Escape. Once the run has ended there is nothing to stop.
void CReportViewerDlg::OnCancel()
{
    if (!m_running)
        return;
    m_cancel = true;
    {
        CSingleLock lock(&m_launcherLock, TRUE);
        if (m_launcher)
            m_launcher->Terminate();
    }
    SetStatus(kCanceling);
    EnableControl(IDCANCEL, FALSE);
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
