// libselvont: resource libraries and file status.
#define LIBSELVONT_BUILD
#include "libselvont.h"
#include <string.h>
#include <string>

HINSTANCE nt_load_resource_dll(HINSTANCE module, int)
{
    char path[MAX_PATH] = "";
    if (GetModuleFileNameA(module, path, MAX_PATH) == 0)
        return nullptr;
    std::string modulePath = path;
    size_t slash = modulePath.find_last_of('\\');
    std::string name = modulePath.substr(slash + 1);
    name = name.substr(0, name.find_last_of('.'));
    std::string resources = modulePath.substr(0, slash + 1) + "res\\" + name + ".dll";
    if (GetFileAttributesA(resources.c_str()) == INVALID_FILE_ATTRIBUTES)
        return nullptr;
    return LoadLibraryExA(resources.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

static __int64 UnixTime(const FILETIME& time)
{
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<__int64>(value.QuadPart / 10000000ULL) - 11644473600LL;
}

int unix_nt_stati64(const char* path, struct _stati64* status)
{
    WIN32_FILE_ATTRIBUTE_DATA attributes;
    if (path == nullptr || status == nullptr || !GetFileAttributesExA(path, GetFileExInfoStandard, &attributes))
        return -1;
    memset(status, 0, sizeof *status);
    bool folder = (attributes.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    bool readOnly = (attributes.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    status->st_mode = static_cast<unsigned short>((folder ? _S_IFDIR | _S_IEXEC : _S_IFREG) | _S_IREAD | (readOnly ? 0 : _S_IWRITE));
    status->st_nlink = 1;
    status->st_size = (static_cast<__int64>(attributes.nFileSizeHigh) << 32) | attributes.nFileSizeLow;
    status->st_atime = UnixTime(attributes.ftLastAccessTime);
    status->st_mtime = UnixTime(attributes.ftLastWriteTime);
    status->st_ctime = UnixTime(attributes.ftCreationTime);
    if (path[0] != '\0' && path[1] == ':')
        status->st_dev = status->st_rdev = static_cast<unsigned>(toupper(static_cast<unsigned char>(path[0])) - 'A');
    return 0;
}
