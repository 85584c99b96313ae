#include "reportmodel/ParameterElement.h"

namespace {
// The editor kinds whose values come from the path chooser.
bool HoldsEscapedQuotes(int editorKind)
{
    return (editorKind >= 0 && editorKind <= 8) || editorKind == 11 || editorKind == 12;
}
}

void CParameterElement::SetText(const char* text, bool alsoDefault)
{
    m_text = text;
    m_savedText = text;
    if (alsoDefault)
        m_default = text;
}

void CParameterElement::Reset()
{
    m_text = m_default;
    m_savedText = m_default;
}

bool CParameterElement::IsModified() const
{
    return !IsLiteral() && m_text.Compare(m_default) != 0;
}

CString CParameterElement::GetArgumentText() const
{
    CString plain = m_text;
    if (HoldsEscapedQuotes(m_editorKind))
        plain.Replace("\\\"", "\"");
    CString escaped;
    int backslashes = 0;
    for (int i = 0; i < plain.GetLength(); ++i) {
        const char ch = plain[i];
        if (ch == '\\') {
            ++backslashes;
            continue;
        }
        if (backslashes > 0)
            escaped += CString('\\', ch == '"' ? 2 * backslashes : backslashes);
        backslashes = 0;
        if (ch == '"')
            escaped += '\\';
        escaped += ch;
    }
    if (backslashes > 0)
        escaped += CString('\\', 2 * backslashes);
    return escaped;
}
