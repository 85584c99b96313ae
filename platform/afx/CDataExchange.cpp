#include "afx/CDataExchange.h"
#include "afx/CWnd.h"

void DDX_Control(CDataExchange* exchange, int id, CWnd& control)
{
    if (!control.m_hWnd)
        control.SubclassDlgItem(id, exchange->m_pDlgWnd);
}

void DDX_Text(CDataExchange* exchange, int id, CString& value)
{
    HWND dialog = exchange->m_pDlgWnd->m_hWnd;
    if (!exchange->m_bSaveAndValidate) {
        ::SetDlgItemTextA(dialog, id, value);
        return;
    }
    HWND control = ::GetDlgItem(dialog, id);
    int length = ::GetWindowTextLengthA(control);
    ::GetWindowTextA(control, value.GetBufferSetLength(length), length + 1);
    value.ReleaseBuffer();
}

void DDX_Check(CDataExchange* exchange, int id, int& value)
{
    HWND dialog = exchange->m_pDlgWnd->m_hWnd;
    if (exchange->m_bSaveAndValidate)
        value = static_cast<int>(::IsDlgButtonChecked(dialog, id));
    else
        ::CheckDlgButton(dialog, id, static_cast<UINT>(value));
}
