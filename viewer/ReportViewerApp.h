// The application object of Tovenar. Its InitInstance is the whole life of the
// program: it reads the switches of the command line, completes them from the
// report script's self-description when asked to, and then shows the viewer
// dialog, or, for a report without fields, runs the report with no window.
#pragma once
#include "afx/CDC.h"
#include "afx/CWinApp.h"

class CCommandLineMap;
class CFields;
class CRightClickScripts;

class CReportViewerApp : public CWinApp {
public:
    CReportViewerApp();
    ~CReportViewerApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    void ParseCommandLineSwitches(const CCommandLineMap& switches);
    // Trims blanks, then removes one pair of double quotes around the whole text.
    static void StripQuotes(CString& text);
    static void StripCommandQuotes(CString& command);
    // Fills what the switches left empty from the script's self-description.
    void LoadScriptInfo(const char* scriptPath);

    const CString& GetScriptCommand() const { return m_scriptCommand; }
    const CString& GetWorkingFolder() const { return m_workingFolder; }
    const CString& GetParameters() const { return m_parameters; }
    const CString& GetTitle() const { return m_title; }
    CFields* GetFields() const { return m_fields; }
    CRightClickScripts* GetRightClickScripts() const { return m_rightClickScripts; }

    // The whole screen's device context, on which the print component measures fonts.
    CDC m_screenDC;
    // The stock font the print options' combo boxes take: DEFAULT_GUI_FONT
    // from Windows 4 on, ANSI_VAR_FONT before.
    int m_stockFontId;
    // Windows 4 or later: the font lists enumerate with EnumFontFamiliesEx.
    bool m_newShell;
    // A Windows before 4 that sets the high bit of its version.
    bool m_oldSubsystem;

private:
    void RunReport();

    CString m_scriptCommand;
    CString m_workingFolder;
    CString m_parameters;
    CString m_title;
    CFields* m_fields = nullptr;
    CRightClickScripts* m_rightClickScripts = nullptr;
    HINSTANCE m_resourceLibrary = nullptr;
};

// The program's application object, which is always a CReportViewerApp.
CReportViewerApp& GetViewerApp();
