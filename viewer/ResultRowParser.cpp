#include "viewer/ResultRowParser.h"

namespace {
const char kLineEnds[] = "\r\n";
const char kValueEnds[] = ";\r\n";
}

bool CResultRowParser::NextLine(CString& line)
{
    if (m_rest.IsEmpty())
        return false;
    // A NUL byte is data like any other: the line runs on to its line end.
    const int end = m_rest.FindOneOf(kLineEnds);
    line = end < 0 ? m_rest : m_rest.Left(end);
    m_rest = m_rest.Mid(line.GetLength());
    m_rest.TrimLeft(kLineEnds);
    return true;
}

void CResultRowParser::FillRow(const CString& line, CFields& row)
{
    CString rest = line;
    for (int position = 0; !rest.IsEmpty(); ++position) {
        CString value = rest.SpanExcluding(kValueEnds);
        if (CField* field = row.GetAt(position))
            field->SetValue(_variant_t(static_cast<const char*>(value)));
        rest = rest.Mid(value.GetLength());
        if (rest.IsEmpty() || rest[0] != ';')
            break;
        rest = rest.Mid(1);
    }
}
