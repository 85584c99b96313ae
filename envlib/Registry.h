// Holder of one open registry key; every operation answers true on ERROR_SUCCESS
// and keeps the call's result as the last error. The destructor does not close
// the key: callers Close it themselves.
#pragma once
#include <windows.h>

class CRegistry {
public:
    CRegistry() = default;
    virtual ~CRegistry() = default;

    bool Create(HKEY root, const char* subKey, const char* className, REGSAM access);
    bool Open(HKEY root, const char* subKey, REGSAM access);
    bool Close();

    bool SetString(const char* name, const char* text);
    // `list` is a sequence of NUL-terminated texts ended by one more NUL.
    bool SetMultiString(const char* name, const char* list);
    bool SetDword(const char* name, DWORD value);

    // `buffer` holds at least 260 bytes; it is untouched on failure.
    bool QueryString(const char* name, char* buffer);
    bool QueryDword(const char* name, DWORD* value);

    bool HasValues();
    // `name` holds at least 256 bytes.
    bool EnumFirstValue(char* name, DWORD* type);
    bool EnumNextValue(char* name, DWORD* type);

    HKEY GetKey() const { return m_key; }
    LONG GetLastError() const { return m_lastError; }

    static const DWORD kTextBufferSize = 260;
    static const DWORD kNameBufferSize = 256;

private:
    bool Record(LONG result);

    HKEY m_key = nullptr;
    DWORD m_valueIndex = 0;
    LONG m_lastError = ERROR_SUCCESS;
};
