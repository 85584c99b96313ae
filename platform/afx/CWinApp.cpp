#include "afx/CWinApp.h"
#include "afx/AfxResources.h"
#include "afx/CSingleDocTemplate.h"
#include "afx/CFrameWnd.h"
#include "afx/FrameworkIds.h"

namespace {
CWinApp* g_application = nullptr;
}

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName)
{
    g_application = this;
}

CWinApp::~CWinApp()
{
    m_templates.clear();
    if (g_application == this)
        g_application = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_application;
}

const char* CWinApp::ProfileName()
{
    if (m_pszProfileName)
        return m_pszProfileName;
    if (m_defaultProfileName.IsEmpty()) {
        char path[MAX_PATH] = "";
        ::GetModuleFileNameA(nullptr, path, MAX_PATH);
        CString name(path);
        name = name.Mid(name.ReverseFind('\\') + 1);
        int dot = name.ReverseFind('.');
        m_defaultProfileName = (dot >= 0 ? name.Left(dot) : name) + ".INI";
    }
    return m_defaultProfileName;
}

UINT CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue)
{
    return ::GetPrivateProfileIntA(section, entry, defaultValue, ProfileName());
}

BOOL CWinApp::WriteProfileInt(const char* section, const char* entry, int value)
{
    CString text;
    text.Format("%d", value);
    return ::WritePrivateProfileStringA(section, entry, text, ProfileName());
}

int CWinApp::Run()
{
    LONG idleCount = 0;
    MSG message;
    for (;;) {
        while (idleCount >= 0 && !::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE))
            idleCount = OnIdle(idleCount) ? idleCount + 1 : -1;
        if (::GetMessageA(&message, nullptr, 0, 0) <= 0)
            return ExitInstance();
        if (!PreTranslateMessage(&message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        // Painting and timers change no command state.
        if (message.message != WM_PAINT && message.message != WM_TIMER && message.message != WM_MOUSEMOVE)
            idleCount = 0;
    }
}

BOOL CWinApp::OnIdle(LONG count)
{
    if (count == 0)
        if (CFrameWnd* frame = dynamic_cast<CFrameWnd*>(m_pMainWnd))
            frame->OnIdleUpdate();
    return FALSE;
}

BOOL CWinApp::PreTranslateMessage(MSG* message)
{
    return CWnd::WalkPreTranslateTree(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, message);
}

bool CWinApp::OnCmdMsg(UINT id, CCmdUI* update)
{
    static const AppCommand<CWinApp> commands[] = { { ID_APP_EXIT, &CWinApp::OnAppExit, nullptr } };
    return DispatchAppCommand(this, commands, id, update);
}

void CWinApp::WinHelp(DWORD_PTR, UINT) {}

void CWinApp::AddDocTemplate(CSingleDocTemplate* docTemplate)
{
    m_templates.emplace_back(docTemplate);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info)
{
    for (int index = 1; index < __argc; ++index) {
        const char* argument = __argv[index];
        if (argument[0] != '/' && argument[0] != '-' && info.m_strFileName.IsEmpty()) {
            info.m_strFileName = argument;
            info.m_nShellCommand = CCommandLineInfo::FileOpen;
        }
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& info)
{
    if (m_templates.empty())
        return FALSE;
    const char* path = info.m_nShellCommand == CCommandLineInfo::FileOpen ? info.m_strFileName.GetString() : nullptr;
    return m_templates.front()->OpenDocumentFile(path) != nullptr;
}

void CWinApp::OnFileNew()
{
    if (!m_templates.empty())
        m_templates.front()->OpenDocumentFile(nullptr);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->PostMessage(WM_CLOSE);
}

int AfxWinMain(HINSTANCE instance)
{
    CWinApp* application = AfxGetApp();
    if (!application)
        return -1;
    AfxSetInstanceHandle(instance);
    application->m_hInstance = instance;
    if (application->InitInstance())
        return application->Run();
    return application->ExitInstance();
}
