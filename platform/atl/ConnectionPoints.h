// Connection points: a control offers the points its class declares, and each
// point keeps the sinks advised to it. The points live inside the control and
// share its reference count.
#pragma once
#include <ocidl.h>
#include <olectl.h>
#include <vector>

class CComConnectionPoint : public IConnectionPoint {
public:
    explicit CComConnectionPoint(const IID& iid) : m_iid(iid) {}
    ~CComConnectionPoint();
    CComConnectionPoint(const CComConnectionPoint&) = delete;
    CComConnectionPoint& operator=(const CComConnectionPoint&) = delete;

    // The object the point belongs to: its identity and its container interface.
    void SetOwner(IUnknown* owner, IConnectionPointContainer* container);
    const IID& Iid() const { return m_iid; }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return m_owner->AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return m_owner->Release(); }

    STDMETHODIMP GetConnectionInterface(IID* iid) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) override;
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** connections) override;

private:
    const IID& m_iid;
    IUnknown* m_owner = nullptr;
    IConnectionPointContainer* m_container = nullptr;
    std::vector<IUnknown*> m_sinks;  // the cookie is the index plus 1; null where unadvised
};

// The property-change notification point, the only one the controls offer.
template <class T>
class IPropertyNotifySinkCP {
public:
    CComConnectionPoint* ConnectionPointOf(REFIID iid)
    {
        return IsEqualIID(iid, m_propertyNotifyPoint.Iid()) ? &m_propertyNotifyPoint : nullptr;
    }

private:
    CComConnectionPoint m_propertyNotifyPoint{IID_IPropertyNotifySink};
};

template <class T>
class IConnectionPointContainerImpl : public IConnectionPointContainer {
public:
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** point) override
    {
        if (!point)
            return E_POINTER;
        T* control = static_cast<T*>(this);
        CComConnectionPoint* found = control->ConnectionPointOf(iid);
        *point = found;
        if (!found)
            return CONNECT_E_NOCONNECTION;
        found->SetOwner(control->GetControllingUnknown(), this);
        found->AddRef();
        return S_OK;
    }
};
