// The right-click scripts of a report, parsed from its "rightclick" header text:
// script names, each optionally followed by a scope list, for example
//   show_history "my report.vbs"(single) SEP label_it(single, multiple)
// A bare name ends at a blank or "(", so a bare name at the very end of the
// text needs a trailing blank.
#pragma once
#include "viewer/RightClickScript.h"
#include <memory>
#include <vector>

class CRightClickScripts {
public:
    CRightClickScripts() = default;
    // Copies the entries; the parse state starts afresh.
    CRightClickScripts(const CRightClickScripts& other);
    CRightClickScripts& operator=(const CRightClickScripts& other);
    virtual ~CRightClickScripts() = default;

    // True when the whole text parsed. The first error is shown in a box and
    // ends the parse; the entries read before it stay.
    bool Parse(const char* text);

    int GetCount() const { return static_cast<int>(m_scripts.size()); }
    const CRightClickScript& GetAt(int index) const { return *m_scripts[index]; }

    static void ShowParseError(const char* text);

private:
    bool AtEnd() const { return m_position >= m_text.GetLength(); }
    char CurrentChar() const { return m_text[m_position]; }
    static bool IsLetter(char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }
    static bool IsBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\n'; }
    void SkipBlanks();
    bool ReadScriptName();
    bool ReadScopeList();
    void ApplyScopes(const CString& items);

    std::vector<std::unique_ptr<CRightClickScript>> m_scripts;
    bool m_attributeListAllowed = false;
    int m_position = 0;
    CString m_text;
    CRightClickScript* m_currentScript = nullptr;
};
