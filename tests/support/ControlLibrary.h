// A control library of the test run: loaded from beside the test program,
// registered, and its exported entry points called directly.
#pragma once
#include <windows.h>

// The library beside the test program, loaded and registered once per
// process; null when it is missing.
HMODULE RegisteredControlLibrary(const char* fileName);
// Calls one of the library's exports that take nothing and answer an
// HRESULT (DllRegisterServer, DllCanUnloadNow ...); E_NOTIMPL when it is missing.
HRESULT CallExport(HMODULE library, const char* name);

// Takes a control library's registration away for as long as it lives, and
// registers the library again when it goes, whatever the test did meanwhile.
class UnregisteredControlLibrary {
public:
    explicit UnregisteredControlLibrary(HMODULE library);
    ~UnregisteredControlLibrary();
    UnregisteredControlLibrary(const UnregisteredControlLibrary&) = delete;
    UnregisteredControlLibrary& operator=(const UnregisteredControlLibrary&) = delete;

    // What the library's DllUnregisterServer answered.
    HRESULT Result() const { return m_result; }

private:
    HMODULE m_library;
    HRESULT m_result;
};
