// A program's command line as a map: switches introduced by a back-quote, stored
// under their lower-cased name, and positional words stored under "#0", "#1" ...
#pragma once
#include "afx/CMapStringToString.h"

class CCommandLineMap : public CMapStringToString {
public:
    CCommandLineMap() = default;
    explicit CCommandLineMap(const char* commandLine);

    void Parse(const char* commandLine);

    BOOL Lookup(const char* name, CString& value) const;
    bool HasSwitch(const char* name) const;
    BOOL LookupPositional(int index, CString& value) const;
    void SetSwitch(const char* name, const char* value);
    void AddPositional(const char* word);
    BOOL RemoveSwitch(const char* name);

    static bool IsPositionalKey(const CString& key);
    static int GetPositionalIndex(const CString& key);

    // Positional words in order, then every switch; rebuilt, not the original text.
    CString GetCommandLine() const;

private:
    static CString NextToken(const char*& rest);
    void StoreToken(const CString& token);
    static CString KeyOf(const char* name);
    static CString PositionalKey(int index);

    int m_positionalCount = 0;
};
