// libselvoks: kernel start-up, messages, storage areas, string replacement.
#define LIBSELVOKS_BUILD
#include "libselvoks.h"
#include "productsim/simdata/SimDataSource.h"
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <map>
#include <mutex>
#include <set>
#include <string>

namespace {

std::mutex g_lock;
std::string g_appName = "korvast";
bool g_longPathsAllowed = true;

// Blocks carry their area in a header, so stg_free finds it.
struct BlockHeader {
    stg_area_t area;
    long padding;
};

std::map<stg_area_t, std::set<BlockHeader*>> g_areas;
stg_area_t g_nextArea = 2;

int Print(FILE* stream, const char* format, int level, va_list arguments)
{
    if (format == nullptr)
        return -1;
    std::string appName;
    {
        std::lock_guard<std::mutex> guard(g_lock);
        appName = g_appName;
    }
    int prefix = 0;
    if (level != -1)
        prefix = fprintf(stream, "%s: ", appName.c_str());
    int length = vfprintf(stream, format, arguments);
    fflush(stream);
    return length < 0 ? length : prefix + length;
}

}

int ks_system_init(void)
{
    return 0;
}

int ks_disable_long_path(void)
{
    std::lock_guard<std::mutex> guard(g_lock);
    int before = g_longPathsAllowed ? 1 : 0;
    g_longPathsAllowed = false;
    return before;
}

void imsg_set_app_name(const char* name)
{
    std::lock_guard<std::mutex> guard(g_lock);
    g_appName = name == nullptr ? "" : name;
}

int imsg_print(int destination, const char* format, int level, ...)
{
    va_list arguments;
    va_start(arguments, level);
    int length = Print(destination == 0 ? stdout : stderr, format, level, arguments);
    va_end(arguments);
    return length;
}

int imsg_sprintf(char* buffer, const char* format, int level, ...)
{
    if (buffer == nullptr || format == nullptr)
        return -1;
    std::string appName;
    {
        std::lock_guard<std::mutex> guard(g_lock);
        appName = g_appName;
    }
    int prefix = level == -1 ? 0 : sprintf(buffer, "%s: ", appName.c_str());
    va_list arguments;
    va_start(arguments, level);
    int length = vsprintf(buffer + prefix, format, arguments);
    va_end(arguments);
    return length < 0 ? length : prefix + length;
}

stg_area_t stg_create_area(long)
{
    std::string problem;
    auto data = CSimDataSource::Current(problem);
    if (data != nullptr && data->heapOnlyStorage)
        return STG_HEAP_AREA;
    std::lock_guard<std::mutex> guard(g_lock);
    stg_area_t area = g_nextArea++;
    g_areas[area];
    return area;
}

void* stg_alloc(stg_area_t area, long size)
{
    if (size < 0)
        return nullptr;
    std::lock_guard<std::mutex> guard(g_lock);
    if (area != STG_HEAP_AREA && g_areas.count(area) == 0)
        return nullptr;
    BlockHeader* header = static_cast<BlockHeader*>(calloc(1, sizeof(BlockHeader) + static_cast<size_t>(size)));
    if (header == nullptr)
        return nullptr;
    header->area = area;
    if (area != STG_HEAP_AREA)
        g_areas[area].insert(header);
    return header + 1;
}

void stg_free(void* block)
{
    if (block == nullptr)
        return;
    BlockHeader* header = static_cast<BlockHeader*>(block) - 1;
    std::lock_guard<std::mutex> guard(g_lock);
    auto area = g_areas.find(header->area);
    if (area != g_areas.end())
        area->second.erase(header);
    free(header);
}

void stg_free_area(stg_area_t area, int)
{
    std::lock_guard<std::mutex> guard(g_lock);
    auto found = g_areas.find(area);
    if (found == g_areas.end())
        return;
    for (BlockHeader* header : found->second)
        free(header);
    g_areas.erase(found);
}

int strutl_find_replace_substr(char* buffer, int size, const char* find, const char* replacement)
{
    if (buffer == nullptr || size <= 0 || find == nullptr || *find == '\0')
        return 0;
    std::string text(buffer, strnlen(buffer, static_cast<size_t>(size)));
    std::string with = replacement == nullptr ? "" : replacement;
    size_t findLength = strlen(find);
    int count = 0;
    for (size_t at = text.find(find); at != std::string::npos; at = text.find(find, at + with.size())) {
        text.replace(at, findLength, with);
        ++count;
    }
    size_t kept = text.size() < static_cast<size_t>(size) ? text.size() : static_cast<size_t>(size) - 1;
    memcpy(buffer, text.data(), kept);
    buffer[kept] = '\0';
    return count;
}
