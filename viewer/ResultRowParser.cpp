#include "viewer/ResultRowParser.h"

namespace {
bool IsLineEnd(char ch)
{
    return ch == '\r' || ch == '\n';
}

bool IsValueEnd(char ch)
{
    return ch == ';' || ch == '\0' || IsLineEnd(ch);
}
}

// The parser walks its own copy of the block: a row costs no copies of the
// text that follows it.
CResultRowParser::CResultRowParser(const CString& block)
    : m_block(block), m_next(m_block.GetString()), m_end(m_next + m_block.GetLength())
{
}

bool CResultRowParser::NextLine(CString& line)
{
    const char* begin = nullptr;
    const char* end = nullptr;
    if (!NextLine(begin, end))
        return false;
    line = CString(begin, static_cast<int>(end - begin));
    return true;
}

// A NUL byte is data like any other: the line runs on to its line end.
bool CResultRowParser::NextLine(const char*& begin, const char*& end)
{
    if (m_next == m_end)
        return false;
    begin = m_next;
    end = begin;
    while (end != m_end && !IsLineEnd(*end))
        ++end;
    m_next = end;
    while (m_next != m_end && IsLineEnd(*m_next))
        ++m_next;
    return true;
}

void CResultRowParser::FillRow(const CString& line, CFields& row)
{
    FillRow(line.GetString(), line.GetString() + line.GetLength(), row);
}

void CResultRowParser::FillRow(const char* begin, const char* end, CFields& row)
{
    for (int position = 0; begin != end; ++position) {
        const char* valueEnd = begin;
        while (valueEnd != end && !IsValueEnd(*valueEnd))
            ++valueEnd;
        if (CField* field = row.GetAt(position))
            field->SetValueText(begin, static_cast<int>(valueEnd - begin));
        if (valueEnd == end || *valueEnd != ';')
            break;
        begin = valueEnd + 1;
    }
}
