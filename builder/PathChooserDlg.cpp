#include "builder/PathChooserDlg.h"
#include "afx/CDataExchange.h"
#include "builder/Resource.h"
#include "reportmodel/ReportModelStrings.h"

CPathChooserDlg::CPathChooserDlg(CWnd* parent) : CChooserHostDlg(IDD_PATH_CHOOSER, parent, "path chooser (Pemrick)") {}

void CPathChooserDlg::DoDataExchange(CDataExchange* exchange)
{
    DDX_Control(exchange, IDC_PATH_CHOOSER, m_chooser);
}

BOOL CPathChooserDlg::OnInitDialog()
{
    HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    CDialog::OnInitDialog();
    SetWindowText(LoadText(m_mode == MODE_PATH ? IDS_SELECT_PATHNAMES : IDS_SELECT_OBJECTS));
    PutProperties();
    ::SetCursor(previous);
    return TRUE;
}

// The mode goes first, so that the control reads the targets in that mode.
bool CPathChooserDlg::PutProperties()
{
    return Succeeded(m_chooser.SetMode(m_mode), "take the mode") &&
           Succeeded(m_chooser.SetSelectedTargets(m_selection), "take the selection") &&
           Succeeded(m_chooser.SetConstraints(m_constraints), "take the constraints") &&
           Succeeded(m_chooser.SetReadOnly(m_readOnly), "take the read-only setting");
}

void CPathChooserDlg::OnOK()
{
    CString selection;
    CHOOSER_MODE mode = m_mode;
    if (!Succeeded(m_chooser.GetSelectedTargets(&selection), "hand back the selection") ||
        !Succeeded(m_chooser.GetMode(&mode), "hand back the mode"))
        return;
    m_selection = selection;
    m_mode = mode;
    CDialog::OnOK();
}

const char* CPathChooserDlg::GetHelpTopic() const
{
    return m_mode == MODE_PATH ? "kv_reports/u_sel_path_dlg.htm" : "kv_reports/u_sel_mivad_dlg.htm";
}
