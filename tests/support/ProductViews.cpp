#include "tests/support/ProductViews.h"
#include "tests/support/TestFiles.h"
#include <gtest/gtest.h>
#include <map>

const char kWorkspacesKey[] = "Software\\Selvo\\Korvast\\CurrentVersion\\Workspaces";
const char kDriverKey[] = "SYSTEM\\CurrentControlSet\\Services\\Nelk\\Parameters";

ProductViews::ProductViews() : m_workspaces(HKEY_CURRENT_USER, kWorkspacesKey), m_driver(HKEY_LOCAL_MACHINE, kDriverKey) {}

void ProductViews::Register(const std::string& view, bool registered)
{
    if (registered) {
        EXPECT_TRUE(SetRegistryText(HKEY_CURRENT_USER, kWorkspacesKey, view, "")) << view;
        return;
    }
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kWorkspacesKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, view.c_str());
    RegCloseKey(key);
}

bool SetRegistryText(HKEY root, const char* key, const std::string& name, const std::string& text)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr) != ERROR_SUCCESS)
        return false;
    bool written = RegSetValueExA(handle, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                  static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
    RegCloseKey(handle);
    return written;
}

namespace {
HRESULT CallServerExport(HMODULE library, const char* name)
{
    auto entry = library ? reinterpret_cast<HRESULT(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(library, name)))
                         : nullptr;
    return entry ? entry() : E_NOTIMPL;
}
}

HMODULE RegisteredControlLibrary(const char* fileName)
{
    static std::map<std::string, HMODULE> libraries;
    auto known = libraries.find(fileName);
    if (known != libraries.end())
        return known->second;
    HMODULE library = LoadLibraryA((ProgramFolder() + fileName).c_str());
    EXPECT_EQ(S_OK, CallServerExport(library, "DllRegisterServer")) << fileName << " was not registered";
    return libraries[fileName] = library;
}

UnregisteredControlLibrary::UnregisteredControlLibrary(HMODULE library)
    : m_library(library), m_result(CallServerExport(library, "DllUnregisterServer"))
{
}

UnregisteredControlLibrary::~UnregisteredControlLibrary()
{
    EXPECT_EQ(S_OK, CallServerExport(m_library, "DllRegisterServer")) << "the library was not registered again";
}
