// A dialog control that is an ActiveX control in a host window of atl100.
// Its properties are read and written through its dispatch interface by
// dispatch id; every call hands back its HRESULT, so a control that is not
// there (not registered, or failed to start) is a failure to report, not a crash.
#pragma once
#include "afx/CWnd.h"
#include <oaidl.h>

class COleControlWnd : public CWnd {
public:
    HRESULT GetProperty(DISPID id, long* value) const;
    HRESULT GetProperty(DISPID id, CString* value) const;
    // A property of an enumeration type, which travels as a long.
    template <typename Enumeration> HRESULT GetProperty(DISPID id, Enumeration* value) const
    {
        long number = 0;
        HRESULT result = GetProperty(id, &number);
        if (SUCCEEDED(result))
            *value = static_cast<Enumeration>(number);
        return result;
    }
    HRESULT SetProperty(DISPID id, long value) const;
    HRESULT SetProperty(DISPID id, const char* value) const;
    // The control's extent, in HIMETRIC units.
    HRESULT SetExtent(const SIZEL& extent) const;

private:
    // An interface of the control, or the failure of the host or the control.
    HRESULT GetControl(REFIID interfaceId, void** object) const;
    HRESULT GetDispatch(IDispatch** dispatch) const;
    HRESULT Invoke(DISPID id, WORD flags, VARIANT* argument, VARIANT* result) const;
    // The property's value, changed to the type asked for.
    HRESULT GetPropertyAs(DISPID id, VARTYPE type, VARIANT* value) const;
};
