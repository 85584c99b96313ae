// The viewer dialog's window: controls, layout, painting and commands.
#include "viewer/ReportViewerDlg.h"
#include "viewer/AboutDlg.h"
#include "envlib/ProductEnv.h"
#include "viewer/ResultsExport.h"
#include "viewer/RightClickScripts.h"
#include "viewer/Resource.h"
#include "afx/AfxResources.h"
#include "afx/CDataExchange.h"
#include "afx/CDC.h"
#include "libselvogu.h"

namespace {
const UINT_PTR kFilterTimer = 100;
const char kHelpTopic[] = "kv_reports/c_vwr_wndw_manplt.htm";

const int kColumnPixelsPerCharacter = 7;
const int kDetailsLineHeight = 14;
const int kDetailsMargin = 4;
const int kDetailsValueGap = 9;
const size_t kDetailsLinesShown = 8;

HICON LoadProgramIcon()
{
    HICON icon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    return icon ? icon : ::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
}

// Draws one line of text at (x, y), clipped to `area`.
void DrawClipped(CDC& dc, const CString& text, int x, int y, const CRect& area)
{
    CRect line(x, y, area.right, area.bottom);
    dc.DrawText(text, &line, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}
}

BEGIN_MESSAGE_MAP(CReportViewerDlg, CResizingDialog)
    ON_WM_CREATE()
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_REPORT_FINISHED, OnRunFinished)
    ON_MESSAGE(WM_ROWS_ARRIVED, OnRowsArrived)
    ON_MESSAGE(WM_ERRORS_ARRIVED, OnErrorsArrived)
    ON_WM_LBUTTONDBLCLK()
    ON_BN_CLICKED(IDC_SHOW_ERRORS, OnShowErrors)
    ON_BN_CLICKED(IDC_SHOW_DETAILS, OnShowDetails)
    ON_EN_CHANGE(IDC_FILTER, OnFilterChange)
    ON_WM_TIMER()
    ON_BN_CLICKED(IDC_SAVE_AS, SaveResultsAs)
    ON_NOTIFY(NM_RCLICK, IDC_RESULTS, ShowScriptMenu)
END_MESSAGE_MAP()

CReportViewerDlg::CReportViewerDlg() : CResizingDialog(IDD_REPORTVIEWER_DIALOG), m_icon(LoadProgramIcon())
{
    m_sortOrderText.LoadString(IDS_NOT_SORTED);
    AddControl(IDC_SHOW_DETAILS, kMoveDown);
    AddControl(IDC_DETAILS_AREA, kStretchWidth | kStretchHeight);
    AddControl(IDC_RESULTS, kStretchWidth | kStretchHeight);
    AddControl(IDC_FILTER_LABEL, 0);
    AddControl(IDC_FILTER, kStretchWidth);
    AddControl(1030, kMoveRight);
    AddControl(IDCANCEL, kMoveDown);
    AddControl(IDC_SHOW_ERRORS, kMoveDown);
    AddControl(IDOK, kMoveRight | kMoveDown);
    AddControl(ID_HELP, kMoveRight | kMoveDown);
    AddControl(IDC_SAVE_AS, kMoveRight | kMoveDown);
    AddControl(IDC_STATUS, kMoveDown);
    AddControl(IDC_ROWS_PROCESSED, kMoveRight | kMoveDown | kStretchWidth);

    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTA font = metrics.lfMessageFont;
    font.lfWeight = FW_NORMAL;
    m_normalFont.CreateFontIndirect(&font);
    font.lfWeight = FW_BOLD;
    m_boldFont.CreateFontIndirect(&font);
}

// Waits for the report's worker, so a windowless run ends with its script.
// The launcher goes before the rows: its readers may still be parsing a block.
CReportViewerDlg::~CReportViewerDlg()
{
    if (m_workerThread) {
        ::WaitForSingleObject(m_workerThread, INFINITE);
        ::CloseHandle(m_workerThread);
    }
    m_launcher.reset();
    for (CFields* row : m_rows)
        delete row;
}

void CReportViewerDlg::DoDataExchange(CDataExchange* exchange)
{
    CResizingDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_ERRORS, m_errorEdit);
    // The error text only goes to its read-only box: the standard-error reader
    // appends to it meanwhile, so reading the box back would lose lines.
    if (!exchange->m_bSaveAndValidate)
        ShowNewErrorText();
    DDX_Control(exchange, IDC_RESULTS, m_results);
    DDX_Check(exchange, IDC_SHOW_ERRORS, m_showErrors);
    DDX_Text(exchange, IDC_FILTER, m_filterText);
    DDX_Check(exchange, IDC_SHOW_DETAILS, m_showDetails);
}

int CReportViewerDlg::OnCreate(CREATESTRUCTA* create)
{
    if (CResizingDialog::OnCreate(create) == -1)
        return -1;
    ModifyStyle(0, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    return 0;
}

BOOL CReportViewerDlg::OnInitDialog()
{
    CResizingDialog::OnInitDialog();
    m_errorEdit.SetLimitText(0);
    SetBusyCursor(true);
    AddAboutItemToSystemMenu();
    SetIcon(m_icon, TRUE);
    SetIcon(m_icon, FALSE);
    SetWindowText(LoadText(IDS_APP_TITLE) + " - " + m_title);
    EnableControl(IDC_SHOW_ERRORS, FALSE);
    InitResultColumns();
    if (m_fieldModel) {
        SortKeys keys = m_fieldModel->GetSortOrder();
        SetSortOrderText(keys);
        m_results.SetSortKeys(keys);
    }
    EnableControl(IDC_SAVE_AS, FALSE);
    EnableControl(IDC_FILTER, FALSE);
    EnableControl(IDOK, FALSE);
    ::SetDlgItemTextA(m_hWnd, IDC_STATUS, "");
    ::SetDlgItemTextA(m_hWnd, IDC_ROWS_PROCESSED, "");
    if (m_rightClickScripts)
        BuildScriptMenu();
    m_initialized = true;
    UpdateData(FALSE);
    StartReport();
    return TRUE;
}

// However the window goes away during a run (the close box, Alt+F4, Enter),
// the report is stopped first, so the program does not wait on, unseen, for it.
void CReportViewerDlg::OnDestroy()
{
    if (m_running)
        StopReport();
    CResizingDialog::OnDestroy();
}

void CReportViewerDlg::AddAboutItemToSystemMenu()
{
    CString aboutText = LoadText(IDS_ABOUTBOX);
    HMENU systemMenu = ::GetSystemMenu(m_hWnd, FALSE);
    if (aboutText.IsEmpty() || !systemMenu)
        return;
    ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutText);
}

void CReportViewerDlg::OnSysCommand(UINT id, LPARAM lParam)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
        return;
    }
    CResizingDialog::OnSysCommand(id, lParam);
}

void CReportViewerDlg::WinHelp(DWORD_PTR, UINT)
{
    gu_help(nullptr, kHelpTopic, 1, 0);
}

void CReportViewerDlg::InitResultColumns()
{
    m_results.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_results.DeleteAllItems();
    while (m_results.DeleteColumn(0))
        ;
    if (!m_fieldModel)
        return;
    int columns = 0;
    int widthSum = 0;
    for (int index = 0; index < m_fieldModel->GetCount(); ++index) {
        const CField* field = m_fieldModel->GetAt(index);
        if (!field->IsVisible())
            continue;
        int width = kColumnPixelsPerCharacter * field->GetWidth();
        m_results.InsertColumn(columns++, field->GetName(), LVCFMT_LEFT, width);
        widthSum += width;
    }
    CRect window;
    GetWindowRect(&window);
    if (widthSum <= 0 || widthSum >= window.Width())
        return;
    for (int column = 0; column < columns; ++column)
        m_results.SetColumnWidth(column, m_results.GetColumnWidth(column) * window.Width() / widthSum * 9 / 10);
}

void CReportViewerDlg::SetSortOrderText(const SortKeys& keys)
{
    if (!keys.empty()) {
        CString text;
        for (int position = 1; position <= static_cast<int>(keys.size()); ++position) {
            auto key = keys.find(position);
            const CField* field = key != keys.end() && m_fieldModel ? m_fieldModel->GetAt(key->second) : nullptr;
            if (!field)
                continue;
            if (!text.IsEmpty())
                text += ", ";
            text += field->GetName();
            if (!field->IsVisible())
                text += " " + LoadText(IDS_HIDDEN);
        }
        m_sortOrderText = text;
    }
    UpdateData(FALSE);
    InvalidateRect(&m_detailsArea);
}

void CReportViewerDlg::SetBusyCursor(bool on)
{
    HCURSOR cursor = ::LoadCursor(nullptr, on ? IDC_APPSTARTING : IDC_ARROW);
    for (HWND window : { m_hWnd, m_results.m_hWnd, m_results.GetHeaderCtrl() })
        ::SetClassLongPtrA(window, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(cursor));
    ::SetCursor(cursor);
}

void CReportViewerDlg::RepaintControl(int id)
{
    HWND control = GetDlgItem(id);
    ::InvalidateRect(control, nullptr, TRUE);
    ::UpdateWindow(control);
}

void CReportViewerDlg::OnLButtonDblClk(UINT flags, CPoint point)
{
    if (m_detailsArea.PtInRect(point)) {
        m_showDetails = !m_showDetails;
        UpdateData(FALSE);
        Invalidate();
    }
    CResizingDialog::OnLButtonDblClk(flags, point);
}

void CReportViewerDlg::OnShowErrors()
{
    m_showErrors = !m_showErrors;
    CRect area;
    ::GetWindowRect(GetDlgItem(IDC_DETAILS_AREA), &area);
    ScreenToClient(&area);
    InvalidateRect(&area);
}

void CReportViewerDlg::OnShowDetails()
{
    UpdateData(TRUE);
    CRect area;
    ::GetWindowRect(GetDlgItem(IDC_DETAILS_AREA), &area);
    ScreenToClient(&area);
    InvalidateRect(&area);
}

void CReportViewerDlg::OnFilterChange()
{
    m_filterPending = true;
    UpdateData(TRUE);
    KillTimer(kFilterTimer);
    SetTimer(kFilterTimer, kFilterDelayMs);
}

void CReportViewerDlg::OnTimer(UINT_PTR id)
{
    if (id == kRowsRedrawTimer)
        OnRowsRedrawTimer();
    else if (id == kRowsPickupTimer)
        OnRowsPickupTimer();
    else
        OnFilterTimer();
}

// The filter text has rested for the delay since its last change.
void CReportViewerDlg::OnFilterTimer()
{
    KillTimer(kFilterTimer);
    m_filterPending = false;
    RefillResults();
    CResizingDialog::OnTimer(kFilterTimer);
}

void CReportViewerDlg::RefillResults()
{
    CSingleLock lock(&m_resultsLock, TRUE);
    if (m_refilling)
        return;
    m_refilling = true;
    m_results.SetFiltered(!m_filterText.IsEmpty());
    if (!m_filterApplied || m_filterText.CompareNoCase(m_appliedFilterText) != 0) {
        const CString filter = m_filterText;
        m_filterApplied = false;
        m_results.SetRedraw(FALSE);
        m_results.DeleteAllItems();
        for (CFields* row : m_rows) {
            if (m_filterPending)
                break;
            if (filter.IsEmpty() || row->Match(filter))
                m_results.InsertRow(row);
        }
        // A newer edit cuts the refill short and brings its own; the partial
        // list does not count as showing this text.
        if (!m_filterPending) {
            m_results.ResortRows();
            m_appliedFilterText = filter;
            m_filterApplied = true;
        }
        m_results.SetRedraw(TRUE);
        m_results.Invalidate();
    }
    m_refilling = false;
}

void CReportViewerDlg::OnPaint()
{
    if (IsIconic()) {
        CPaintDC dc(this);
        PaintMinimized(dc);
        return;
    }
    LayOutResultArea(m_detailsArea);
    {
        CPaintDC dc(this);
        PaintDetails(dc, m_detailsArea);
    }
    CResizingDialog::OnPaint();
}

void CReportViewerDlg::PaintMinimized(CDC& dc)
{
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC));
    CRect client;
    GetClientRect(&client);
    int x = (client.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_icon);
}

int CReportViewerDlg::DetailsHeight() const
{
    if (!m_showDetails)
        return 5;
    int lines = m_detailsLines.size() < 10 ? static_cast<int>(m_detailsLines.size()) : 9;
    return std::max(kDetailsLineHeight * lines + 21, 35);
}

// Shares the area of the hidden group box between the details, the list and the error box.
void CReportViewerDlg::LayOutResultArea(CRect& detailsArea)
{
    CRect area;
    ::GetWindowRect(GetDlgItem(IDC_DETAILS_AREA), &area);
    ScreenToClient(&area);
    detailsArea = CRect(area.left, area.top, area.right, area.top + DetailsHeight());
    CRect list(area.left, detailsArea.bottom, area.right, area.bottom);
    CRect errors(area.left, area.bottom, area.right, area.bottom);
    if (m_showErrors) {
        list.bottom = list.top + list.Height() / 2;
        errors.top = list.bottom;
    }
    for (auto placement : { std::make_pair(m_results.m_hWnd, list), std::make_pair(m_errorEdit.m_hWnd, errors) }) {
        CRect current;
        ::GetWindowRect(placement.first, &current);
        ScreenToClient(&current);
        if (!::EqualRect(&current, &placement.second))
            ::MoveWindow(placement.first, placement.second.left, placement.second.top, placement.second.Width(),
                         placement.second.Height(), TRUE);
    }
}

void CReportViewerDlg::PaintDetails(CDC& dc, const CRect& area)
{
    dc.FillSolidRect(area, ::GetSysColor(COLOR_BTNFACE));
    dc.Draw3dRect(area, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    dc.SetBkMode(TRANSPARENT);
    if (!m_showDetails)
        return;
    HGDIOBJ previousFont = dc.SelectObject(m_boldFont);
    CString parametersLabel = LoadText(IDS_PARAMETERS) + ":";
    int labelX = area.left + kDetailsMargin;
    int valueX = area.left + dc.GetTextExtent(parametersLabel).cx + kDetailsValueGap;
    int y = area.top + kDetailsMargin;
    DrawClipped(dc, parametersLabel, labelX, y, area);

    dc.SelectObject(m_normalFont);
    int nameWidth = 0;
    for (size_t index = 0; index < m_detailsLines.size() && index < kDetailsLinesShown; ++index) {
        const DetailsLine& line = m_detailsLines[index];
        if (!line.first.IsEmpty()) {
            nameWidth = dc.GetTextExtent(line.first).cx;
            DrawClipped(dc, line.first + line.second, valueX, y, area);
        } else {
            DrawClipped(dc, line.second, valueX + nameWidth, y, area);
        }
        y += kDetailsLineHeight;
    }
    if (m_detailsLines.size() > kDetailsLinesShown) {
        DrawClipped(dc, LoadText(IDS_PARAMETERS_TRUNCATED), valueX, y, area);
        y += kDetailsLineHeight;
    }
    if (m_detailsLines.empty())
        y += kDetailsLineHeight;

    dc.SelectObject(m_boldFont);
    DrawClipped(dc, LoadText(IDS_SORT_ORDER) + ":", labelX, y, area);
    dc.SelectObject(m_normalFont);
    DrawClipped(dc, m_sortOrderText, valueX, y, area);
    dc.SelectObject(previousFont);
}

// What Save As writes: the rows as the list shows them, in its order.
CExportedReport CReportViewerDlg::GetShownReport()
{
    CExportedReport report;
    report.title = m_title;
    report.parameters = m_parameters;
    report.detailsLines = m_detailsLines;
    report.startTime = m_startTime;
    report.endTime = m_endTime;
    report.fieldModel = m_fieldModel;
    for (int item = 0; item < m_results.GetItemCount(); ++item)
        if (const CFields* row = m_results.GetRow(item))
            report.rows.push_back(row);
    return report;
}

void CReportViewerDlg::SaveResultsAs()
{
    CExportedReport report = GetShownReport();
    CResultsExport(report, CProductEnv().GetReportsFolder(), m_hWnd).SaveAs();
}

// Menu positions equal the entries' indexes; entry i has the command i + 1.
void CReportViewerDlg::BuildScriptMenu()
{
    m_scriptMenu.CreatePopupMenu();
    for (int index = 0; index < m_rightClickScripts->GetCount(); ++index) {
        const CRightClickScript& script = m_rightClickScripts->GetAt(index);
        if (script.IsSeparator())
            m_scriptMenu.AppendMenu(MF_SEPARATOR);
        else
            m_scriptMenu.AppendMenu(MF_STRING, index + 1, script.GetMenuText());
    }
}

void CReportViewerDlg::ShowScriptMenu(NMHDR* notify, LRESULT* result)
{
    *result = 0;
    if (!m_rightClickScripts || reinterpret_cast<NMITEMACTIVATE*>(notify)->iItem < 0)
        return;
    int selected = static_cast<int>(m_results.GetSelectedCount());
    for (int index = 0; index < m_rightClickScripts->GetCount(); ++index) {
        bool usable = m_rightClickScripts->GetAt(index).IsUsableFor(selected);
        m_scriptMenu.EnableMenuItem(index, MF_BYPOSITION | (usable ? MF_ENABLED : MF_GRAYED));
    }
    SetForegroundWindow();
    CPoint click(static_cast<LPARAM>(::GetMessagePos()));
    int command = m_scriptMenu.TrackPopupMenu(TPM_RETURNCMD | TPM_RIGHTBUTTON, click.x, click.y, m_hWnd);
    if (command > 0)
        RunRightClickScript(command - 1);
}

void CReportViewerDlg::RunRightClickScript(int index)
{
    std::vector<const CFields*> selectedRows;
    for (int item = m_results.GetNextItem(-1, LVNI_SELECTED); item >= 0; item = m_results.GetNextItem(item, LVNI_SELECTED))
        if (const CFields* row = m_results.GetRow(item))
            selectedRows.push_back(row);
    m_rightClickScripts->GetAt(index).Run(CProductEnv().GetReportsFolder(), selectedRows);
}
