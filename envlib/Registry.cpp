#include "envlib/Registry.h"
#include <cstring>

bool CRegistry::Record(LONG result)
{
    m_lastError = result;
    return result == ERROR_SUCCESS;
}

bool CRegistry::Create(HKEY root, const char* subKey, const char* className, REGSAM access)
{
    DWORD disposition = 0;
    return Record(RegCreateKeyExA(root, subKey, 0, const_cast<char*>(className), REG_OPTION_NON_VOLATILE, access,
                                  nullptr, &m_key, &disposition));
}

bool CRegistry::Open(HKEY root, const char* subKey, REGSAM access)
{
    return Record(RegOpenKeyExA(root, subKey, 0, access, &m_key));
}

bool CRegistry::Close()
{
    if (m_key == nullptr)
        return true;
    LONG result = RegCloseKey(m_key);
    m_key = nullptr;
    return Record(result);
}

bool CRegistry::SetString(const char* name, const char* text)
{
    return Record(RegSetValueExA(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                 static_cast<DWORD>(strlen(text) + 1)));
}

bool CRegistry::SetMultiString(const char* name, const char* list)
{
    const char* end = list;
    while (*end != '\0')
        end += strlen(end) + 1;
    return Record(RegSetValueExA(m_key, name, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(list),
                                 static_cast<DWORD>(end - list + 1)));
}

bool CRegistry::SetDword(const char* name, DWORD value)
{
    return Record(RegSetValueExA(m_key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value));
}

bool CRegistry::QueryString(const char* name, char* buffer)
{
    // One byte more than the value may fill, so a text stored without its
    // terminating NUL still ends inside the buffer.
    char data[kTextBufferSize + 1] = "";
    DWORD size = kTextBufferSize;
    if (!Record(RegQueryValueExA(m_key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size)))
        return false;
    data[size < kTextBufferSize ? size : kTextBufferSize - 1] = '\0';
    strcpy(buffer, data);
    return true;
}

bool CRegistry::QueryDword(const char* name, DWORD* value)
{
    DWORD data = 0;
    DWORD size = sizeof data;
    if (!Record(RegQueryValueExA(m_key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&data), &size)))
        return false;
    *value = data;
    return true;
}

bool CRegistry::HasValues()
{
    DWORD values = 0;
    if (!Record(RegQueryInfoKeyA(m_key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                                 nullptr, nullptr, nullptr)))
        return false;
    return values != 0;
}

bool CRegistry::EnumFirstValue(char* name, DWORD* type)
{
    m_valueIndex = 0;
    return EnumNextValue(name, type);
}

bool CRegistry::EnumNextValue(char* name, DWORD* type)
{
    DWORD nameLength = kNameBufferSize;
    LONG result = RegEnumValueA(m_key, m_valueIndex, name, &nameLength, nullptr, type, nullptr, nullptr);
    ++m_valueIndex;
    return Record(result);
}
