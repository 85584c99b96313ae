#include "builder/WizardApp.h"
#include "afx/AfxResources.h"
#include "afx/CSingleDocTemplate.h"
#include "afx/ControlContainer.h"
#include "afx/FrameworkIds.h"
#include "builder/MainFrame.h"
#include "builder/ReportsConfigurationDlg.h"
#include "builder/Resource.h"
#include "builder/WizardDoc.h"
#include "envlib/BstrHelpers.h"
#include "envlib/ProductEnv.h"
#include "kvcmndlg.h"
#include "libselvogu.h"
#include "libselvont.h"
#include "plmfcext.h"
#include "reportmodel/ApplicationLauncher.h"
#include "reportmodel/ReportModelStrings.h"
#include <clocale>

namespace {
CString HelpFilePath()
{
    _bstr_t bin = CProductEnv().GetProductBinFolder();
    AppendBackslash(bin);
    return CString(static_cast<const char*>(bin)) + "kv_reports.hlp";
}
}

CWizardApp::CWizardApp() : m_helpFilePath(HelpFilePath()) {}

CWizardApp::~CWizardApp() = default;

BOOL CWizardApp::InitInstance()
{
    m_resourceLibrary = nullptr;
    setlocale(LC_ALL, "");
    // The viewer and the scripts it starts inherit the program's environment.
    ::SetEnvironmentVariableA("PERL5LIB", nullptr);
    m_resourceLibrary = nt_load_resource_dll(m_hInstance, 0);
    if (m_resourceLibrary)
        AfxSetResourceHandle(m_resourceLibrary);
    AfxEnableControlContainer();
    SetRegistryKey("Local AppWizard-Generated Applications");
    m_pszHelpFilePath = m_helpFilePath;
    LoadStdProfileSettings(0);
    m_extendedHelpSupported = plfx::ExtendedHelpIsSupported() != FALSE;
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CWizardDoc), RUNTIME_CLASS(CMainFrame),
                                          RUNTIME_CLASS(CScriptTreeView)));
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    if (!ProcessShellCommand(commandLine))
        return FALSE;
    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    ::SetCursor(LoadStandardCursor(IDC_ARROW));
    return TRUE;
}

int CWizardApp::ExitInstance()
{
    if (m_resourceLibrary)
        ::FreeLibrary(m_resourceLibrary);
    m_resourceLibrary = nullptr;
    return CWinApp::ExitInstance();
}

bool CWizardApp::OnCmdMsg(UINT id, CCmdUI* update)
{
    static const AppCommand<CWizardApp> commands[] = {
        { ID_RUN_REPORT, &CWizardApp::OnRunReport, &CWizardApp::OnUpdateRunReport },
        { ID_SET_SCRIPTS_LOCATION, &CWizardApp::OnSetScriptsLocation, nullptr },
        { ID_HELP_CONTENTS, &CWizardApp::OnHelpContents, nullptr },
        { ID_APP_ABOUT, &CWizardApp::OnAppAbout, nullptr },
    };
    return DispatchAppCommand(this, commands, id, update) || CWinApp::OnCmdMsg(id, update);
}

void CWizardApp::WinHelp(DWORD_PTR, UINT command)
{
    if (command == HELP_FINDER)
        gu_help(nullptr, nullptr, HELP_FINDER, 0);
    else
        gu_help(nullptr, "kv_reports", 3, 0);
}

CReport* CWizardApp::CreateReport(const CScriptFileInfo& script)
{
    auto report = std::make_unique<CReport>();
    report->GetScript() = script;
    report->GetParameters().Parse(report->GetScript().GetParameters(), report->GetScript().GetDescription());
    report->GetFields().Parse(report->GetScript().GetFields());
    m_report = std::move(report);
    return m_report.get();
}

bool CWizardApp::AskToDiscardValues(HWND owner)
{
    return ::MessageBoxA(owner, LoadText(IDS_CHANGE_REPORT_QUESTION), LoadText(AFX_IDS_APP_TITLE),
                         MB_YESNO | MB_ICONEXCLAMATION) != IDNO;
}

CString CWizardApp::GetViewerPath()
{
    _bstr_t folder = CProductEnv().GetProductHome();
    AppendBackslash(folder);
    folder += "reports";
    AppendBackslash(folder);
    return CString(static_cast<const char*>(folder)) + "Tovenar.exe";
}

void CWizardApp::OnUpdateRunReport(CCmdUI* item)
{
    CScriptListView* list = CMainFrame::GetScriptListView();
    const bool selected = list && list->HasSelection();
    item->Enable(selected && (!m_report || m_report->AreAllSet()));
}

// The viewer's path is quoted: the product home holds blanks ("Program Files"),
// and an unquoted path would start whatever "C:\Program.exe" is.
void CWizardApp::OnRunReport()
{
    if (!m_report)
        return;
    CString commandLine;
    if (const UINT refusal = m_report->GetViewerCommandLine(commandLine)) {
        ::MessageBoxA(nullptr, LoadText(refusal), LoadText(IDS_ILLEGAL_BACKQUOTE_CAPTION), MB_OK);
        return;
    }
    CApplicationLauncher viewer("\"" + GetViewerPath() + "\"", "", "");
    viewer.m_arguments = commandLine;
    viewer.Start();
}

void CWizardApp::OnSetScriptsLocation()
{
    CReportsConfigurationDlg dialog(m_pMainWnd);
    if (dialog.DoModal() == IDOK && dialog.IsChanged())
        if (CScriptTreeView* tree = CMainFrame::GetScriptTreeView())
            tree->RefreshTree();
}

HICON CWizardApp::LoadAboutIcon(HINSTANCE resourceLibrary, HINSTANCE program)
{
    HICON icon = resourceLibrary ? ::LoadIconA(resourceLibrary, MAKEINTRESOURCEA(IDR_MAINFRAME)) : nullptr;
    return icon ? icon : ::LoadIconA(program, MAKEINTRESOURCEA(IDR_MAINFRAME));
}

void CWizardApp::OnAppAbout()
{
    HICON icon = LoadAboutIcon(m_resourceLibrary, m_hInstance);
    kvAboutBoxOp(LoadText(AFX_IDS_APP_TITLE), m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, icon, 0);
}
