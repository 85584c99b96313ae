#include "tests/support/RegistryKeyBackup.h"

namespace {
bool CopyKey(HKEY fromRoot, const std::string& from, HKEY toRoot, const std::string& to)
{
    HKEY source = nullptr;
    HKEY target = nullptr;
    bool copied = RegOpenKeyExA(fromRoot, from.c_str(), 0, KEY_READ, &source) == ERROR_SUCCESS &&
                  RegCreateKeyExA(toRoot, to.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target, nullptr) ==
                      ERROR_SUCCESS &&
                  RegCopyTreeA(source, nullptr, target) == ERROR_SUCCESS;
    if (target != nullptr)
        RegCloseKey(target);
    if (source != nullptr)
        RegCloseKey(source);
    return copied;
}

// Deletes the key, then each parent that is left empty, up to the first
// level; a parent with other sub-keys or values stays.
void DeleteKeyAndEmptyParents(HKEY root, std::string path)
{
    RegDeleteTreeA(root, path.c_str());
    for (size_t slash = path.rfind('\\'); slash != std::string::npos; slash = path.rfind('\\')) {
        path.resize(slash);
        HKEY parent = nullptr;
        DWORD subKeys = 1;
        DWORD values = 1;
        if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &parent) != ERROR_SUCCESS)
            return;
        RegQueryInfoKeyA(parent, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr, nullptr,
                         nullptr, nullptr);
        RegCloseKey(parent);
        if (subKeys != 0 || values != 0 || RegDeleteKeyA(root, path.c_str()) != ERROR_SUCCESS)
            return;
    }
}
}

RegistryKeyBackup::RegistryKeyBackup(HKEY root, const char* path, Start start)
    : m_root(root), m_path(path),
      m_backupPath("Software\\KorvastTests\\Backup\\" + std::to_string(GetCurrentProcessId()) + "-"
                   + std::to_string(reinterpret_cast<ULONG_PTR>(this)))
{
    RegDeleteTreeA(HKEY_CURRENT_USER, m_backupPath.c_str());
    HKEY key = nullptr;
    m_existed = RegOpenKeyExA(root, path, 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (key != nullptr)
        RegCloseKey(key);
    if (m_existed)
        CopyKey(root, m_path, HKEY_CURRENT_USER, m_backupPath);
    if (start == Start::Deleted)
        RegDeleteTreeA(root, path);
}

RegistryKeyBackup::~RegistryKeyBackup()
{
    DeleteKeyAndEmptyParents(m_root, m_path);
    if (m_existed)
        CopyKey(HKEY_CURRENT_USER, m_backupPath, m_root, m_path);
    DeleteKeyAndEmptyParents(HKEY_CURRENT_USER, m_backupPath);
}
