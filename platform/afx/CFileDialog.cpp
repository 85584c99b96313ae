#include "afx/CFileDialog.h"

CFileDialog::CFileDialog(BOOL openFileDialog, const char* defaultExtension, const char* fileName, DWORD flags,
                         const char* filter, CWnd* parent, DWORD, BOOL)
    : m_openFileDialog(openFileDialog), m_defaultExtension(defaultExtension), m_filter(filter)
{
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hwndOwner = parent ? parent->m_hWnd : nullptr;
    m_ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLEHOOK;
    m_ofn.lpfnHook = &HookProc;
    m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
    m_ofn.lpstrFile = m_fileName;
    m_ofn.nMaxFile = MAX_PATH;
    if (fileName)
        lstrcpynA(m_fileName, fileName, MAX_PATH);
    if (!m_defaultExtension.IsEmpty())
        m_ofn.lpstrDefExt = m_defaultExtension;
    if (!m_filter.IsEmpty()) {
        m_filter.Replace('|', '\0');
        m_ofn.lpstrFilter = m_filter;
    }
}

INT_PTR CFileDialog::DoModal()
{
    BOOL chosen = m_openFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    m_hWnd = nullptr;
    return chosen ? IDOK : IDCANCEL;
}

UINT_PTR CALLBACK CFileDialog::HookProc(HWND window, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        CFileDialog* self = reinterpret_cast<CFileDialog*>(reinterpret_cast<OPENFILENAMEA*>(lParam)->lCustData);
        self->m_hWnd = window;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        const OFNOTIFYA* notify = reinterpret_cast<const OFNOTIFYA*>(lParam);
        if (notify->hdr.code == CDN_TYPECHANGE)
            reinterpret_cast<CFileDialog*>(notify->lpOFN->lCustData)->OnTypeChange();
    }
    return 0;
}
