// Prints what a program sees of the installed product: the registry
// settings, the registered views, and whether the Application object can be
// created. The install test compares it with what it expects.
#include "Qel.h"
#include "envlib/ProductEnv.h"
#include "envlib/Registry.h"
#include <comdef.h>
#include <stdio.h>
#include <string>

namespace {

void PrintValue(HKEY root, const char* key, const char* name)
{
    CRegistry registry;
    char value[CRegistry::kTextBufferSize] = "(absent)";
    if (registry.Open(root, key, KEY_READ)) {
        registry.QueryString(name, value);
        registry.Close();
    }
    printf("%s=%s\n", name, value);
}

void PrintWorkspaces()
{
    CRegistry registry;
    std::string names;
    if (registry.Open(HKEY_CURRENT_USER, "Software\\Selvo\\Korvast\\CurrentVersion\\Workspaces", KEY_READ)) {
        char name[CRegistry::kNameBufferSize];
        DWORD type = 0;
        for (bool more = registry.EnumFirstValue(name, &type); more; more = registry.EnumNextValue(name, &type))
            names += std::string(names.empty() ? "" : " ") + name;
        registry.Close();
    }
    printf("Workspaces=%s\n", names.c_str());
}

void PrintApplication()
{
    IKvApplication* application = nullptr;
    HRESULT result = CoCreateInstance(CLSID_Application, nullptr, CLSCTX_ALL, IID_IKvApplication,
                                      reinterpret_cast<void**>(&application));
    printf("Application=%lx\n", static_cast<unsigned long>(result));
    if (FAILED(result))
        return;
    IKvFolder* root = nullptr;
    BSTR text = nullptr;
    if (SUCCEEDED(application->GetFolder(_bstr_t("folder:RootFolder@\\webshop_pvob"), &root)) &&
        SUCCEEDED(root->get_DisplayText(&text))) {
        printf("RootFolder=%s\n", static_cast<const char*>(_bstr_t(text, false)));
        root->Release();
    }
    application->Release();
}

}

int main()
{
    PrintValue(HKEY_LOCAL_MACHINE, kProductVersionKey, "ProductHome");
    PrintValue(HKEY_LOCAL_MACHINE, kProductVersionKey, "ReportsPath");
    PrintValue(HKEY_LOCAL_MACHINE, kProductVersionKey, "KorvastMajorVersion");
    PrintValue(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\Nelk\\Parameters", "drive");
    PrintWorkspaces();
    CoInitialize(nullptr);
    PrintApplication();
    CoUninitialize();
    return 0;
}
