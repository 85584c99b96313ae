#include "productsim/simdata/SimDataSource.h"
#include "productsim/simdata/SimDataReader.h"
#include <mutex>

namespace {

struct CachedData {
    std::string path;
    FILETIME written = {};
    ULONGLONG size = 0;
    bool present = false;
    std::shared_ptr<const CSimData> data;
    std::string error;
};

std::mutex g_lock;
CachedData g_cache;

bool SameFile(const CachedData& cache, const std::string& path, bool present, const WIN32_FILE_ATTRIBUTE_DATA& attributes)
{
    if (cache.path != path || cache.present != present || (cache.data == nullptr && cache.error.empty()))
        return false;
    if (!present)
        return true;
    ULONGLONG size = (static_cast<ULONGLONG>(attributes.nFileSizeHigh) << 32) | attributes.nFileSizeLow;
    return CompareFileTime(&cache.written, &attributes.ftLastWriteTime) == 0 && cache.size == size;
}

bool ReadWholeFile(const std::string& path, std::string& text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    char buffer[16384];
    DWORD read = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &read, nullptr) != FALSE) && read > 0)
        text.append(buffer, read);
    CloseHandle(file);
    return ok;
}

}

HMODULE CSimDataSource::ThisModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&CSimDataSource::ThisModule), &module);
    return module;
}

std::string CSimDataSource::ModuleFolder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(ThisModule(), path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string CSimDataSource::DataFilePath()
{
    char path[MAX_PATH] = "";
    DWORD length = GetEnvironmentVariableA("KORVAST_SIM_DATA", path, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        return path;
    return ModuleFolder() + "simdata.txt";
}

std::shared_ptr<const CSimData> CSimDataSource::Current(std::string& error)
{
    std::string path = DataFilePath();
    WIN32_FILE_ATTRIBUTE_DATA attributes = {};
    bool present = GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &attributes) != FALSE;

    std::lock_guard<std::mutex> guard(g_lock);
    if (!SameFile(g_cache, path, present, attributes)) {
        CachedData fresh;
        fresh.path = path;
        fresh.present = present;
        auto data = std::make_shared<CSimData>();
        std::string text;
        if (present) {
            fresh.written = attributes.ftLastWriteTime;
            fresh.size = (static_cast<ULONGLONG>(attributes.nFileSizeHigh) << 32) | attributes.nFileSizeLow;
            std::string problem;
            if (!ReadWholeFile(path, text))
                fresh.error = "The Korvast data file " + path + " cannot be read";
            else if (!CSimDataReader().Read(text, *data, problem))
                fresh.error = "The Korvast data file " + path + " is not valid: " + problem;
        }
        if (fresh.error.empty())
            fresh.data = data;
        g_cache = fresh;
    }
    error = g_cache.error;
    return g_cache.data;
}
