// COM objects: the reference count and interface table a class declares
// (CComObjectRootEx and the COM map), and CComObject, which completes the
// class with IUnknown, alone or inside an outer object (aggregation).
#pragma once
#include "atl/CComModule.h"
#include <new>
#include <unknwn.h>

// Objects of the controls live in one apartment: plain counts suffice.
class CComSingleThreadModel {
public:
    static ULONG Increment(LONG* value) { return static_cast<ULONG>(++*value); }
    static ULONG Decrement(LONG* value) { return static_cast<ULONG>(--*value); }
};

struct InterfaceMapEntry {
    const IID* iid;  // null ends the table; the first entry also answers IUnknown
    DWORD_PTR offset;
};

// Where the interface's part lies inside an object of the class.
template <class Class, class Interface>
DWORD_PTR InterfaceOffset()
{
    const DWORD_PTR base = 0x1000;
    return reinterpret_cast<DWORD_PTR>(static_cast<Interface*>(reinterpret_cast<Class*>(base))) - base;
}

#define BEGIN_COM_MAP(theClass)                                    \
public:                                                            \
    typedef theClass ComMapClass;                                  \
    static const InterfaceMapEntry* GetInterfaceMap()              \
    {                                                              \
        static const InterfaceMapEntry entries[] = {
#define COM_INTERFACE_ENTRY(Interface) { &__uuidof(Interface), InterfaceOffset<ComMapClass, Interface>() },
// An interface that several bases carry, answered through the part of `Through`.
#define COM_INTERFACE_ENTRY2(Interface, Through) \
    { &__uuidof(Interface), InterfaceOffset<ComMapClass, Through>() },
#define END_COM_MAP()                                              \
            { nullptr, 0 } };                                      \
        return entries;                                            \
    }

template <class ThreadModel>
class CComObjectRootEx {
public:
    HRESULT FinalConstruct() { return S_OK; }
    void FinalRelease() {}

    ULONG InternalAddRef() { return ThreadModel::Increment(&m_refCount); }
    ULONG InternalRelease() { return ThreadModel::Decrement(&m_refCount); }

    // The object's identity: the outer object's when aggregated.
    IUnknown* GetControllingUnknown() const { return m_controllingUnknown; }

    // Finds the interface in the table and adds a reference through it.
    static HRESULT InternalQueryInterface(void* self, const InterfaceMapEntry* entries, REFIID iid, void** object)
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        for (const InterfaceMapEntry* entry = entries; entry->iid; ++entry) {
            if (IsEqualIID(iid, *entry->iid) || (entry == entries && IsEqualIID(iid, IID_IUnknown))) {
                IUnknown* part = reinterpret_cast<IUnknown*>(static_cast<char*>(self) + entry->offset);
                part->AddRef();
                *object = part;
                return S_OK;
            }
        }
        return E_NOINTERFACE;
    }

protected:
    LONG m_refCount = 0;
    IUnknown* m_controllingUnknown = nullptr;
};

// The class completed with IUnknown. Its interfaces delegate IUnknown to the
// controlling unknown: the outer object when aggregated, else its own inner
// unknown, which counts the references and holds the module while it lives.
template <class Base>
class CComObject : public Base {
public:
    // Aggregation asks for IUnknown only, as COM requires.
    static HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** object)
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer && !IsEqualIID(iid, IID_IUnknown))
            return CLASS_E_NOAGGREGATION;
        CComObject* created = new (std::nothrow) CComObject(outer);
        if (!created)
            return E_OUTOFMEMORY;
        created->m_inner.AddRef();
        HRESULT result = created->FinalConstruct();
        if (SUCCEEDED(result))
            result = created->m_inner.QueryInterface(iid, object);
        created->m_inner.Release();
        return result;
    }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        return this->m_controllingUnknown->QueryInterface(iid, object);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return this->m_controllingUnknown->AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return this->m_controllingUnknown->Release(); }

private:
    class InnerUnknown : public IUnknown {
    public:
        explicit InnerUnknown(CComObject* owner) : m_owner(owner) {}
        STDMETHODIMP QueryInterface(REFIID iid, void** object) override
        {
            if (object && IsEqualIID(iid, IID_IUnknown)) {
                *object = this;
                AddRef();
                return S_OK;
            }
            return Base::InternalQueryInterface(static_cast<Base*>(m_owner), Base::GetInterfaceMap(), iid, object);
        }
        STDMETHODIMP_(ULONG) AddRef() override { return m_owner->InternalAddRef(); }
        STDMETHODIMP_(ULONG) Release() override
        {
            ULONG count = m_owner->InternalRelease();
            if (count == 0)
                delete m_owner;
            return count;
        }

    private:
        CComObject* m_owner;
    };

    explicit CComObject(IUnknown* outer) : m_inner(this)
    {
        this->m_controllingUnknown = outer ? outer : &m_inner;
        _Module.Lock();
    }
    ~CComObject()
    {
        this->FinalRelease();
        _Module.Unlock();
    }

    InnerUnknown m_inner;
};
