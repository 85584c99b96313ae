#include "reportmodel/ParameterElement.h"

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
