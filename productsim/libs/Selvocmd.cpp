// libselvocmd: the directory listing over the real folders of a view. Hidden
// entries (view-private files, dot files under Wine) are of kind 1, all
// others of kind 2.
#define LIBSELVOCMD_BUILD
#include "libselvocmd.h"
#include "libselvoks.h"
#include "productsim/simdata/SimStatus.h"
#include <windows.h>
#include <stdio.h>
#include <string.h>
#include <string>
#include <vector>

namespace {

struct FoundEntry {
    std::string name;
    DWORD attributes;
    ULONGLONG size;
};

int Refuse(int status, const std::string& reason, char* message, int* length)
{
    if (message != nullptr) {
        snprintf(message, 1024, "%s", reason.c_str());
        if (length != nullptr)
            *length = static_cast<int>(strlen(message));
    }
    return status;
}

int ReadFolder(const std::string& folder, std::vector<FoundEntry>& found)
{
    DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return kStatusPathNotFound;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return kStatusNotDirectory;
    std::string pattern = folder;
    if (pattern.empty() || pattern.back() != '\\')
        pattern += '\\';
    pattern += '*';
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return kStatusOk;
    do {
        if (strcmp(entry.cFileName, ".") != 0 && strcmp(entry.cFileName, "..") != 0)
            found.push_back({entry.cFileName, entry.dwFileAttributes,
                             (static_cast<ULONGLONG>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow});
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return kStatusOk;
}

char* CopyName(stg_area_t area, const std::string& name)
{
    char* copy = static_cast<char*>(stg_alloc(area, static_cast<long>(name.size() + 1)));
    if (copy != nullptr)
        memcpy(copy, name.c_str(), name.size() + 1);
    return copy;
}

}

int cmd_ls_get_list(cmd_word_t* arguments, const char* path, char* message, int* length, struct cmd_ls_record** records,
                    int* count)
{
    if (arguments == nullptr || path == nullptr || records == nullptr || count == nullptr)
        return Refuse(kStatusBadArguments, "cmd_ls_get_list: missing arguments", message, length);
    *records = nullptr;
    *count = 0;
    std::vector<FoundEntry> found;
    int status = ReadFolder(path, found);
    if (status != kStatusOk)
        return Refuse(status, std::string(path) + ": " + (status == kStatusNotDirectory ? "not a directory" : "not found"),
                      message, length);
    stg_area_t area = static_cast<stg_area_t>(arguments[1]);
    struct cmd_ls_record* list = static_cast<struct cmd_ls_record*>(
        stg_alloc(area, static_cast<long>(sizeof(struct cmd_ls_record) * (found.size() + 1))));
    if (list == nullptr)
        return Refuse(kStatusBadArguments, "cmd_ls_get_list: the storage area cannot be used", message, length);
    for (size_t i = 0; i < found.size(); ++i) {
        list[i].name = CopyName(area, found[i].name);
        list[i].kind = (found[i].attributes & FILE_ATTRIBUTE_HIDDEN) != 0 ? 1 : 2;
        list[i].size_low = static_cast<cmd_word_t>(found[i].size & 0xFFFFFFFF);
        list[i].size_high = static_cast<cmd_word_t>(found[i].size >> 32);
        list[i].type = (found[i].attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? 2 : 1;
    }
    *records = list;
    *count = static_cast<int>(found.size());
    return kStatusOk;
}
