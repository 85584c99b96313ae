#include "tests/support/ControlLibrary.h"
#include "tests/support/TestFiles.h"
#include <gtest/gtest.h>
#include <map>
#include <string>

HMODULE RegisteredControlLibrary(const char* fileName)
{
    static std::map<std::string, HMODULE> libraries;
    auto known = libraries.find(fileName);
    if (known != libraries.end())
        return known->second;
    HMODULE library = LoadLibraryA((ProgramFolder() + fileName).c_str());
    EXPECT_TRUE(library && CallExport(library, "DllRegisterServer") == S_OK) << fileName << " was not registered";
    return libraries[fileName] = library;
}

HRESULT CallExport(HMODULE library, const char* name)
{
    auto entry = reinterpret_cast<HRESULT(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return entry ? entry() : E_NOTIMPL;
}

UnregisteredControlLibrary::UnregisteredControlLibrary(HMODULE library)
    : m_library(library), m_result(CallExport(library, "DllUnregisterServer"))
{
}

UnregisteredControlLibrary::~UnregisteredControlLibrary()
{
    EXPECT_EQ(S_OK, CallExport(m_library, "DllRegisterServer")) << "the library was not registered again";
}
