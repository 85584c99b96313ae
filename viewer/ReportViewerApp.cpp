#include "viewer/ReportViewerApp.h"
#include "reportmodel/CommandLineMap.h"
#include "reportmodel/Fields.h"
#include "viewer/ReportViewerDlg.h"
#include "viewer/RightClickScripts.h"
#include "reportmodel/ScriptFileInfo.h"
#include "afx/AfxResources.h"
#include "afx/ControlContainer.h"
#include "libselvoks.h"
#include "libselvont.h"
#include <commctrl.h>
#include <clocale>
#include <memory>

namespace {
// The results list and its header.
void RegisterCommonControls()
{
    INITCOMMONCONTROLSEX classes = { sizeof classes, ICC_LISTVIEW_CLASSES };
    ::InitCommonControlsEx(&classes);
}

// A new model parsed from `text`, or null when the text does not parse (the
// parser has shown why).
template <typename Model>
Model* ParsedOrNull(const char* text)
{
    auto model = std::make_unique<Model>();
    return model->Parse(text) ? model.release() : nullptr;
}
}

CReportViewerApp::CReportViewerApp()
{
    m_screenDC.Attach(::GetDC(nullptr));
    const DWORD version = ::GetVersion();
    const BYTE majorVersion = LOBYTE(LOWORD(version));
    m_newShell = majorVersion >= 4;
    m_oldSubsystem = majorVersion < 4 && (version & 0x80000000) != 0;
    m_stockFontId = m_newShell ? DEFAULT_GUI_FONT : ANSI_VAR_FONT;
}

CReportViewerApp::~CReportViewerApp()
{
    delete m_fields;
    delete m_rightClickScripts;
    ::ReleaseDC(nullptr, m_screenDC.Detach());
}

CReportViewerApp& GetViewerApp()
{
    return *static_cast<CReportViewerApp*>(AfxGetApp());
}

BOOL CReportViewerApp::InitInstance()
{
    ks_disable_long_path();
    setlocale(LC_ALL, "");
    m_resourceLibrary = nt_load_resource_dll(m_hInstance, 0);
    if (m_resourceLibrary)
        AfxSetResourceHandle(m_resourceLibrary);
    AfxEnableControlContainer();
    RegisterCommonControls();
    ParseCommandLineSwitches(CCommandLineMap(::GetCommandLineA()));
    RunReport();
    return FALSE;
}

int CReportViewerApp::ExitInstance()
{
    if (m_resourceLibrary)
        ::FreeLibrary(m_resourceLibrary);
    m_resourceLibrary = nullptr;
    return CWinApp::ExitInstance();
}

// With fields the report runs in the dialog; without, it runs with no window.
// Either way the dialog's destructor waits for the report to end.
void CReportViewerApp::RunReport()
{
    CReportViewerDlg dialog;
    dialog.SetScriptCommand(m_scriptCommand);
    dialog.SetParameters(m_parameters);
    dialog.SetFields(m_fields);
    dialog.SetRightClickScripts(m_rightClickScripts);
    dialog.SetWorkingFolder(m_workingFolder);
    dialog.SetTitle(m_title);
    if (m_fields) {
        m_pMainWnd = &dialog;
        dialog.DoModal();
        m_pMainWnd = nullptr;
    } else {
        dialog.StartReport();
    }
}

void CReportViewerApp::ParseCommandLineSwitches(const CCommandLineMap& switches)
{
    CString value;
    if (switches.Lookup("E", value)) {
        m_scriptCommand = value;
        StripCommandQuotes(m_scriptCommand);
    }
    if (switches.Lookup("D", value)) {
        m_workingFolder = value;
        StripQuotes(m_workingFolder);
    }
    if (switches.Lookup("P", value)) {
        m_parameters = value;
        StripQuotes(m_parameters);
    }
    if (switches.Lookup("T", value))
        m_title = value;
    if (switches.Lookup("F", value))
        m_fields = ParsedOrNull<CFields>(value);
    if (switches.Lookup("R", value))
        m_rightClickScripts = ParsedOrNull<CRightClickScripts>(value);
    if (switches.Lookup("I", value)) {
        StripQuotes(value);
        LoadScriptInfo(value);
    }
}

// A report program's command is its quoted path alone; it keeps the quotes,
// which a path with blanks needs to start this program and no other.
void CReportViewerApp::StripCommandQuotes(CString& command)
{
    command.TrimLeft();
    command.TrimRight();
    if (command.Find('"', 1) != command.GetLength() - 1)
        StripQuotes(command);
}

void CReportViewerApp::StripQuotes(CString& text)
{
    text.TrimLeft();
    text.TrimRight();
    if (!text.IsEmpty() && text[0] == '"' && text[text.GetLength() - 1] == '"')
        text = text.GetLength() > 1 ? text.Mid(1, text.GetLength() - 2) : CString();
}

void CReportViewerApp::LoadScriptInfo(const char* scriptPath)
{
    CScriptFileInfo script;
    script.Create(scriptPath, 0);
    if (m_scriptCommand.IsEmpty())
        m_scriptCommand = script.GetCommandLine();
    if (m_parameters.IsEmpty())
        m_parameters = script.GetParameters();
    if (m_workingFolder.IsEmpty())
        m_workingFolder = script.GetFileDrive() + script.GetFileDir();
    if (m_title.IsEmpty())
        m_title = script.GetDescription();
    if (!m_fields && !script.GetFields().IsEmpty())
        m_fields = ParsedOrNull<CFields>(script.GetFields());
    if (!m_rightClickScripts && !script.GetRightClick().IsEmpty())
        m_rightClickScripts = ParsedOrNull<CRightClickScripts>(script.GetRightClick());
}
