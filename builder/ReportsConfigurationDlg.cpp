#include "builder/ReportsConfigurationDlg.h"
#include "afx/AfxResources.h"
#include "builder/DirDialog.h"
#include "builder/Resource.h"
#include "envlib/ProductEnv.h"
#include "reportmodel/ReportModelStrings.h"

BEGIN_MESSAGE_MAP(CReportsConfigurationDlg, CTopicHelpDialog)
    ON_BN_CLICKED(IDC_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CReportsConfigurationDlg::CReportsConfigurationDlg(CWnd* parent)
    : CTopicHelpDialog(IDD_REPORTS_CONFIGURATION, parent),
      m_folder(static_cast<const char*>(CProductEnv().GetReportsFolder())),
      m_startingFolder(m_folder)
{
}

BOOL CReportsConfigurationDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetItemText(IDC_REPORTS_FOLDER, m_folder);
    ::SetFocus(GetDlgItem(IDC_REPORTS_FOLDER));
    return FALSE;
}

void CReportsConfigurationDlg::OnBrowse()
{
    CDirDialog browser;
    browser.m_strWindowTitle = LoadText(IDS_SCRIPTS_LOCATION_CAPTION);
    browser.m_strTitle = LoadText(IDS_SCRIPTS_LOCATION_TITLE);
    // Owned by the dialog, which stays disabled until the browser closes.
    if (browser.DoBrowse(m_hWnd) && !browser.m_strPath.IsEmpty()) {
        m_folder = browser.m_strPath;
        SetItemText(IDC_REPORTS_FOLDER, m_folder);
    }
}

// A write that fails still counts as a change: the tree then shows whatever
// folder the setting yields.
void CReportsConfigurationDlg::OnOK()
{
    GetItemText(IDC_REPORTS_FOLDER, m_folder);
    if (m_folder.CompareNoCase(m_startingFolder) != 0) {
        CProductEnv().SetReportsPath(static_cast<const char*>(m_folder));
        m_changed = true;
    }
    EndDialog(IDOK);
}
