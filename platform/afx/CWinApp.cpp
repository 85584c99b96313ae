#include "afx/CWinApp.h"
#include "afx/AfxResources.h"

namespace {
CWinApp* g_application = nullptr;
}

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName)
{
    g_application = this;
}

CWinApp::~CWinApp()
{
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

int AfxWinMain(HINSTANCE instance)
{
    CWinApp* application = AfxGetApp();
    if (!application)
        return -1;
    AfxSetInstanceHandle(instance);
    application->m_hInstance = instance;
    application->InitInstance();
    return application->ExitInstance();
}
