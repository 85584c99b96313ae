#include "reportmodel/Parameter.h"
#include "reportmodel/KeywordTable.h"
#include "reportmodel/StringTokenizer.h"

void CParameter::SetType(const char* keyword)
{
    m_name = keyword;
    m_elements.clear();
    const KeywordEntry* entry = FindKeyword(keyword);
    m_valid = entry != nullptr;
    m_typeCode = entry ? entry->typeCode : 0;
    m_scope = entry && entry->scope;
    m_needsScope = entry && entry->needsScope;
    if (!entry)
        return;
    CString format, kindWord, prompt;
    format.LoadString(entry->promptId);
    kindWord.LoadString(entry->kindWordId);
    prompt.Format(format, static_cast<const char*>(kindWord));
    SplitPrompt(prompt);
}

// The prompt marks its value with angle brackets: "text <kind word> text".
void CParameter::SplitPrompt(const CString& prompt)
{
    CStringTokenizer beforeValue(prompt, "<");
    CString literal;
    if (!beforeValue.NextToken(literal, true))
        return;
    AddElement(literal, CParameterElement::kLiteral);
    CStringTokenizer valueAndAfter(beforeValue.GetRemainder(), ">");
    CString value;
    if (!valueAndAfter.NextToken(value, true))
        return;
    AddElement(value, EditorKindOfKindWord(value));
    AddElement(valueAndAfter.GetRemainder(), CParameterElement::kLiteral);
}

void CParameter::AddElement(const CString& text, int editorKind)
{
    m_elements.push_back(std::make_unique<CParameterElement>());
    CParameterElement& element = *m_elements.back();
    element.SetText(text, true);
    element.SetEditorKind(editorKind);
}

CParameterElement* CParameter::GetElement(int index) const
{
    return index >= 0 && index < GetElementCount() ? m_elements[index].get() : nullptr;
}

CString CParameter::GetText() const
{
    CString text;
    for (const auto& element : m_elements)
        text += element->GetText();
    return text;
}

CString CParameter::GetSavedText() const
{
    CString text;
    for (const auto& element : m_elements)
        text += element->GetSavedText();
    return text;
}

CString CParameter::GetValue() const
{
    CString value;
    for (const auto& element : m_elements)
        if (element->IsModified())
            value += element->GetText();
    return value;
}

bool CParameter::IsFixedText() const
{
    for (const auto& element : m_elements)
        if (!element->IsLiteral())
            return false;
    return true;
}

bool CParameter::IsModified() const
{
    for (const auto& element : m_elements)
        if (element->IsModified())
            return true;
    return false;
}

void CParameter::Reset()
{
    for (const auto& element : m_elements)
        element->Reset();
}

CString CParameter::GetArguments() const
{
    CString arguments;
    for (const auto& element : m_elements)
        if (element->IsModified())
            arguments += m_name + "=\\\"" + element->GetArgumentText() + "\\\"; ";
    return arguments;
}
