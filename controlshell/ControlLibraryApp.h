// The application object of a control library: at load it takes the
// localized resource library, if there is one, as the source of its dialogs,
// strings and icons, and starts the COM module with the library's object map
// and type library; at unload it lets both go.
#pragma once
#include "afx/CWinApp.h"
#include "atl/CComModule.h"

class CControlLibraryApp : public CWinApp {
public:
    CControlLibraryApp(const char* name, const ObjectMapEntry* objectMap, const GUID& libid);

    BOOL InitInstance() override;
    int ExitInstance() override;

    // 0 when the library has no localized resource library.
    HINSTANCE m_resourceLibrary = nullptr;

private:
    const ObjectMapEntry* m_objectMap;
    const GUID& m_libid;
};
