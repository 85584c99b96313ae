#include "builder/ScriptTreeView.h"
#include "builder/MainFrame.h"
#include "builder/Resource.h"
#include "builder/WizardApp.h"
#include "envlib/ProductEnv.h"
#include "reportmodel/ReportModelStrings.h"

IMPLEMENT_DYNCREATE(CScriptTreeView, CFormView)

BEGIN_MESSAGE_MAP(CScriptTreeView, CFormView)
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_NOTIFY(TVN_SELCHANGINGA, IDC_SCRIPT_TREE, OnSelChanging)
    ON_NOTIFY(TVN_SELCHANGEDA, IDC_SCRIPT_TREE, OnSelChanged)
END_MESSAGE_MAP()

namespace {
const char kScriptFilter[] = "*.pl; *.vbs; *.prl; *.js; *.exe";
}

CScriptTreeView::CScriptTreeView() : CFormView(IDD_SCRIPT_TREE), m_background(RGB(255, 255, 255)) {}

void CScriptTreeView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    m_tree.SubclassDlgItem(IDC_SCRIPT_TREE, this);
    RefreshTree();
    m_initialised = true;
    FitTree();
}

// The report list points into the tree's listings: it is emptied before they go.
void CScriptTreeView::RefreshTree()
{
    if (CScriptListView* list = CMainFrame::GetScriptListView())
        list->FillReports(nullptr);
    const CString scripts = static_cast<const char*>(CProductEnv().GetScriptsFolder());
    ::CreateDirectoryA(scripts, nullptr);
    m_tree.Populate(scripts, kScriptFilter);
    m_tree.SelectPath(scripts);
}

BOOL CScriptTreeView::OnEraseBkgnd(HDC dc)
{
    CRect client;
    GetClientRect(&client);
    ::FillRect(dc, &client, m_background);
    return TRUE;
}

void CScriptTreeView::OnSize(UINT, int, int)
{
    Default();
    if (m_initialised)
        FitTree();
}

void CScriptTreeView::FitTree()
{
    CRect client;
    GetClientRect(&client);
    m_tree.MoveWindow(client);
}

void CScriptTreeView::OnSelChanging(NMHDR*, LRESULT* result)
{
    *result = 0;
    CScriptListView* list = CMainFrame::GetScriptListView();
    if (list && list->IsReading()) {
        *result = 1;
        return;
    }
    CReport* report = CWizardApp::GetApp()->GetReport();
    if (report && report->IsAnyModified()) {
        if (!CWizardApp::AskToDiscardValues(m_hWnd)) {
            *result = 1;
            return;
        }
        report->ResetAll();
    }
    // The rows point into the listings the tree may free while it changes.
    if (list)
        list->FillReports(nullptr);
}

void CScriptTreeView::OnSelChanged(NMHDR* header, LRESULT* result)
{
    HTREEITEM item = reinterpret_cast<NMTREEVIEWA*>(header)->itemNew.hItem;
    if (CScriptListView* list = CMainFrame::GetScriptListView())
        list->FillReports(m_tree.GetListing(item));
    *result = 0;
}
