#include "tests/support/RegistryText.h"

std::string RegistryText(HKEY root, const std::string& key, const char* name)
{
    DWORD size = 0;
    if (RegGetValueA(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return "<none>";
    std::string text(size, '\0');
    if (RegGetValueA(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, &text[0], &size) != ERROR_SUCCESS)
        return "<none>";
    return text.c_str();
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
