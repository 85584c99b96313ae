// The system's open and save dialogs in the Explorer style with a hook, so a
// derived class hears of a change of the file type (OnTypeChange). While the
// dialog is up, m_hWnd is the hook's child window; its parent is the dialog.
#pragma once
#include "afx/CWnd.h"
#include <commdlg.h>

class CFileDialog : public CWnd {
public:
    // `filter`: pairs of description and pattern separated by "|", ended by "||".
    CFileDialog(BOOL openFileDialog, const char* defaultExtension = nullptr, const char* fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
                CWnd* parent = nullptr, DWORD size = 0, BOOL vistaStyle = TRUE);

    virtual INT_PTR DoModal();
    CString GetPathName() const { return m_ofn.lpstrFile; }

    OPENFILENAMEA m_ofn = {};

protected:
    virtual void OnTypeChange() {}

private:
    static UINT_PTR CALLBACK HookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    BOOL m_openFileDialog;
    CString m_defaultExtension;
    CString m_filter;
    char m_fileName[MAX_PATH] = "";
};
