#include "reportmodel/CommandLineMap.h"
#include <cstdlib>
#include <cstring>

namespace {
const char kSwitchChar = '`';

// The token runs to the first back-quote outside double quotes. A double quote
// that is never closed before the end of the text is an ordinary character: it
// does not hide the switches after it.
const char* FindTokenEnd(const char* text)
{
    bool insideQuotes = false;
    const char* end = text;
    for (; *end && (*end != kSwitchChar || insideQuotes); ++end)
        if (*end == '"')
            insideQuotes = !insideQuotes;
    if (insideQuotes) {
        const char* nextSwitch = strchr(text, kSwitchChar);
        if (nextSwitch)
            return nextSwitch;
    }
    return end;
}
}

CCommandLineMap::CCommandLineMap(const char* commandLine)
{
    Parse(commandLine);
}

void CCommandLineMap::Parse(const char* commandLine)
{
    RemoveAll();
    m_positionalCount = 0;
    const char* rest = commandLine ? commandLine : "";
    for (CString token = NextToken(rest); !token.IsEmpty(); token = NextToken(rest))
        StoreToken(token);
}

CString CCommandLineMap::NextToken(const char*& rest)
{
    while (*rest == ' ')
        ++rest;
    const char* start = rest;
    if (*rest == kSwitchChar)
        ++rest;
    rest = FindTokenEnd(rest);
    return CString(start, static_cast<int>(rest - start));
}

void CCommandLineMap::StoreToken(const CString& token)
{
    if (token[0] != kSwitchChar) {
        AddPositional(token);
        return;
    }
    if (token.GetLength() == 1)
        return;
    const CString nameAndValue = token.Mid(1);
    const int colon = nameAndValue.Find(':');
    if (colon < 0)
        SetSwitch(nameAndValue, "");
    else
        SetSwitch(nameAndValue.Left(colon), nameAndValue.Mid(colon + 1));
}

CString CCommandLineMap::KeyOf(const char* name)
{
    CString key(name);
    return key.MakeLower();
}

CString CCommandLineMap::PositionalKey(int index)
{
    CString key;
    key.Format("#%d", index);
    return key;
}

BOOL CCommandLineMap::Lookup(const char* name, CString& value) const
{
    return CMapStringToString::Lookup(KeyOf(name), value);
}

bool CCommandLineMap::HasSwitch(const char* name) const
{
    CString value;
    return Lookup(name, value);
}

BOOL CCommandLineMap::LookupPositional(int index, CString& value) const
{
    return CMapStringToString::Lookup(PositionalKey(index), value);
}

void CCommandLineMap::SetSwitch(const char* name, const char* value)
{
    SetAt(KeyOf(name), value);
}

void CCommandLineMap::AddPositional(const char* word)
{
    SetAt(PositionalKey(m_positionalCount++), word);
}

BOOL CCommandLineMap::RemoveSwitch(const char* name)
{
    return RemoveKey(KeyOf(name));
}

bool CCommandLineMap::IsPositionalKey(const CString& key)
{
    return !key.IsEmpty() && key[0] == '#';
}

int CCommandLineMap::GetPositionalIndex(const CString& key)
{
    const int hash = key.Find('#');
    return hash < 0 ? 0 : atoi(key.Mid(hash + 1));
}

CString CCommandLineMap::GetCommandLine() const
{
    CString commandLine;
    CString word;
    for (int index = 0; LookupPositional(index, word); ++index)
        commandLine += word + ' ';
    CString key;
    CString value;
    for (POSITION position = GetStartPosition(); position;) {
        GetNextAssoc(position, key, value);
        if (IsPositionalKey(key))
            continue;
        commandLine += kSwitchChar + key;
        if (!value.IsEmpty())
            commandLine += ':' + value;
        commandLine += ' ';
    }
    return commandLine.TrimRight(' ');
}
