// CProductEnv: the registered repositories and the entries of a directory, as
// the maker's libraries know them, in lines of text.
#include "envlib/BstrHelpers.h"
#include "envlib/MakerLibraries.h"
#include "envlib/ProductEnv.h"
#include "envlib/QelErrors.h"
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {
const int kMaxEntries = 4096;
const int kUuidSize = 16;

const long kListingAreaSize = 500000;
const long kPathBufferSize = 4096;
const long kListedEntryKind = 2;
const long kDirectoryType = 2;

// Reads one text attribute; the text always ends inside the buffer.
int ReadEntryString(void* entry, int attribute, char* buffer, int size)
{
    int status = rgy_getstring_from_entry(entry, attribute, size, buffer);
    buffer[size - 1] = '\0';
    return status;
}

// The kinds of the repository object entry, in the words the listing shows.
std::string ReadKinds(void* olpexEntry)
{
    char kinds[2048] = "";
    if (ReadEntryString(olpexEntry, RGY_ATTR_KINDS, kinds, sizeof kinds) != 0)
        kinds[0] = '\0';
    strutl_find_replace_substr(kinds, sizeof kinds, "polpex,sumolpex", "(mivadolpex)");
    strutl_find_replace_substr(kinds, sizeof kinds, "sumolpex", "(mivadolpex)");
    kinds[sizeof kinds - 1] = '\0';
    return kinds;
}

// Appends the line of one tag entry. A failed read shows its box and gives false.
bool AppendOlpexLine(void** tagEntry, _bstr_t& listing)
{
    char tag[1024] = "";
    char attribute6[256] = "";
    unsigned char uuid[kUuidSize] = {};
    void* olpexCursor = nullptr;
    std::vector<void*> olpexEntries(kMaxEntries, nullptr);
    int olpexCount = 0;
    int status = ReadEntryString(*tagEntry, RGY_ATTR_TAG, tag, sizeof tag);
    if (status == 0)
        status = ReadEntryString(*tagEntry, RGY_ATTR_ACCESS, attribute6, sizeof attribute6);
    if (status == 0)
        status = rgy_getuuid_from_entry(*tagEntry, kUuidSize, uuid);
    if (status == 0)
        status = rgy_findbyuuid_entry(RGY_CLASS_OBJECT, 0, 0, kUuidSize, uuid, &olpexCursor, kMaxEntries,
                                      olpexEntries.data(), &olpexCount);
    if (status != 0) {
        ReportStatusError(status);
        return false;
    }
    std::string kinds = ReadKinds(olpexEntries[0]);
    // The mounted test sees the tag as read, before a leading "/" is turned.
    std::string line = olpex_utl_is_mounted_olpex_pname(tag) != 0 ? "* " : "  ";
    if (tag[0] == '/')
        tag[0] = '\\';
    line += "^";
    if (tag[0] != '\\')
        line += "\\";
    line = line + tag + "$ " + kinds + " " + attribute6 + "\r\n";
    listing += line.c_str();
    rgy_delete_entry(tagEntry);
    rgy_delete_entry(&olpexEntries[0]);
    if (olpexCursor != nullptr)
        rgy_close_cursor(&olpexCursor);
    return true;
}

// Fills the argument block of the listing call.
void InitListingArguments(cmd_word_t (&arguments)[CMD_ARGS_WORDS], stg_area_t area, char** pathBuffer)
{
    std::fill(std::begin(arguments), std::end(arguments), 0);
    arguments[0] = 1;
    arguments[1] = area;
    arguments[2] = reinterpret_cast<cmd_word_t>(pathBuffer);
    arguments[3] = 1;
    arguments[6] = 1;
    arguments[7] = 1;
    arguments[9] = 1;
    // The listing still goes on with the heap; the line is for whoever watches the console.
    if (area == STG_HEAP_AREA)
        printf("*** Only a non-heap AREA may be passed to CMD_INIT_ARGS_PREFIX.\n");
}

// One line per listed record: the directory, the name, "\" for a directory.
void AppendDirectoryLines(const char* directory, const cmd_ls_record* records, int count, _bstr_t& listing)
{
    for (int index = 0; index < count; ++index) {
        const cmd_ls_record& record = records[index];
        if (strcmp(record.name, "lost+found") == 0 || record.kind != kListedEntryKind)
            continue;
        std::string line = std::string(directory) + record.name + (record.type == kDirectoryType ? "\\" : "") + "\r\n";
        listing += line.c_str();
    }
}
}

_bstr_t CProductEnv::ListOlpexes(_bstr_t)
{
    InitReportsLibrary();
    _bstr_t listing;
    void* region = nullptr;
    int status = rgy_get_default_region(&region);
    if (status != 0) {
        ReportStatusError(status);
        return listing;
    }
    // The cursor carries the position from batch to batch; a fetch that
    // leaves it 0 ends the listing.
    void* cursor = nullptr;
    std::vector<void*> entries(kMaxEntries, nullptr);
    for (;;) {
        int count = 0;
        status = rgy_get_entry(RGY_CLASS_TAG, 0, region, &cursor, kMaxEntries, entries.data(), &count);
        if (status != 0) {
            ReportStatusError(status);
            return listing;
        }
        if (cursor == nullptr)
            return listing;
        for (int index = 0; index < std::min(count, kMaxEntries); ++index) {
            if (!AppendOlpexLine(&entries[index], listing))
                return listing;
        }
    }
}

_bstr_t CProductEnv::ListSubdirectories(_bstr_t directory)
{
    InitReportsLibrary();
    _bstr_t listing;
    BstrStripQuotes(directory);
    const char* narrow = directory;
    std::string path = narrow != nullptr ? narrow : "";
    // The path buffer holds at most 4095 characters; a longer path is not listed.
    if (path.size() >= kPathBufferSize)
        return listing;
    stg_area_t area = stg_create_area(kListingAreaSize);
    char* pathBuffer = nullptr;
    cmd_word_t arguments[CMD_ARGS_WORDS];
    InitListingArguments(arguments, area, &pathBuffer);
    pathBuffer = static_cast<char*>(stg_alloc(STG_HEAP_AREA, kPathBufferSize));
    strcpy(pathBuffer, path.c_str());
    char scratch[1024] = "";
    int scratchValue = 0;
    cmd_ls_record* records = nullptr;
    int count = 0;
    int status = cmd_ls_get_list(arguments, path.c_str(), scratch, &scratchValue, &records, &count);
    if (status != 0)
        ReportStatusError(status);
    else
        AppendDirectoryLines(pathBuffer, records, count, listing);
    stg_free_area(area, 0);
    stg_free(pathBuffer);
    return listing;
}
