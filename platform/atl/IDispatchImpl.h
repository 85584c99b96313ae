// IDispatch of a dual interface, from the library's own type library: names
// and calls go through the interface's type information (DispInvoke), which
// also converts and checks the argument types.
#pragma once
#include "atl/CComModule.h"
#include <oleauto.h>

template <class Interface, const IID* iid, const GUID* libid, WORD major = 1, WORD minor = 0>
class IDispatchImpl : public Interface {
public:
    STDMETHODIMP GetTypeInfoCount(UINT* count) override
    {
        if (!count)
            return E_POINTER;
        *count = 1;
        return S_OK;
    }

    STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) override
    {
        if (!info)
            return E_POINTER;
        *info = nullptr;
        return index == 0 ? _Module.GetTypeInfo(*libid, *iid, info) : DISP_E_BADINDEX;
    }

    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override
    {
        ITypeInfo* info = nullptr;
        HRESULT result = _Module.GetTypeInfo(*libid, *iid, &info);
        if (FAILED(result))
            return result;
        result = DispGetIDsOfNames(info, names, count, ids);
        info->Release();
        return result;
    }

    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argumentError) override
    {
        ITypeInfo* info = nullptr;
        HRESULT outcome = _Module.GetTypeInfo(*libid, *iid, &info);
        if (FAILED(outcome))
            return outcome;
        outcome = DispInvoke(static_cast<Interface*>(this), info, id, flags, params, result, exception, argumentError);
        info->Release();
        return outcome;
    }
};
