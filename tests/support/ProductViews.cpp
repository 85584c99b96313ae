#include "tests/support/ProductViews.h"
#include "tests/support/RegistryText.h"
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

HMODULE RegisteredControlLibrary(const char* fileName)
{
    static std::map<std::string, HMODULE> libraries;
    auto known = libraries.find(fileName);
    if (known != libraries.end())
        return known->second;
    HMODULE library = LoadLibraryA((ProgramFolder() + fileName).c_str());
    auto registerServer = library ? reinterpret_cast<HRESULT(WINAPI*)()>(
                                        reinterpret_cast<void*>(GetProcAddress(library, "DllRegisterServer")))
                                  : nullptr;
    EXPECT_TRUE(registerServer && registerServer() == S_OK) << fileName << " was not registered";
    return libraries[fileName] = library;
}
