#include "viewer/RightClickScripts.h"
#include "reportmodel/StringTokenizer.h"

CRightClickScripts::CRightClickScripts(const CRightClickScripts& other)
{
    *this = other;
}

CRightClickScripts& CRightClickScripts::operator=(const CRightClickScripts& other)
{
    if (this == &other)
        return *this;
    m_scripts.clear();
    for (const auto& script : other.m_scripts)
        m_scripts.push_back(std::make_unique<CRightClickScript>(*script));
    m_attributeListAllowed = false;
    m_position = 0;
    m_text = other.m_text;
    m_currentScript = nullptr;
    return *this;
}

void CRightClickScripts::ShowParseError(const char* text)
{
    MessageBoxA(nullptr, text, "Right-click scripts parsing error", MB_OK);
}

bool CRightClickScripts::Parse(const char* text)
{
    m_text = text;
    m_position = 0;
    m_currentScript = nullptr;
    m_attributeListAllowed = false;
    while (!AtEnd()) {
        const char ch = CurrentChar();
        if (ch == '(') {
            if (!ReadScopeList())
                return false;
        } else if (ch == '"' || IsLetter(ch)) {
            if (!ReadScriptName())
                return false;
        } else if (IsBlank(ch)) {
            SkipBlanks();
        } else {
            CString message;
            message.Format("Unexpected character at position %d (%c) encountered during parse\n", m_position, ch);
            ShowParseError(message);
            return false;
        }
    }
    return true;
}

void CRightClickScripts::SkipBlanks()
{
    while (!AtEnd() && IsBlank(CurrentChar()))
        ++m_position;
}

// The name runs to its ending character, which must be there: the closing
// double quote of a quoted name (consumed), or the blank or "(" after a bare one.
bool CRightClickScripts::ReadScriptName()
{
    const bool quoted = CurrentChar() == '"';
    if (quoted)
        ++m_position;
    CStringTokenizer tokenizer(m_text.Mid(m_position), quoted ? "\"" : " (");
    CString name;
    if (!tokenizer.NextToken(name, true)) {
        ShowParseError("Error: Script was left open");
        return false;
    }
    // Continue where the name really ended, whatever blanks trimming removes.
    m_position += tokenizer.GetPosition() + (quoted ? 1 : 0);
    name.Trim();

    auto script = std::make_unique<CRightClickScript>();
    script->SetScriptFile(name);
    m_currentScript = script.get();
    m_scripts.push_back(std::move(script));
    m_attributeListAllowed = true;
    return true;
}

bool CRightClickScripts::ReadScopeList()
{
    if (!m_attributeListAllowed) {
        ShowParseError("Error: Attributes specified with no associated script");
        return false;
    }
    ++m_position;
    SkipBlanks();
    if (AtEnd()) {
        ShowParseError("Error: Attribute list was left open");
        return false;
    }
    if (CurrentChar() == ')') {
        ++m_position;
        return true;
    }
    CStringTokenizer tokenizer(m_text.Mid(m_position), ")");
    CString items;
    if (!tokenizer.NextToken(items, true)) {
        ShowParseError("Error: Attribute list was left open");
        return false;
    }
    if (items.Find('(') >= 0) {
        ShowParseError("Error: Nested attribute lists are not allowed");
        return false;
    }
    m_position += tokenizer.GetPosition() + 1;
    m_attributeListAllowed = false;
    ApplyScopes(items);
    return true;
}

// A non-empty list names exactly the scopes the script has; unknown items only warn.
void CRightClickScripts::ApplyScopes(const CString& items)
{
    m_currentScript->SetScopes(false, false);
    CStringTokenizer tokenizer(items + ")", ",)");
    CString item;
    while (tokenizer.NextToken(item, true)) {
        item.Trim();
        if (item.CompareNoCase("single") == 0) {
            m_currentScript->SetSingle(true);
        } else if (item.CompareNoCase("multiple") == 0) {
            m_currentScript->SetMultiple(true);
        } else {
            CString message;
            message.Format("Unknown Script Scope: %s\n", static_cast<const char*>(item));
            ShowParseError(message);
        }
    }
}
