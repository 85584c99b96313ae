// The class object of one class of the module's object map. It creates the
// class's objects, inside an outer object when one is given, and keeps the
// module loaded while it lives or while a client has locked the server.
#pragma once
#include "atl/CComModule.h"
#include <unknwn.h>

class CComClassFactory : public IClassFactory {
public:
    explicit CComClassFactory(ObjectCreator create);
    virtual ~CComClassFactory();
    CComClassFactory(const CComClassFactory&) = delete;
    CComClassFactory& operator=(const CComClassFactory&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    ObjectCreator m_create;
    LONG m_refCount = 1;
};
