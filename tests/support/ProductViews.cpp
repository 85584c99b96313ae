#include "tests/support/ProductViews.h"
#include "tests/support/RegistryText.h"
#include <gtest/gtest.h>

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
