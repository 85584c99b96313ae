// Registration of the server: the Application class (ProgID
// "Korvast.Application") and the tool class, in-process, usable from any
// apartment, and the embedded type library.
#pragma once
#include <windows.h>

class CServerRegistration {
public:
    static HRESULT Register(HMODULE module);
    static HRESULT Unregister();
};
