#include "productsim/qel/ServerRegistration.h"
#include "Qel.h"
#include <oleauto.h>
#include <olectl.h>
#include <string>

namespace {

const char kApplicationProgId[] = "Korvast.Application";

std::string GuidText(REFGUID guid)
{
    wchar_t wide[40] = L"";
    StringFromGUID2(guid, wide, 40);
    char narrow[40] = "";
    WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}

bool SetValue(const std::string& key, const char* name, const std::string& value)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) != ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

bool RegisterClass(REFCLSID classId, const char* description, const char* progId, const std::string& modulePath)
{
    std::string key = "CLSID\\" + GuidText(classId);
    bool ok = SetValue(key, nullptr, description) && SetValue(key + "\\InprocServer32", nullptr, modulePath) &&
              SetValue(key + "\\InprocServer32", "ThreadingModel", "Both") &&
              SetValue(key + "\\TypeLib", nullptr, GuidText(LIBID_KorvastQel));
    if (ok && progId != nullptr) {
        ok = SetValue(key + "\\ProgID", nullptr, progId) && SetValue(progId, nullptr, description) &&
             SetValue(std::string(progId) + "\\CLSID", nullptr, GuidText(classId));
    }
    return ok;
}

}

HRESULT CServerRegistration::Register(HMODULE module)
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(module, path, MAX_PATH);
    if (!RegisterClass(CLSID_Application, "Korvast Application", kApplicationProgId, path) ||
        !RegisterClass(CLSID_Tool, "Korvast command tool", nullptr, path))
        return SELFREG_E_CLASS;
    wchar_t widePath[MAX_PATH] = L"";
    MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, MAX_PATH);
    ITypeLib* library = nullptr;
    HRESULT result = LoadTypeLibEx(widePath, REGKIND_REGISTER, &library);
    if (FAILED(result))
        return SELFREG_E_TYPELIB;
    library->Release();
    return S_OK;
}

HRESULT CServerRegistration::Unregister()
{
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ("CLSID\\" + GuidText(CLSID_Application)).c_str());
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ("CLSID\\" + GuidText(CLSID_Tool)).c_str());
    RegDeleteTreeA(HKEY_CLASSES_ROOT, kApplicationProgId);
    UnRegisterTypeLib(LIBID_KorvastQel, 1, 0, LOCALE_NEUTRAL, SYS_WIN32);
    return S_OK;
}
