#include "builder/ScriptListView.h"
#include "builder/MainFrame.h"
#include "builder/Resource.h"
#include "builder/WizardApp.h"

IMPLEMENT_DYNCREATE(CScriptListView, CFormView)

BEGIN_MESSAGE_MAP(CScriptListView, CFormView)
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_NOTIFY(NM_CLICK, IDC_SCRIPT_LIST, OnClick)
    ON_NOTIFY(LVN_ITEMCHANGING, IDC_SCRIPT_LIST, OnItemChanging)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_SCRIPT_LIST, OnItemChanged)
    ON_MESSAGE(WM_CLEAR_REFUSAL, OnClearRefusal)
END_MESSAGE_MAP()

namespace {
const UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;

// Holds the user's input off the main window while it lives: the boxes of a
// report's parse have no owner, so the window would take clicks meanwhile.
class MainWindowHeld {
public:
    explicit MainWindowHeld(HWND window)
        : m_root(::GetAncestor(window, GA_ROOT)), m_wasDisabled(::EnableWindow(m_root, FALSE) != FALSE)
    {
    }
    ~MainWindowHeld()
    {
        if (!m_wasDisabled)
            ::EnableWindow(m_root, TRUE);
    }
    MainWindowHeld(const MainWindowHeld&) = delete;
    MainWindowHeld& operator=(const MainWindowHeld&) = delete;

private:
    HWND m_root;
    bool m_wasDisabled;
};

void SetItemState(CListCtrl& list, int row, UINT state, UINT mask)
{
    LVITEMA item = {};
    item.stateMask = mask;
    item.state = state;
    list.SendMessage(LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}
}

CScriptListView::CScriptListView() : CFormView(IDD_SCRIPT_LIST), m_background(RGB(255, 255, 255)) {}

void CScriptListView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (!m_list.m_hWnd)
        m_list.SubclassDlgItem(IDC_SCRIPT_LIST, this);
    m_initialised = true;
    m_list.InsertColumn(0, "Reports", LVCFMT_LEFT, 100);
    m_list.SetColumnWidth(0, LVSCW_AUTOSIZE);
    FitList();
}

void CScriptListView::FillReports(CFileInfoArray* listing)
{
    if (!m_list.m_hWnd)
        m_list.SubclassDlgItem(IDC_SCRIPT_LIST, this);
    m_list.DeleteAllItems();
    m_lastSelectedRow = -1;
    if (!listing)
        return;
    for (int index = 0; index < listing->GetSize(); ++index) {
        CScriptFileInfo& record = (*listing)[index];
        if (!record.IsScript() || record.GetDescription().IsEmpty())
            continue;
        const CString description = record.GetDescription();
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = m_list.GetItemCount();
        item.pszText = const_cast<char*>(description.GetString());
        item.lParam = reinterpret_cast<LPARAM>(&record);
        m_list.InsertItem(&item);
    }
    SetItemState(m_list, -1, 0, LVIS_SELECTED);
    if (m_list.GetItemCount() > 0)
        SetRowSelected(0);
}

void CScriptListView::SetRowSelected(int row)
{
    SetItemState(m_list, row, kSelectedAndFocused, kSelectedAndFocused);
}

// The new report is read whole before it becomes current, and the main window
// takes no input meanwhile (a message posted to the list is refused too), so
// nothing done during a parse-error box can delete what is still being read.
void CScriptListView::SelectReport(int row)
{
    const CScriptFileInfo* record = row >= 0 && row < m_list.GetItemCount()
                                        ? reinterpret_cast<const CScriptFileInfo*>(m_list.GetItemData(row))
                                        : nullptr;
    if (!record || m_reading)
        return;
    // The pane lets go of the old report before it is deleted: a parse-error box
    // below would let the pane repaint it.
    CParameterListView* pane = CMainFrame::GetParameterListView();
    if (pane)
        pane->SetReport(nullptr);
    CReport* current = nullptr;
    {
        MainWindowHeld held(m_hWnd);
        m_reading = true;
        current = CWizardApp::GetApp()->CreateReport(*record);
        m_reading = false;
    }
    if (pane)
        pane->SetReport(current);
}

bool CScriptListView::HasSelection() const
{
    return m_list.m_hWnd && m_list.GetNextItem(-1, LVNI_SELECTED) != -1;
}

BOOL CScriptListView::OnEraseBkgnd(HDC dc)
{
    CRect client;
    GetClientRect(&client);
    ::FillRect(dc, &client, m_background);
    return TRUE;
}

void CScriptListView::OnSize(UINT, int, int)
{
    Default();
    if (m_initialised)
        FitList();
}

void CScriptListView::FitList()
{
    CRect client;
    GetClientRect(&client);
    m_listRect = client;
    m_list.MoveWindow(client);
    m_list.SetColumnWidth(0, client.Width());
}

void CScriptListView::OnClick(NMHDR*, LRESULT* result)
{
    *result = 0;
}

void CScriptListView::OnItemChanged(NMHDR* header, LRESULT* result)
{
    const NMLISTVIEW* change = reinterpret_cast<NMLISTVIEW*>(header);
    if (change->iItem != -1 && change->iItem != m_lastSelectedRow && (change->uNewState & LVIS_SELECTED)) {
        SelectReport(change->iItem);
        m_lastSelectedRow = change->iItem;
    }
    *result = 0;
}

void CScriptListView::OnItemChanging(NMHDR* header, LRESULT* result)
{
    const NMLISTVIEW* change = reinterpret_cast<NMLISTVIEW*>(header);
    *result = 0;
    if (m_reading && (change->uChanged & LVIF_STATE)) {
        *result = 1;
        return;
    }
    CReport* report = CWizardApp::GetApp()->GetReport();
    if (!report || !(change->uChanged & LVIF_STATE))
        return;
    if (change->uNewState == 0) {
        m_rowBeingLeft = change->iItem;
        return;
    }
    if (m_refusalPending) {
        *result = 1;
        return;
    }
    const CScriptFileInfo* record = reinterpret_cast<const CScriptFileInfo*>(change->lParam);
    if (record && record->GetFilePath().CompareNoCase(report->GetScript().GetFilePath()) == 0)
        return;
    if (report->IsAnyModified() && !CWizardApp::AskToDiscardValues(m_hWnd)) {
        *result = 1;
        // The row being left has already lost its selection: it gets it back at
        // once, and the rest of this click's state changes are refused silently.
        if (m_rowBeingLeft >= 0)
            SetRowSelected(m_rowBeingLeft);
        m_refusalPending = true;
        PostMessage(WM_CLEAR_REFUSAL);
    }
}

LRESULT CScriptListView::OnClearRefusal(WPARAM, LPARAM)
{
    m_refusalPending = false;
    return 0;
}
