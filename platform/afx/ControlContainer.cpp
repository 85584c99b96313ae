#include "afx/ControlContainer.h"
#include <windows.h>

void AfxEnableControlContainer()
{
    typedef BOOL(WINAPI * AxWinInitFunction)();
    HMODULE atl = ::LoadLibraryA("atl100.dll");
    FARPROC init = atl ? ::GetProcAddress(atl, "AtlAxWinInit") : nullptr;
    if (init)
        reinterpret_cast<AxWinInitFunction>(reinterpret_cast<void*>(init))();
}
