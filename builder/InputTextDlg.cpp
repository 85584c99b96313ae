#include "builder/InputTextDlg.h"
#include "afx/CDataExchange.h"
#include "builder/Resource.h"

CInputTextDlg::CInputTextDlg(CWnd* parent) : CTopicHelpDialog(IDD_INPUT_TEXT, parent) {}

void CInputTextDlg::DoDataExchange(CDataExchange* exchange)
{
    DDX_Text(exchange, IDC_VALUE, m_value);
}

BOOL CInputTextDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText("Enter " + m_name);
    SetItemText(IDC_VALUE_LABEL, "Enter value for " + m_name + ":");
    ::SetFocus(GetDlgItem(IDC_VALUE));
    return FALSE;
}
