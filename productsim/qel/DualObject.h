// Plumbing shared by every object of the server: reference counting,
// QueryInterface over the interface and the bases it derives from, IDispatch
// through the type library, and ISupportErrorInfo for those interfaces.
#pragma once
#include "productsim/qel/QelModule.h"
#include <oaidl.h>

template <class Interface, class... Bases>
class CDualObject : public Interface, public ISupportErrorInfo {
public:
    CDualObject() { QelLockModule(); }
    virtual ~CDualObject() { QelUnlockModule(); }
    CDualObject(const CDualObject&) = delete;
    CDualObject& operator=(const CDualObject&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (object == nullptr)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || IsOwnInterface(iid)) {
            *object = static_cast<Interface*>(this);
        } else if (iid == IID_ISupportErrorInfo) {
            *object = static_cast<ISupportErrorInfo*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&m_references); }
    STDMETHODIMP_(ULONG) Release() override
    {
        LONG left = InterlockedDecrement(&m_references);
        if (left == 0)
            delete this;
        return left;
    }

    STDMETHODIMP GetTypeInfoCount(UINT* count) override
    {
        if (count == nullptr)
            return E_POINTER;
        *count = 1;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** typeInfo) override
    {
        if (typeInfo == nullptr)
            return E_POINTER;
        *typeInfo = nullptr;
        if (index != 0)
            return DISP_E_BADINDEX;
        *typeInfo = QelTypeInfo(__uuidof(Interface));
        if (*typeInfo == nullptr)
            return TYPE_E_ELEMENTNOTFOUND;
        (*typeInfo)->AddRef();
        return S_OK;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override
    {
        ITypeInfo* typeInfo = QelTypeInfo(__uuidof(Interface));
        if (typeInfo == nullptr)
            return TYPE_E_ELEMENTNOTFOUND;
        return DispGetIDsOfNames(typeInfo, names, count, ids);
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                        EXCEPINFO* exception, UINT* argumentError) override
    {
        ITypeInfo* typeInfo = QelTypeInfo(__uuidof(Interface));
        if (typeInfo == nullptr)
            return TYPE_E_ELEMENTNOTFOUND;
        return DispInvoke(static_cast<Interface*>(this), typeInfo, id, flags, parameters, result, exception, argumentError);
    }

    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override
    {
        return IsOwnInterface(iid) ? S_OK : S_FALSE;
    }

protected:
    static bool IsOwnInterface(REFIID iid)
    {
        return iid == __uuidof(Interface) || ((iid == __uuidof(Bases)) || ...);
    }

private:
    LONG m_references = 1;
};
