// The application object: one per program, reached through AfxGetApp.
// The program's entry point hands control to AfxWinMain.
#pragma once
#include "afx/CCmdUI.h"
#include "afx/CWnd.h"
#include "afx/WaitCursor.h"
#include <memory>
#include <vector>

class CSingleDocTemplate;

// The shell command of the program's command line: a new document unless a
// file is named.
class CCommandLineInfo {
public:
    enum { FileNew, FileOpen } m_nShellCommand = FileNew;
    CString m_strFileName;
};

class CWinApp {
public:
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }
    // The message loop: until WM_QUIT, with idle processing while the queue is
    // empty; returns ExitInstance's result.
    virtual int Run();
    // Idle work after the queue ran empty: command-item states and the status
    // prompt. True asks for another call before the next message.
    virtual BOOL OnIdle(LONG count);
    // Offers the message to the windows from its target up to the main window.
    virtual BOOL PreTranslateMessage(MSG* message);
    // The commands of the application object, after the frame and its views
    // (see CWnd::OnCmdMsg); the base handles ID_APP_EXIT.
    virtual bool OnCmdMsg(UINT id, CCmdUI* update);
    virtual void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);

    // The profile's registry key under HKEY_CURRENT_USER\Software.
    void SetRegistryKey(const char* key) { m_registryKey = key; m_pszRegistryKey = m_registryKey; }
    // Recent-file entries to keep; this framework keeps no list.
    void LoadStdProfileSettings(UINT maxRecentFiles = 4) { m_maxRecentFiles = maxRecentFiles; }
    // The application owns its templates.
    void AddDocTemplate(CSingleDocTemplate* docTemplate);
    void ParseCommandLine(CCommandLineInfo& info);
    BOOL ProcessShellCommand(CCommandLineInfo& info);
    HCURSOR LoadStandardCursor(const char* id) const { return ::LoadCursorA(nullptr, id); }

    void OnFileNew();
    void OnAppExit();
    void OnHelp() { WinHelp(0, HELP_CONTEXT); }
    void OnHelpFinder() { WinHelp(0, HELP_FINDER); }

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
    const char* m_pszRegistryKey = nullptr;
    const char* m_pszHelpFilePath = nullptr;

private:
    const char* ProfileName();
    CString m_defaultProfileName;
    CString m_registryKey;
    UINT m_maxRecentFiles = 4;
    std::vector<std::unique_ptr<CSingleDocTemplate>> m_templates;
};

// One command the application object handles, with its update handler or none.
template <class App>
struct AppCommand {
    UINT id;
    void (App::*handler)();
    void (App::*update)(CCmdUI*);
};

// Runs or updates a command from an application's table; false when the table lacks it.
template <class App, size_t N>
bool DispatchAppCommand(App* app, const AppCommand<App> (&table)[N], UINT id, CCmdUI* update);

CWinApp* AfxGetApp();

// Runs the application object's InitInstance, then, when that succeeded, its
// message loop; the exit code is ExitInstance's result. A program whose
// InitInstance returns false has run its own windows (modal dialogs) in it.
int AfxWinMain(HINSTANCE instance);

template <class App, size_t N>
bool DispatchAppCommand(App* app, const AppCommand<App> (&table)[N], UINT id, CCmdUI* update)
{
    for (const AppCommand<App>& command : table) {
        if (command.id != id)
            continue;
        if (!update)
            (app->*command.handler)();
        else if (command.update)
            (app->*command.update)(update);
        else
            update->Enable(TRUE);
        return true;
    }
    return false;
}
