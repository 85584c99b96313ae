// The application object: one per program, reached through AfxGetApp.
// The program's entry point hands control to AfxWinMain.
#pragma once
#include "afx/CWnd.h"
#include "afx/WaitCursor.h"

class CWinApp {
public:
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }

    void BeginWaitCursor() { AfxBeginWaitCursor(); }
    void RestoreWaitCursor() { AfxRestoreWaitCursor(); }
    void EndWaitCursor() { AfxEndWaitCursor(); }

    // The private profile: "<program name>.INI" in the Windows folder unless set.
    UINT GetProfileInt(const char* section, const char* entry, int defaultValue);
    BOOL WriteProfileInt(const char* section, const char* entry, int value);

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    const char* m_pszAppName = nullptr;
    const char* m_pszProfileName = nullptr;

private:
    const char* ProfileName();
    CString m_defaultProfileName;
};

CWinApp* AfxGetApp();

// Runs the application object's InitInstance, then its ExitInstance, whose result
// is the exit code. The application has no message loop of its own: its windows
// run their own (modal dialogs).
int AfxWinMain(HINSTANCE instance);
