// Text values of the registry, as tests read and write them.
#pragma once
#include <windows.h>
#include <string>

// The key's default value, or the named one, read at its full length;
// "<none>" when the key or the value is missing.
std::string RegistryText(HKEY root, const std::string& key, const char* name = nullptr);
// Writes a text value, creating its key; false when that fails.
bool SetRegistryText(HKEY root, const char* key, const std::string& name, const std::string& text);
