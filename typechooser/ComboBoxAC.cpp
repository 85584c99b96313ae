#include "typechooser/ComboBoxAC.h"

BEGIN_MESSAGE_MAP(CComboBoxAC, CComboBox)
    ON_WM_TIMER()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CComboBoxAC::CEditKeys, CWnd)
    ON_MESSAGE(WM_KEYDOWN, OnKeyDown)
END_MESSAGE_MAP()

CComboBoxAC::CComboBoxAC() : m_edit(*this) {}

CComboBoxAC::~CComboBoxAC()
{
    if (m_hWnd)
        StopPause();
}

void CComboBoxAC::PreSubclassWindow()
{
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (::GetComboBoxInfo(m_hWnd, &info) && info.hwndItem)
        m_edit.SubclassWindow(info.hwndItem);
}

LRESULT CComboBoxAC::CEditKeys::OnKeyDown(WPARAM key, LPARAM)
{
    m_box.OnKeyDown(static_cast<UINT>(key));
    return Default();
}

void CComboBoxAC::OnKeyDown(UINT key)
{
    StopPause();
    m_completion = true;
    if (key == VK_DELETE || key == VK_BACK) {
        m_completion = false;
        m_timerId = SetTimer(kPauseTimer, kPauseMs);
    }
}

void CComboBoxAC::StopPause()
{
    if (m_timerId)
        KillTimer(m_timerId);
    m_timerId = 0;
}

void CComboBoxAC::OnTimer(UINT_PTR id)
{
    if (id != kPauseTimer) {
        Default();
        return;
    }
    StopPause();
    m_completion = true;
    AutoComplete();
}

void CComboBoxAC::OnDestroy()
{
    StopPause();
    Default();
}

void CComboBoxAC::AutoComplete()
{
    if (!m_completion || m_completing)
        return;
    m_completing = true;
    CString text;
    GetWindowText(text);
    int length = text.GetLength();
    DWORD selection = GetEditSel();
    bool hasSelection = selection != static_cast<DWORD>(CB_ERR);
    int start = hasSelection ? LOWORD(selection) : length;
    int end = hasSelection ? HIWORD(selection) : length;
    if (SelectString(-1, text) != CB_ERR) {
        // With the caret inside the text the user's selection stays; else the completed tail is highlighted.
        if (end < length)
            SetEditSel(start, end);
        else
            SetEditSel(length, -1);
    } else if (start > 0) {
        // No item continues the text: the character just typed, before the caret, goes again.
        text.Delete(start - 1);
        SetWindowText(text);
        SetEditSel(start - 1, start - 1);
    }
    m_completing = false;
}
