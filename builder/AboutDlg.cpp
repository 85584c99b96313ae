#include "builder/AboutDlg.h"
#include "afx/FrameworkIds.h"
#include "builder/Resource.h"
#include "libselvotbs.h"
#include "reportmodel/ReportModelStrings.h"

namespace {
// The version as a product of its component line, and as it stands alone.
const char kComponentVersion[] = "8.0.0.17 (8.0.0.17)";
const char kStandaloneVersion[] = "8.0.0.17 (8.0.0.17)";
const int kProductComponent = 0x6000;
}

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const char* version = tbs_product_comp_test(kProductComponent) ? kComponentVersion : kStandaloneVersion;
    SetItemText(IDC_VERSION, LoadText(AFX_IDS_APP_TITLE) + LoadText(IDS_VERSION_SEPARATOR) + version);
    return TRUE;
}
