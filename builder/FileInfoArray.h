// The entries of one scripts folder: its sub-folders and its report scripts,
// each script having described itself. The script tree owns one per folder item.
#pragma once
#include "reportmodel/ScriptFileInfo.h"
#include <vector>

class CFileInfoArray {
public:
    enum SortFlags {
        kSizeAscending = 2,
        kSizeDescending = 3,
        kPathAscending = 4,
        kPathDescending = 5,
        kFoldersFirst = 8,
    };

    int GetSize() const { return static_cast<int>(m_records.size()); }
    const CScriptFileInfo& operator[](int index) const { return m_records[index]; }
    CScriptFileInfo& operator[](int index) { return m_records[index]; }
    // After n folders were added, n - 1.
    int GetFolderCount() const { return m_folderCount; }

    // Inserts the record where the sort flags place it and returns its index.
    int AddFileInfo(const CScriptFileInfo& record, int sortFlags);
    // Adds the folder's sub-folders (with `addFolders`) and the files matching
    // the pattern; the folder ends in a backslash. Returns the number added.
    int AddDir(const CString& folder, const CString& pattern, bool recurse, int sortFlags, bool addFolders,
               const volatile bool* abortFlag, volatile LONG* counter);

private:
    bool ComesBefore(const CScriptFileInfo& record, const CScriptFileInfo& other, int order) const;
    int AddRecord(const CScriptFileInfo& record, int sortFlags, volatile LONG* counter);

    std::vector<CScriptFileInfo> m_records;
    int m_folderCount = -1;
};
