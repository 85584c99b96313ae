#include "atl/CComClassFactory.h"

CComClassFactory::CComClassFactory(ObjectCreator create) : m_create(create)
{
    _Module.Lock();
}

CComClassFactory::~CComClassFactory()
{
    _Module.Unlock();
}

STDMETHODIMP CComClassFactory::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CComClassFactory::AddRef()
{
    return InterlockedIncrement(&m_refCount);
}

STDMETHODIMP_(ULONG) CComClassFactory::Release()
{
    LONG count = InterlockedDecrement(&m_refCount);
    if (count == 0)
        delete this;
    return count;
}

STDMETHODIMP CComClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    return m_create(outer, iid, object);
}

STDMETHODIMP CComClassFactory::LockServer(BOOL lock)
{
    if (lock)
        _Module.Lock();
    else
        _Module.Unlock();
    return S_OK;
}
