#include "reportmodel/StringTokenizer.h"

CStringTokenizer::CStringTokenizer(const char* text, const char* delimiters) : m_text(text)
{
    SetDelimiters(delimiters);
}

void CStringTokenizer::SetText(const char* text)
{
    m_text = text;
    m_position = 0;
}

void CStringTokenizer::SetDelimiters(const char* delimiters)
{
    m_delimiters.reset();
    for (const unsigned char* ch = reinterpret_cast<const unsigned char*>(delimiters); ch && *ch; ++ch)
        m_delimiters.set(*ch);
}

bool CStringTokenizer::IsDelimiter(int position) const
{
    return m_delimiters.test(static_cast<unsigned char>(m_text[position]));
}

bool CStringTokenizer::NextToken(CString& token, bool skipLeadingDelimiters)
{
    token.Empty();
    const int length = m_text.GetLength();
    if (skipLeadingDelimiters)
        while (m_position < length && IsDelimiter(m_position))
            ++m_position;
    const int start = m_position;
    if (start >= length)
        return false;
    while (m_position < length && !IsDelimiter(m_position))
        ++m_position;
    if (m_position >= length)
        return false;
    token = m_text.Mid(start, m_position - start);
    return true;
}

CString CStringTokenizer::GetRemainder() const
{
    int start = m_position;
    while (start < m_text.GetLength() && IsDelimiter(start))
        ++start;
    return m_text.Mid(start);
}
