// The entry point and the four COM server exports of a control library, all
// forwarding to its application object and its module.
#include "afx/AfxResources.h"
#include "afx/CWinApp.h"
#include "atl/CComModule.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    CWinApp* application = AfxGetApp();
    if (!application)
        return FALSE;
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        AfxSetInstanceHandle(instance);
        application->m_hInstance = instance;
        return application->InitInstance();
    case DLL_PROCESS_DETACH:
        // At process exit (reserved not null) other libraries may already be
        // gone: freeing the resource library or type library then could crash.
        if (!reserved)
            application->ExitInstance();
        return TRUE;
    default:
        return TRUE;
    }
}

STDAPI DllCanUnloadNow()
{
    return _Module.GetLockCount() == 0 ? S_OK : S_FALSE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object)
{
    return _Module.GetClassObject(clsid, iid, object);
}

STDAPI DllRegisterServer()
{
    return _Module.RegisterServer();
}

STDAPI DllUnregisterServer()
{
    return _Module.UnregisterServer();
}
