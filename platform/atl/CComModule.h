// The COM server module of a control library: its object map, the count of
// live objects and server locks, the module its dialogs and strings come from,
// its own embedded type library, and registration from REGISTRY resources.
#pragma once
#include <windows.h>
#include <oaidl.h>

typedef HRESULT (*ObjectCreator)(IUnknown* outer, REFIID iid, void** object);

struct ObjectMapEntry {
    const CLSID* clsid;  // null ends the map
    UINT registryId;     // the REGISTRY resource with the class's registrar script
    ObjectCreator create;
};

#define BEGIN_OBJECT_MAP(name) const ObjectMapEntry name[] = {
#define OBJECT_ENTRY(clsid, theClass) { &clsid, theClass::kRegistryId, &CComObject<theClass>::CreateInstance },
#define END_OBJECT_MAP() { nullptr, 0, nullptr } };

class CComModule {
public:
    void Init(const ObjectMapEntry* objectMap, HINSTANCE instance, const GUID* libid);
    void Term();

    LONG Lock() { return InterlockedIncrement(&m_lockCount); }
    LONG Unlock() { return InterlockedDecrement(&m_lockCount); }
    LONG GetLockCount() const { return m_lockCount; }

    HINSTANCE GetModuleInstance() const { return m_instance; }
    HINSTANCE GetResourceInstance() const { return m_resources; }
    void SetResourceInstance(HINSTANCE resources) { m_resources = resources; }

    // CLASS_E_CLASSNOTAVAILABLE for a class outside the object map.
    HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** object);
    // Runs every registrar script of the object map, then (un)registers the type library.
    HRESULT RegisterServer();
    HRESULT UnregisterServer();

    // The type information of an interface or class of the library's own type
    // library, loaded from the module file, so it serves before registration.
    HRESULT GetTypeInfo(REFGUID libid, REFGUID guid, ITypeInfo** info);

private:
    HRESULT UpdateRegistry(BOOL registering);
    HRESULT LoadTypeLib(ITypeLib** library, REGKIND kind);

    const ObjectMapEntry* m_objectMap = nullptr;
    HINSTANCE m_instance = nullptr;
    HINSTANCE m_resources = nullptr;
    const GUID* m_libid = nullptr;
    ITypeLib* m_typeLib = nullptr;
    LONG m_lockCount = 0;
};

// The one module object of the library.
extern CComModule _Module;
