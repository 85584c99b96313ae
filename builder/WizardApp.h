// Maldrin, the report builder: the application object. It starts the
// program, owns the current report and handles the application's commands:
// Run Report, Set Scripts Location, About and help.
#pragma once
#include "afx/CWinApp.h"
#include "builder/Report.h"
#include <memory>

class CWizardApp : public CWinApp {
public:
    CWizardApp();
    ~CWizardApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT) override;
    bool OnCmdMsg(UINT id, CCmdUI* update) override;

    static CWizardApp* GetApp() { return static_cast<CWizardApp*>(AfxGetApp()); }
    // The current report, null until one is chosen.
    CReport* GetReport() const { return m_report.get(); }
    // Makes a new report of the script current in place of the old one and
    // returns it. The new report is read whole (its parameters and fields
    // parsed) before the old one goes, so a parse-error box shown meanwhile
    // never finds the current report half read or deleted.
    CReport* CreateReport(const CScriptFileInfo& script);
    bool IsExtendedHelpSupported() const { return m_extendedHelpSupported; }

    // The viewer program in the product's reports folder.
    static CString GetViewerPath();
    // The About command's icon: the resource library's, or the program's when
    // the library has none.
    static HICON LoadAboutIcon(HINSTANCE resourceLibrary, HINSTANCE program);
    // Asks whether the entered values may be discarded; true for yes.
    static bool AskToDiscardValues(HWND owner);

    void OnRunReport();
    void OnUpdateRunReport(CCmdUI* item);
    void OnSetScriptsLocation();
    void OnAppAbout();
    void OnHelpContents() { OnHelpFinder(); }

private:
    std::unique_ptr<CReport> m_report;
    CString m_helpFilePath;
    HINSTANCE m_resourceLibrary = nullptr;
    bool m_extendedHelpSupported = false;
};
