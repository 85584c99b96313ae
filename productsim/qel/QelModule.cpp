// Entry points of the in-process server.
#include "productsim/qel/QelModule.h"
#include "productsim/qel/ClassFactory.h"
#include "Qel.h"
#include "productsim/qel/ServerRegistration.h"
#include <mutex>
#include <utility>
#include <vector>

namespace {

HMODULE g_module = nullptr;
LONG g_locks = 0;
std::mutex g_typeLock;
ITypeLib* g_library = nullptr;
// Type infos handed out so far; each keeps one reference for the life of the process.
std::vector<std::pair<IID, ITypeInfo*>> g_typeInfos;

ITypeLib* OwnTypeLibrary()
{
    if (g_library == nullptr) {
        wchar_t path[MAX_PATH] = L"";
        GetModuleFileNameW(g_module, path, MAX_PATH);
        if (FAILED(LoadTypeLibEx(path, REGKIND_NONE, &g_library)))
            g_library = nullptr;
    }
    return g_library;
}

}

void QelLockModule()
{
    InterlockedIncrement(&g_locks);
}

void QelUnlockModule()
{
    InterlockedDecrement(&g_locks);
}

ITypeInfo* QelTypeInfo(REFIID iid)
{
    std::lock_guard<std::mutex> guard(g_typeLock);
    for (const auto& known : g_typeInfos) {
        if (IsEqualIID(known.first, iid))
            return known.second;
    }
    ITypeLib* library = OwnTypeLibrary();
    ITypeInfo* info = nullptr;
    if (library == nullptr || FAILED(library->GetTypeInfoOfGuid(iid, &info)))
        return nullptr;
    g_typeInfos.emplace_back(iid, info);
    return info;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID classId, REFIID iid, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(classId, CLSID_Application) && !IsEqualCLSID(classId, CLSID_Tool))
        return CLASS_E_CLASSNOTAVAILABLE;
    CClassFactory* factory = new CClassFactory(classId);
    HRESULT result = factory->QueryInterface(iid, object);
    factory->Release();
    return result;
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow()
{
    return g_locks == 0 ? S_OK : S_FALSE;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer()
{
    return CServerRegistration::Register(g_module);
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer()
{
    return CServerRegistration::Unregister();
}
