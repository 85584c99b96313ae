#include "afx/COleControlWnd.h"
#include <comutil.h>
#include <ole2.h>

HRESULT COleControlWnd::GetControl(REFIID interfaceId, void** object) const
{
    *object = nullptr;
    typedef HRESULT(WINAPI * GetControlFunction)(HWND, IUnknown**);
    HMODULE atl = ::GetModuleHandleA("atl100.dll");
    FARPROC getControl = atl ? ::GetProcAddress(atl, "AtlAxGetControl") : nullptr;
    if (!getControl || !m_hWnd)
        return E_UNEXPECTED;
    IUnknown* control = nullptr;
    HRESULT result = reinterpret_cast<GetControlFunction>(reinterpret_cast<void*>(getControl))(m_hWnd, &control);
    if (FAILED(result))
        return result;
    if (!control)
        return E_NOINTERFACE;
    result = control->QueryInterface(interfaceId, object);
    control->Release();
    return result;
}

HRESULT COleControlWnd::GetDispatch(IDispatch** dispatch) const
{
    return GetControl(IID_IDispatch, reinterpret_cast<void**>(dispatch));
}

HRESULT COleControlWnd::SetExtent(const SIZEL& extent) const
{
    IOleObject* object = nullptr;
    HRESULT status = GetControl(IID_IOleObject, reinterpret_cast<void**>(&object));
    if (FAILED(status))
        return status;
    SIZEL size = extent;
    status = object->SetExtent(DVASPECT_CONTENT, &size);
    object->Release();
    return status;
}

HRESULT COleControlWnd::Invoke(DISPID id, WORD flags, VARIANT* argument, VARIANT* result) const
{
    IDispatch* dispatch = nullptr;
    HRESULT status = GetDispatch(&dispatch);
    if (FAILED(status))
        return status;
    DISPID namedPut = DISPID_PROPERTYPUT;
    DISPPARAMS parameters = {};
    if (argument) {
        parameters.rgvarg = argument;
        parameters.cArgs = 1;
        parameters.rgdispidNamedArgs = &namedPut;
        parameters.cNamedArgs = 1;
    }
    status = dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters, result, nullptr, nullptr);
    dispatch->Release();
    return status;
}

HRESULT COleControlWnd::GetPropertyAs(DISPID id, VARTYPE type, VARIANT* value) const
{
    HRESULT status = Invoke(id, DISPATCH_PROPERTYGET, nullptr, value);
    return SUCCEEDED(status) ? ::VariantChangeType(value, value, 0, type) : status;
}

HRESULT COleControlWnd::GetProperty(DISPID id, long* value) const
{
    _variant_t result;
    HRESULT status = GetPropertyAs(id, VT_I4, &result);
    if (SUCCEEDED(status))
        *value = V_I4(&result);
    return status;
}

HRESULT COleControlWnd::GetProperty(DISPID id, CString* value) const
{
    _variant_t result;
    HRESULT status = GetPropertyAs(id, VT_BSTR, &result);
    if (SUCCEEDED(status)) {
        const _bstr_t text(V_BSTR(&result));
        *value = text.length() ? static_cast<const char*>(text) : "";
    }
    return status;
}

HRESULT COleControlWnd::SetProperty(DISPID id, long value) const
{
    _variant_t argument(value);
    return Invoke(id, DISPATCH_PROPERTYPUT, &argument, nullptr);
}

HRESULT COleControlWnd::SetProperty(DISPID id, const char* value) const
{
    _variant_t argument(value);
    return Invoke(id, DISPATCH_PROPERTYPUT, &argument, nullptr);
}
