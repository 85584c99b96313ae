#include "productsim/testing/SimTestData.h"
#include <windows.h>

std::string CSimTestData::ProgramFolder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string CSimTestData::Use(const std::string& text)
{
    // A new file each time: a rewrite of the same size within the file
    // system's time granularity would look unchanged to the product.
    static int generation = 0;
    char folder[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, folder);
    std::string prefix = std::string(folder) + "korvast-sim-" + std::to_string(GetCurrentProcessId()) + "-";
    DeleteFileA((prefix + std::to_string(generation) + ".txt").c_str());
    std::string path = prefix + std::to_string(++generation) + ".txt";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(file);
    }
    SetEnvironmentVariableA("KORVAST_SIM_DATA", path.c_str());
    return path;
}

bool CSimTestData::RegisterServer()
{
    HMODULE server = LoadLibraryA((ProgramFolder() + "KorvastQel.dll").c_str());
    if (server == nullptr)
        return false;
    typedef HRESULT(STDAPICALLTYPE * RegisterFunction)();
    RegisterFunction registerServer = reinterpret_cast<RegisterFunction>(GetProcAddress(server, "DllRegisterServer"));
    bool registered = registerServer != nullptr && SUCCEEDED(registerServer());
    FreeLibrary(server);
    return registered;
}
