// The raising of a failed HRESULT with the error information of the object
// that failed, which comdef.h declares and the toolchain does not ship.
#include <comdef.h>

void WINAPI _com_issue_errorex(HRESULT result, IUnknown* object, REFIID iid)
{
    IErrorInfo* info = nullptr;
    ISupportErrorInfo* support = nullptr;
    if (object != nullptr && SUCCEEDED(object->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support)))) {
        if (support->InterfaceSupportsErrorInfo(iid) == S_OK && GetErrorInfo(0, &info) != S_OK)
            info = nullptr;
        support->Release();
    }
    // The raised _com_error takes over the reference to the error information.
    __mingw_com_error_handler(result, info);
}
