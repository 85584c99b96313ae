#include "afx/CDataExchange.h"
#include "afx/CWnd.h"

void DDX_Control(CDataExchange* exchange, int id, CWnd& control)
{
    if (!control.m_hWnd)
        control.SubclassDlgItem(id, exchange->m_pDlgWnd);
}

// Text is only set when it differs from what the control shows: setting an
// edit control's text notifies EN_CHANGE even when nothing changed.
void DDX_Text(CDataExchange* exchange, int id, CString& value)
{
    HWND control = ::GetDlgItem(exchange->m_pDlgWnd->m_hWnd, id);
    CString shown;
    int length = ::GetWindowTextLengthA(control);
    ::GetWindowTextA(control, shown.GetBufferSetLength(length), length + 1);
    shown.ReleaseBuffer();
    if (exchange->m_bSaveAndValidate)
        value = shown;
    else if (shown != value)
        ::SetWindowTextA(control, value);
}

void DDX_Check(CDataExchange* exchange, int id, int& value)
{
    HWND dialog = exchange->m_pDlgWnd->m_hWnd;
    if (exchange->m_bSaveAndValidate)
        value = static_cast<int>(::IsDlgButtonChecked(dialog, id));
    else
        ::CheckDlgButton(dialog, id, static_cast<UINT>(value));
}
