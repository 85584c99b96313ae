#include "reportmodel/FieldsParser.h"
#include "reportmodel/HeaderSyntax.h"
#include "reportmodel/StringTokenizer.h"
#include <cstdio>

namespace {

const char kCaption[] = "Fields parsing error";
// Column entry of a field whose attribute list may still follow.
const int kColumnNotSet = -2;
const int kHiddenColumn = -1;

bool ShowError(const char* text)
{
    MessageBoxA(nullptr, text, kCaption, MB_OK);
    return false;
}

bool IsLetterOrDigit(char ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9');
}

bool IsValidTypeName(const CString& type)
{
    for (int i = 0; i < type.GetLength(); ++i)
        if (!IsLetterOrDigit(type[i]) && type[i] != '_')
            return false;
    return true;
}

bool ReadDecimal(const CString& text, int& number)
{
    return sscanf(text, "%d", &number) == 1;
}

}

CFieldsParser::CFieldsParser(CFields& fields, const char* header)
    : m_fields(fields), m_layout(*(fields.m_layout = std::make_shared<CFields::Layout>())), m_text(m_layout.headerText)
{
    m_fields.m_fields.clear();
    m_fields.m_rightClickIndex = -1;
    m_layout.headerText = header;
}

bool CFieldsParser::Parse()
{
    while (!AtEnd()) {
        const char ch = CurrentChar();
        if (ch == '(') {
            if (!ReadAttributeList())
                return false;
        } else if (ch == '"' || IsLetterOrDigit(ch)) {
            if (!ReadField())
                return false;
        } else if (IsHeaderBlank(ch)) {
            m_position = SkipHeaderBlanks(m_text, m_position);
        } else {
            return ShowError(UnexpectedCharacterMessage(m_position, ch));
        }
    }
    SetPendingColumn();
    return true;
}

bool CFieldsParser::ReadField()
{
    const bool quoted = CurrentChar() == '"';
    const int nameStart = m_position + (quoted ? 1 : 0);
    CStringTokenizer tokenizer(m_text.Mid(nameStart), quoted ? "\"" : "(");
    CString name;
    if (!tokenizer.NextToken(name, false))
        return ShowError("Error: Field header was left open");
    const int parenthesis = name.Find('(');
    if (quoted && parenthesis >= 0) {
        CString text;
        text.Format("Error: Field header was left open: %s", static_cast<const char*>(name.Left(parenthesis)));
        return ShowError(text);
    }
    m_emptyName = name.IsEmpty();
    m_position = nameStart + name.GetLength() + (quoted ? 1 : 0);

    SetPendingColumn();
    m_fields.m_fields.emplace_back(name.Trim());
    m_layout.columns.push_back(kColumnNotSet);
    m_currentIndex = m_fields.GetCount() - 1;
    m_listAllowed = true;
    return true;
}

bool CFieldsParser::ReadAttributeList()
{
    if (!m_listAllowed && !m_emptyName)
        return ShowError("Error: Attributes specified with no associated field");
    CString list;
    const char* error = nullptr;
    if (!::ReadAttributeList(m_text, m_position, list, error))
        return ShowError(error);
    if (list.IsEmpty())
        return true;
    m_listAllowed = false;
    return ApplyAttributeList(list);
}

// The list runs up to and including its ")": the type name, then attributes.
bool CFieldsParser::ApplyAttributeList(const CString& list)
{
    CStringTokenizer tokenizer(list, ",)");
    CString type;
    tokenizer.NextToken(type, false);
    if (!IsValidTypeName(type.Trim()))
        return ShowError("Error: Field name contains an invalid character");
    CurrentField().SetType(type);
    CString attribute;
    while (tokenizer.NextToken(attribute, true))
        if (!ApplyAttribute(attribute.Trim()))
            return false;
    SetColumnOfCurrentField();
    if (m_emptyName && CurrentField().IsVisible())
        return ShowError("Error: Non-hidden attributes used for empty field header");
    return true;
}

bool CFieldsParser::ApplyAttribute(const CString& attribute)
{
    const CString word = attribute.SpanExcluding(" \t");
    CString value = attribute.Mid(word.GetLength());
    value.Trim();
    if (word.CompareNoCase("hidden") == 0) {
        CurrentField().SetVisible(false);
    } else if (word.CompareNoCase("rightclick") == 0) {
        CurrentField().SetRightClick(true);
        m_fields.m_rightClickIndex = m_currentIndex;
    } else if (word.CompareNoCase("sort") == 0) {
        return AddSortOrder(value);
    } else if (word.CompareNoCase("initial_width") == 0) {
        SetWidth(value);
    }
    return true;
}

bool CFieldsParser::AddSortOrder(const CString& value)
{
    int order = 0;
    if (!ReadDecimal(value, order)) {
        CString text;
        text.Format("Error: Sort specifier bad (%s)", static_cast<const char*>(value));
        return ShowError(text);
    }
    if (!m_layout.sortOrder.emplace(order, m_currentIndex).second)
        ShowError("Error: Duplicate sort orders");
    return true;
}

void CFieldsParser::SetWidth(const CString& value)
{
    int width = 0;
    if (ReadDecimal(value, width)) {
        CurrentField().SetWidth(width);
        return;
    }
    CString text;
    text.Format("Warning: Width specifier bad (%s)", static_cast<const char*>(value));
    ShowError(text);
}

// A field without an attribute list keeps the defaults: it is shown.
void CFieldsParser::SetPendingColumn()
{
    if (m_currentIndex >= 0 && m_layout.columns[m_currentIndex] == kColumnNotSet)
        SetColumnOfCurrentField();
}

void CFieldsParser::SetColumnOfCurrentField()
{
    m_layout.columns[m_currentIndex] = CurrentField().IsVisible() ? m_columnCounter++ : kHiddenColumn;
}
