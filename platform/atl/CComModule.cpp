#include "atl/CComModule.h"
#include "atl/CComClassFactory.h"
#include <new>

namespace {
struct IRegistrar;
struct RegistryMapEntry;
typedef HRESULT(WINAPI* UpdateRegistryFunction)(HINSTANCE, LPCOLESTR, BOOL, RegistryMapEntry*, IRegistrar*);

// The registrar of the system's atl100.dll runs a REGISTRY resource, with
// %MODULE% replaced by the path of the module that holds it.
HRESULT UpdateRegistryFromResource(HINSTANCE instance, UINT resourceId, BOOL registering)
{
    HMODULE atl = LoadLibraryA("atl100.dll");
    if (!atl)
        return HRESULT_FROM_WIN32(GetLastError());
    auto update = reinterpret_cast<UpdateRegistryFunction>(
        reinterpret_cast<void*>(GetProcAddress(atl, "AtlUpdateRegistryFromResourceD")));
    HRESULT result = update ? update(instance, MAKEINTRESOURCEW(resourceId), registering, nullptr, nullptr)
                            : HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
    FreeLibrary(atl);
    return result;
}
}

void CComModule::Init(const ObjectMapEntry* objectMap, HINSTANCE instance, const GUID* libid)
{
    m_objectMap = objectMap;
    m_instance = instance;
    m_resources = instance;
    m_libid = libid;
}

void CComModule::Term()
{
    if (m_typeLib)
        m_typeLib->Release();
    m_typeLib = nullptr;
}

HRESULT CComModule::GetClassObject(REFCLSID clsid, REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    for (const ObjectMapEntry* entry = m_objectMap; entry && entry->clsid; ++entry) {
        if (!IsEqualCLSID(*entry->clsid, clsid))
            continue;
        CComClassFactory* factory = new (std::nothrow) CComClassFactory(entry->create);
        if (!factory)
            return E_OUTOFMEMORY;
        HRESULT result = factory->QueryInterface(iid, object);
        factory->Release();
        return result;
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT CComModule::UpdateRegistry(BOOL registering)
{
    for (const ObjectMapEntry* entry = m_objectMap; entry && entry->clsid; ++entry) {
        HRESULT result = UpdateRegistryFromResource(m_instance, entry->registryId, registering);
        if (FAILED(result))
            return result;
    }
    return S_OK;
}

HRESULT CComModule::LoadTypeLib(ITypeLib** library, REGKIND kind)
{
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(m_instance, path, MAX_PATH);
    return LoadTypeLibEx(path, kind, library);
}

HRESULT CComModule::RegisterServer()
{
    HRESULT result = UpdateRegistry(TRUE);
    if (FAILED(result))
        return result;
    ITypeLib* library = nullptr;
    result = LoadTypeLib(&library, REGKIND_REGISTER);
    if (library)
        library->Release();
    return result;
}

HRESULT CComModule::UnregisterServer()
{
    HRESULT result = UpdateRegistry(FALSE);
    ITypeLib* library = nullptr;
    HRESULT loaded = LoadTypeLib(&library, REGKIND_NONE);
    if (FAILED(loaded))
        return FAILED(result) ? result : loaded;
    TLIBATTR* attributes = nullptr;
    if (SUCCEEDED(library->GetLibAttr(&attributes))) {
        HRESULT removed = UnRegisterTypeLib(attributes->guid, attributes->wMajorVerNum, attributes->wMinorVerNum,
                                            attributes->lcid, attributes->syskind);
        library->ReleaseTLibAttr(attributes);
        if (SUCCEEDED(result))
            result = removed;
    }
    library->Release();
    return result;
}

HRESULT CComModule::GetTypeInfo(REFGUID libid, REFGUID guid, ITypeInfo** info)
{
    if (!info)
        return E_POINTER;
    *info = nullptr;
    if (!m_libid || !IsEqualGUID(libid, *m_libid))
        return TYPE_E_LIBNOTREGISTERED;
    if (!m_typeLib) {
        HRESULT result = LoadTypeLib(&m_typeLib, REGKIND_NONE);
        if (FAILED(result))
            return result;
    }
    return m_typeLib->GetTypeInfoOfGuid(guid, info);
}
