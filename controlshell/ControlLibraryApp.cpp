#include "controlshell/ControlLibraryApp.h"
#include "afx/AfxResources.h"
#include <libselvont.h>

CComModule _Module;

CControlLibraryApp::CControlLibraryApp(const char* name, const ObjectMapEntry* objectMap, const GUID& libid)
    : CWinApp(name), m_objectMap(objectMap), m_libid(libid)
{
}

BOOL CControlLibraryApp::InitInstance()
{
    m_resourceLibrary = nt_load_resource_dll(m_hInstance, 0);
    _Module.Init(m_objectMap, m_hInstance, &m_libid);
    if (m_resourceLibrary) {
        AfxSetResourceHandle(m_resourceLibrary);
        _Module.SetResourceInstance(m_resourceLibrary);
    }
    return CWinApp::InitInstance();
}

int CControlLibraryApp::ExitInstance()
{
    if (m_resourceLibrary)
        FreeLibrary(m_resourceLibrary);
    m_resourceLibrary = nullptr;
    _Module.Term();
    return CWinApp::ExitInstance();
}
