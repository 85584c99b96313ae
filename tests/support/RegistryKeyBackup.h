// Keeps a registry key aside for one test: the key is copied away and deleted
// (or left as it is, for a test that changes a value of it), the test writes
// what it needs, and the key comes back as it was afterwards.
#pragma once
#include <windows.h>
#include <string>

class RegistryKeyBackup {
public:
    enum class Start { Deleted, AsItWas };

    RegistryKeyBackup(HKEY root, const char* path, Start start = Start::Deleted);
    ~RegistryKeyBackup();
    RegistryKeyBackup(const RegistryKeyBackup&) = delete;
    RegistryKeyBackup& operator=(const RegistryKeyBackup&) = delete;

private:
    HKEY m_root;
    std::string m_path;
    std::string m_backupPath;
    bool m_existed = false;
};
