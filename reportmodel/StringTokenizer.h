// Cuts tokens that end at characters of a delimiter set. A token counts only
// when a delimiter follows it; the parsers rely on that to find lists that were
// left open, and read the trailing token with GetRemainder.
#pragma once
#include "afx/CString.h"
#include <bitset>

class CStringTokenizer {
public:
    CStringTokenizer(const char* text, const char* delimiters);

    void SetText(const char* text);
    void SetDelimiters(const char* delimiters);
    bool NextToken(CString& token, bool skipLeadingDelimiters);
    CString GetRemainder() const;

    int GetPosition() const { return m_position; }
    // The character at the position (the delimiter after a token), or NUL at the end.
    char CurrentChar() const { return m_position < m_text.GetLength() ? m_text[m_position] : '\0'; }

private:
    bool IsDelimiter(int position) const;

    CString m_text;
    std::bitset<256> m_delimiters;
    int m_position = 0;
};
