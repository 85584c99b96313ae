#include "builder/PathChooserDlg.h"
#include "afx/CDataExchange.h"
#include "builder/Resource.h"
#include "reportmodel/ReportModelStrings.h"

CPathChooserDlg::CPathChooserDlg(CWnd* parent) : CChooserHostDlg(IDD_PATH_CHOOSER, parent, IDS_PATH_CHOOSER_NAME) {}

void CPathChooserDlg::DoDataExchange(CDataExchange* exchange)
{
    DDX_Control(exchange, IDC_PATH_CHOOSER, m_chooser);
}

BOOL CPathChooserDlg::OnInitDialog()
{
    HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    CDialog::OnInitDialog();
    ApplyStoredExtent(IDC_PATH_CHOOSER, m_chooser);
    SetWindowText(LoadText(m_mode == MODE_PATH ? IDS_SELECT_PATHNAMES : IDS_SELECT_OBJECTS));
    PutProperties();
    ::SetCursor(previous);
    return TRUE;
}

// The mode goes first, so that the control reads the targets in that mode.
bool CPathChooserDlg::PutProperties()
{
    return Succeeded(m_chooser.SetMode(m_mode), IDS_TAKE_MODE) &&
           Succeeded(m_chooser.SetSelectedTargets(m_selection), IDS_TAKE_SELECTION) &&
           Succeeded(m_chooser.SetConstraints(m_constraints), IDS_TAKE_CONSTRAINTS) &&
           Succeeded(m_chooser.SetReadOnly(m_readOnly), IDS_TAKE_READ_ONLY);
}

void CPathChooserDlg::OnOK()
{
    CString selection;
    CHOOSER_MODE mode = m_mode;
    if (!Succeeded(m_chooser.GetSelectedTargets(&selection), IDS_RETURN_SELECTION) ||
        !Succeeded(m_chooser.GetMode(&mode), IDS_RETURN_MODE))
        return;
    m_selection = selection;
    m_mode = mode;
    CDialog::OnOK();
}

const char* CPathChooserDlg::GetHelpTopic() const
{
    return m_mode == MODE_PATH ? "kv_reports/u_sel_path_dlg.htm" : "kv_reports/u_sel_mivad_dlg.htm";
}
