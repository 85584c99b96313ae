// libselvoxdr: the repository registry over the product's data. Tag entries
// (class 3) carry the tag and its access; object entries (class 2) carry the
// kinds; both carry the repository's identifier. Entries and cursors are
// handles that the caller deletes and closes.
#define LIBSELVOXDR_BUILD
#include "libselvoxdr.h"
#include "productsim/simdata/SimDataSource.h"
#include "productsim/simdata/SimStatus.h"
#include <string.h>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace {

struct Entry {
    int entryClass;
    SimOlpex olpex;
};

struct Cursor {
    int entryClass;
    std::vector<SimOlpex> olpexes;
    size_t next = 0;
};

// The one region; its address is the handle.
int g_defaultRegion;
std::mutex g_lock;
std::set<void*> g_entries;
std::set<void*> g_cursors;

void* NewEntry(int entryClass, const SimOlpex& olpex)
{
    Entry* entry = new Entry{entryClass, olpex};
    std::lock_guard<std::mutex> guard(g_lock);
    g_entries.insert(entry);
    return entry;
}

const Entry* FindEntry(void* handle)
{
    std::lock_guard<std::mutex> guard(g_lock);
    return g_entries.count(handle) != 0 ? static_cast<Entry*>(handle) : nullptr;
}

Cursor* FindCursor(void* handle)
{
    std::lock_guard<std::mutex> guard(g_lock);
    return g_cursors.count(handle) != 0 ? static_cast<Cursor*>(handle) : nullptr;
}

Cursor* NewCursor(int entryClass, std::vector<SimOlpex> olpexes)
{
    Cursor* cursor = new Cursor{entryClass, std::move(olpexes)};
    std::lock_guard<std::mutex> guard(g_lock);
    g_cursors.insert(cursor);
    return cursor;
}

void DeleteCursor(void* handle)
{
    {
        std::lock_guard<std::mutex> guard(g_lock);
        if (g_cursors.erase(handle) == 0)
            return;
    }
    delete static_cast<Cursor*>(handle);
}

std::shared_ptr<const CSimData> Data()
{
    std::string problem;
    return CSimDataSource::Current(problem);
}

// Delivers the cursor's next batch; a cursor with nothing left is closed and
// the variable set to 0.
void Deliver(Cursor* cursor, void** variable, int capacity, int batch, void** entries, int* count)
{
    int delivered = 0;
    while (delivered < capacity && delivered < batch && cursor->next < cursor->olpexes.size())
        entries[delivered++] = NewEntry(cursor->entryClass, cursor->olpexes[cursor->next++]);
    *count = delivered;
    if (delivered == 0) {
        DeleteCursor(cursor);
        *variable = nullptr;
    } else {
        *variable = cursor;
    }
}

int CopyText(const std::string& text, int size, char* buffer)
{
    if (size <= 0 || static_cast<size_t>(size) <= text.size()) {
        if (size > 0)
            buffer[0] = '\0';
        return kStatusBufferTooSmall;
    }
    memcpy(buffer, text.c_str(), text.size() + 1);
    return kStatusOk;
}

}

int rgy_get_default_region(void** region)
{
    if (region == nullptr)
        return kStatusBadArguments;
    auto data = Data();
    if (data == nullptr)
        return kStatusDataFile;
    if (data->registry.Fails("region"))
        return kStatusNoRegion;
    *region = &g_defaultRegion;
    return kStatusOk;
}

int rgy_get_entry(int entryClass, int, void* region, void** cursor, int capacity, void** entries, int* count)
{
    if (cursor == nullptr || entries == nullptr || count == nullptr || region != &g_defaultRegion)
        return kStatusBadArguments;
    *count = 0;
    auto data = Data();
    if (data == nullptr)
        return kStatusDataFile;
    Cursor* current = nullptr;
    if (*cursor == nullptr) {
        if (data->registry.Fails("entries"))
            return kStatusEntriesUnreadable;
        current = NewCursor(entryClass, data->olpexes);
    } else {
        current = FindCursor(*cursor);
        if (current == nullptr)
            return kStatusBadHandle;
        if (data->registry.Fails("more"))
            return kStatusEntriesUnreadable;
    }
    Deliver(current, cursor, capacity, data->registryBatch, entries, count);
    return kStatusOk;
}

int rgy_getstring_from_entry(void* handle, int attribute, int size, char* buffer)
{
    const Entry* entry = FindEntry(handle);
    if (entry == nullptr || buffer == nullptr)
        return entry == nullptr ? kStatusBadHandle : kStatusBadArguments;
    const SimOlpex& olpex = entry->olpex;
    if (entry->entryClass == RGY_CLASS_TAG && attribute == RGY_ATTR_TAG && !olpex.marks.Fails("tag"))
        return CopyText(olpex.tag, size, buffer);
    if (entry->entryClass == RGY_CLASS_TAG && attribute == RGY_ATTR_ACCESS && !olpex.marks.Fails("access"))
        return CopyText(olpex.access, size, buffer);
    if (entry->entryClass == RGY_CLASS_OBJECT && attribute == RGY_ATTR_KINDS && !olpex.marks.Fails("kinds"))
        return CopyText(olpex.kinds, size, buffer);
    return kStatusNoAttribute;
}

int rgy_getuuid_from_entry(void* handle, int size, unsigned char* uuid)
{
    const Entry* entry = FindEntry(handle);
    if (entry == nullptr)
        return kStatusBadHandle;
    if (uuid == nullptr || size < 16)
        return kStatusBufferTooSmall;
    if (entry->olpex.marks.Fails("uuid"))
        return kStatusNoIdentifier;
    memcpy(uuid, entry->olpex.uuid, 16);
    return kStatusOk;
}

int rgy_findbyuuid_entry(int entryClass, int, int, int size, const unsigned char* uuid, void** cursor, int capacity,
                         void** entries, int* count)
{
    if (uuid == nullptr || size != 16 || cursor == nullptr || entries == nullptr || count == nullptr)
        return kStatusBadArguments;
    *count = 0;
    auto data = Data();
    if (data == nullptr)
        return kStatusDataFile;
    std::vector<SimOlpex> matches;
    for (const SimOlpex& olpex : data->olpexes) {
        if (memcmp(olpex.uuid, uuid, 16) == 0) {
            if (olpex.marks.Fails("find"))
                return kStatusNoObject;
            matches.push_back(olpex);
        }
    }
    if (matches.empty())
        return kStatusNoObject;
    Cursor* found = NewCursor(entryClass, matches);
    Deliver(found, cursor, capacity, data->registryBatch, entries, count);
    return kStatusOk;
}

int rgy_delete_entry(void** handle)
{
    if (handle == nullptr)
        return kStatusBadArguments;
    {
        std::lock_guard<std::mutex> guard(g_lock);
        if (g_entries.erase(*handle) == 0)
            return kStatusBadHandle;
    }
    delete static_cast<Entry*>(*handle);
    *handle = nullptr;
    return kStatusOk;
}

int rgy_close_cursor(void** handle)
{
    if (handle == nullptr || FindCursor(*handle) == nullptr)
        return handle == nullptr ? kStatusBadArguments : kStatusBadHandle;
    DeleteCursor(*handle);
    *handle = nullptr;
    return kStatusOk;
}
