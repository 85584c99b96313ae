// The type names a control has read, per repository tag and kind, in the
// order they were added. Entries are only ever added while the control lives.
#pragma once
#include "afx/CString.h"
#include <map>
#include <string>
#include <utility>
#include <vector>

class TypeNameCache {
public:
    // 0 when the key is absent.
    int Count(const char* tag, long kind) const;
    // Empty when the key is absent or the index is not below the count.
    CString GetAt(const char* tag, long kind, int index) const;
    void Add(const char* tag, long kind, const CString& name);

private:
    // Tags compare case-sensitively, byte by byte, then the kinds.
    typedef std::pair<std::string, long> Key;
    std::map<Key, std::vector<CString>> m_names;
};
