#include "atl/ConnectionPoints.h"

CComConnectionPoint::~CComConnectionPoint()
{
    for (IUnknown* sink : m_sinks) {
        if (sink)
            sink->Release();
    }
}

void CComConnectionPoint::SetOwner(IUnknown* owner, IConnectionPointContainer* container)
{
    m_owner = owner;
    m_container = container;
}

STDMETHODIMP CComConnectionPoint::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IConnectionPoint)) {
        *object = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP CComConnectionPoint::GetConnectionInterface(IID* iid)
{
    if (!iid)
        return E_POINTER;
    *iid = m_iid;
    return S_OK;
}

STDMETHODIMP CComConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container)
{
    if (!container)
        return E_POINTER;
    *container = m_container;
    m_container->AddRef();
    return S_OK;
}

STDMETHODIMP CComConnectionPoint::Advise(IUnknown* sink, DWORD* cookie)
{
    if (!sink || !cookie)
        return E_POINTER;
    *cookie = 0;
    IUnknown* typed = nullptr;
    if (FAILED(sink->QueryInterface(m_iid, reinterpret_cast<void**>(&typed))))
        return CONNECT_E_CANNOTCONNECT;
    m_sinks.push_back(typed);
    *cookie = static_cast<DWORD>(m_sinks.size());
    return S_OK;
}

STDMETHODIMP CComConnectionPoint::Unadvise(DWORD cookie)
{
    if (cookie == 0 || cookie > m_sinks.size() || !m_sinks[cookie - 1])
        return CONNECT_E_NOCONNECTION;
    m_sinks[cookie - 1]->Release();
    m_sinks[cookie - 1] = nullptr;
    return S_OK;
}

STDMETHODIMP CComConnectionPoint::EnumConnections(IEnumConnections**)
{
    return E_NOTIMPL;
}
