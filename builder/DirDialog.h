// The shell's folder browser, rooted at the desktop unless a root is given.
#pragma once
#include "afx/CString.h"

class CDirDialog {
public:
    CDirDialog() = default;
    virtual ~CDirDialog() = default;

    // Whether OK may be pressed for the path; the status text is shown when asked for.
    virtual bool ValidateSelection(const CString& path, CString& statusText);
    // True with the chosen path set; false when cancelled or on failure.
    bool DoBrowse(HWND owner);

    CString m_strWindowTitle;
    CString m_strPath;
    CString m_strInitDir;
    CString m_strSelDir;
    CString m_strTitle;
    int m_iImageIndex = 0;
    bool m_bStatus = false;

private:
    static int CALLBACK BrowseCallbackProc(HWND window, UINT message, LPARAM parameter, LPARAM dialog);
};
