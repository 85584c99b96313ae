#include "builder/FileInfoArray.h"

namespace {
bool IsDots(const char* name)
{
    return lstrcmpA(name, ".") == 0 || lstrcmpA(name, "..") == 0;
}

bool IsFolderEntry(const WIN32_FIND_DATAA& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
}

// Whether `record` goes before `other` in the order of the sort flags' low bits.
bool CFileInfoArray::ComesBefore(const CScriptFileInfo& record, const CScriptFileInfo& other, int order) const
{
    switch (order) {
    case kSizeAscending:
        return record.GetSize() <= other.GetSize();
    case kSizeDescending:
        return record.GetSize() >= other.GetSize();
    case kPathAscending:
        return strcmp(record.GetFilePath(), other.GetFilePath()) <= 0;
    case kPathDescending:
        return strcmp(record.GetFilePath(), other.GetFilePath()) >= 0;
    default:
        return true;
    }
}

int CFileInfoArray::AddFileInfo(const CScriptFileInfo& record, int sortFlags)
{
    const bool foldersFirst = (sortFlags & kFoldersFirst) != 0;
    const int order = sortFlags & ~kFoldersFirst;
    int first = 0;
    int end = GetSize();
    if (foldersFirst) {
        // Folders keep indices 0 .. m_folderCount; files follow them.
        if (record.IsFolder())
            end = m_folderCount + 1;
        else
            first = m_folderCount + 1;
    }
    int index = first;
    if (order >= kSizeAscending && order <= kPathDescending)
        while (index < end && !ComesBefore(record, m_records[index], order))
            ++index;
    m_records.insert(m_records.begin() + index, record);
    if (record.IsFolder())
        ++m_folderCount;
    return index;
}

int CFileInfoArray::AddRecord(const CScriptFileInfo& record, int sortFlags, volatile LONG* counter)
{
    AddFileInfo(record, sortFlags);
    if (counter)
        InterlockedIncrement(counter);
    return 1;
}

int CFileInfoArray::AddDir(const CString& folder, const CString& pattern, bool recurse, int sortFlags,
                           bool addFolders, const volatile bool* abortFlag, volatile LONG* counter)
{
    auto aborted = [&] { return abortFlag && *abortFlag; };
    int added = 0;
    WIN32_FIND_DATAA entry;
    HANDLE search = ::FindFirstFileA(folder + "*", &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!IsFolderEntry(entry) || IsDots(entry.cFileName))
                continue;
            if (addFolders) {
                CScriptFileInfo record;
                record.Create(entry, folder, 0);
                added += AddRecord(record, sortFlags, counter);
            }
            if (recurse)
                added += AddDir(folder + entry.cFileName + "\\", pattern, recurse, sortFlags, addFolders, abortFlag,
                                counter);
        } while (!aborted() && ::FindNextFileA(search, &entry));
        ::FindClose(search);
    }
    if (aborted())
        return added;
    search = ::FindFirstFileA(folder + pattern, &entry);
    if (search == INVALID_HANDLE_VALUE)
        return added;
    do {
        if (IsFolderEntry(entry))
            continue;
        CScriptFileInfo record;
        record.Create(entry, folder, 0);
        added += AddRecord(record, sortFlags, counter);
    } while (!aborted() && ::FindNextFileA(search, &entry));
    ::FindClose(search);
    return added;
}
