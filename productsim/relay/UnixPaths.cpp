#include "productsim/relay/UnixPaths.h"
#include <windows.h>

namespace {

typedef char*(CDECL* ToUnixFunction)(LPCWSTR);
typedef WCHAR*(CDECL* ToDosFunction)(const char*);

void* WineFunction(const char* name)
{
    return reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name));
}

}

bool CUnixPaths::UnderWine()
{
    return WineFunction("wine_get_unix_file_name") != nullptr;
}

std::string CUnixPaths::ToUnix(const std::string& windowsPath)
{
    ToUnixFunction convert = reinterpret_cast<ToUnixFunction>(WineFunction("wine_get_unix_file_name"));
    if (convert == nullptr)
        return std::string();
    int length = MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, &wide[0], length);
    char* unixPath = convert(wide.c_str());
    if (unixPath == nullptr)
        return std::string();
    std::string result = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

std::string CUnixPaths::ToWindows(const std::string& unixPath)
{
    ToDosFunction convert = reinterpret_cast<ToDosFunction>(WineFunction("wine_get_dos_file_name"));
    if (convert == nullptr)
        return std::string();
    WCHAR* dosPath = convert(unixPath.c_str());
    if (dosPath == nullptr)
        return std::string();
    char narrow[MAX_PATH * 2] = "";
    WideCharToMultiByte(CP_ACP, 0, dosPath, -1, narrow, sizeof narrow, nullptr, nullptr);
    HeapFree(GetProcessHeap(), 0, dosPath);
    return narrow;
}

std::string CUnixPaths::DriveMap()
{
    std::string map;
    DWORD drives = GetLogicalDrives();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if ((drives & (1u << (letter - 'A'))) == 0)
            continue;
        std::string folder = ToUnix(std::string(1, letter) + ":\\");
        if (folder.empty())
            continue;
        if (folder.size() > 1 && folder.back() == '/')
            folder.pop_back();
        map += (map.empty() ? "" : ";") + std::string(1, letter) + "=" + folder;
    }
    return map;
}
