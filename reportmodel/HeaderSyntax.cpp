#include "reportmodel/HeaderSyntax.h"

bool IsHeaderBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n';
}

int SkipHeaderBlanks(const CString& text, int position)
{
    while (position < text.GetLength() && IsHeaderBlank(text[position]))
        ++position;
    return position;
}

bool ReadAttributeList(const CString& text, int& position, CString& list, const char*& error)
{
    list.Empty();
    const int start = SkipHeaderBlanks(text, position + 1);
    if (start >= text.GetLength()) {
        error = "Error: Attribute list was left open";
        return false;
    }
    if (text[start] == ')') {
        position = start + 1;
        return true;
    }
    const int close = text.Find(')', start);
    if (close < 0) {
        error = "Error: Attribute list was left open";
        return false;
    }
    list = text.Mid(start, close + 1 - start);
    if (list.Find('(') >= 0) {
        error = "Error: Nested attribute lists are not allowed";
        return false;
    }
    position = close + 1;
    return true;
}

CString UnexpectedCharacterMessage(int position, char ch)
{
    CString text;
    text.Format("Unexpected character at position %d (%c) encountered during parse", position, ch);
    return text;
}
