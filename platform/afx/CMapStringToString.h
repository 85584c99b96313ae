// Hash map from text to text with position-based iteration.
#pragma once
#include "afx/CString.h"
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

typedef struct __POSITION { int unused; }* POSITION;

class CMapStringToString {
public:
    explicit CMapStringToString(int blockSize = 10);
    virtual ~CMapStringToString();

    int GetCount() const { return static_cast<int>(m_entries.size()); }
    int GetSize() const { return GetCount(); }
    bool IsEmpty() const { return m_entries.empty(); }

    BOOL Lookup(const char* key, CString& value) const;
    void SetAt(const char* key, const char* value);
    CString& operator[](const char* key);
    BOOL RemoveKey(const char* key);
    void RemoveAll();

    // Iteration: a null position ends it. Removing a key invalidates positions.
    POSITION GetStartPosition() const;
    void GetNextAssoc(POSITION& position, CString& key, CString& value) const;

private:
    std::vector<std::pair<CString, CString>> m_entries;
    std::unordered_map<std::string, size_t> m_index;
};
