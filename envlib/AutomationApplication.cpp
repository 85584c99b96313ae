#include "envlib/AutomationApplication.h"
#include "envlib/EnvLibStrings.h"
#include "envlib/QelObjects.h"
#include "afx/CString.h"

IKvApplication* AutomationApplication = nullptr;

HRESULT CreateRunningObject(REFCLSID classId, REFIID iid, void** object)
{
    *object = nullptr;
    IUnknown* unknown = nullptr;
    HRESULT result = CoCreateInstance(classId, nullptr, CLSCTX_ALL, IID_IUnknown, reinterpret_cast<void**>(&unknown));
    if (FAILED(result))
        return result;
    result = OleRun(unknown);
    if (SUCCEEDED(result))
        result = unknown->QueryInterface(iid, object);
    unknown->Release();
    return result;
}

void GetAutomationApplication()
{
    if (AutomationApplication != nullptr)
        return;
    HRESULT result = CreateRunningObject(CLSID_Application, __uuidof(IKvApplication),
                                         reinterpret_cast<void**>(&AutomationApplication));
    if (FAILED(result)) {
        CString text;
        text.LoadString(IDS_QEL_CREATE_FAILED);
        MessageBoxA(nullptr, text, text, MB_OK);
    }
}
