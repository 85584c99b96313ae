#include "viewer/AboutDlg.h"
#include "viewer/Resource.h"

namespace {
const char kVersion[] = "8.0.0.17 (8.0.0.17)";
}

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CString title;
    CString versionLabel;
    title.LoadString(IDS_APP_TITLE);
    versionLabel.LoadString(IDS_VERSION);
    ::SetDlgItemTextA(m_hWnd, IDC_VERSION, title + versionLabel + kVersion);
    return TRUE;
}
