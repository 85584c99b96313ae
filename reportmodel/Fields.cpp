#include "reportmodel/Fields.h"
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

CFields::CFields(const CFields& other)
{
    CopyFrom(other);
}

CFields& CFields::operator=(const CFields& other)
{
    if (this != &other)
        CopyFrom(other);
    return *this;
}

// A copy is a result row: the fields with their values, no parse state.
void CFields::CopyFrom(const CFields& other)
{
    m_fields.clear();
    m_rightClickField = nullptr;
    m_rightClickIndex = -1;
    for (const std::unique_ptr<CField>& field : other.m_fields) {
        m_fields.push_back(std::make_unique<CField>(*field));
        if (field->IsRightClick()) {
            m_rightClickField = m_fields.back().get();
            m_rightClickIndex = GetCount() - 1;
        }
    }
    m_columns = other.m_columns;
    m_sortOrder = other.m_sortOrder;
    m_headerText = other.m_headerText;
    ResetParseState();
}

void CFields::ResetParseState()
{
    m_position = 0;
    m_currentField = nullptr;
    m_listAllowed = false;
    m_emptyName = false;
    m_currentIndex = -1;
    m_columnCounter = 0;
}

CField* CFields::GetAt(int index) const
{
    return index >= 0 && index < GetCount() ? m_fields[index].get() : nullptr;
}

int CFields::GetColumn(int index) const
{
    return index >= 0 && index < static_cast<int>(m_columns.size()) ? m_columns[index] : kHiddenColumn;
}

int CFields::FindFieldOfColumn(int column) const
{
    if (column < 0)
        return -1;
    for (int index = 0; index < static_cast<int>(m_columns.size()); ++index)
        if (m_columns[index] == column)
            return index;
    return -1;
}

bool CFields::Match(const char* filter) const
{
    CString wanted(filter);
    if (wanted.IsEmpty())
        return true;
    wanted.MakeLower();
    for (const std::unique_ptr<CField>& field : m_fields) {
        CString value = field->GetValueText();
        if (value.Trim().MakeLower().Find(wanted) >= 0)
            return true;
    }
    return false;
}

bool CFields::Parse(const char* header)
{
    m_position = 0;
    m_headerText = header;
    m_listAllowed = false;
    while (!AtEnd()) {
        const char ch = CurrentChar();
        if (ch == '(') {
            if (!ReadAttributeList())
                return false;
        } else if (ch == '"' || IsLetterOrDigit(ch)) {
            if (!ReadField())
                return false;
        } else if (IsHeaderBlank(ch)) {
            m_position = SkipHeaderBlanks(m_headerText, m_position);
        } else {
            return ShowError(UnexpectedCharacterMessage(m_position, ch));
        }
    }
    SetPendingColumn();
    return true;
}

bool CFields::ReadField()
{
    const bool quoted = CurrentChar() == '"';
    const int nameStart = m_position + (quoted ? 1 : 0);
    CStringTokenizer tokenizer(m_headerText.Mid(nameStart), quoted ? "\"" : "(");
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
    m_fields.push_back(std::make_unique<CField>(name.Trim()));
    m_columns.push_back(kColumnNotSet);
    m_currentField = m_fields.back().get();
    m_currentIndex = GetCount() - 1;
    m_listAllowed = true;
    return true;
}

bool CFields::ReadAttributeList()
{
    if (!m_listAllowed && !m_emptyName)
        return ShowError("Error: Attributes specified with no associated field");
    CString list;
    const char* error = nullptr;
    if (!::ReadAttributeList(m_headerText, m_position, list, error))
        return ShowError(error);
    if (list.IsEmpty())
        return true;
    m_listAllowed = false;
    return ApplyAttributeList(list);
}

// The list runs up to and including its ")": the type name, then attributes.
bool CFields::ApplyAttributeList(const CString& list)
{
    CStringTokenizer tokenizer(list, ",)");
    CString type;
    tokenizer.NextToken(type, false);
    if (!IsValidTypeName(type.Trim()))
        return ShowError("Error: Field name contains an invalid character");
    m_currentField->SetType(type);
    CString attribute;
    while (tokenizer.NextToken(attribute, true))
        if (!ApplyAttribute(attribute.Trim()))
            return false;
    SetColumnOfCurrentField();
    if (m_emptyName && m_currentField->IsVisible())
        return ShowError("Error: Non-hidden attributes used for empty field header");
    return true;
}

bool CFields::ApplyAttribute(const CString& attribute)
{
    const CString word = attribute.SpanExcluding(" \t");
    CString value = attribute.Mid(word.GetLength());
    value.Trim();
    if (word.CompareNoCase("hidden") == 0) {
        m_currentField->SetVisible(false);
    } else if (word.CompareNoCase("rightclick") == 0) {
        m_currentField->SetRightClick(true);
        m_rightClickField = m_currentField;
        m_rightClickIndex = m_currentIndex;
    } else if (word.CompareNoCase("sort") == 0) {
        return AddSortOrder(value);
    } else if (word.CompareNoCase("initial_width") == 0) {
        SetWidth(value);
    }
    return true;
}

bool CFields::AddSortOrder(const CString& value)
{
    int order = 0;
    if (!ReadDecimal(value, order)) {
        CString text;
        text.Format("Error: Sort specifier bad (%s)", static_cast<const char*>(value));
        return ShowError(text);
    }
    if (!m_sortOrder.emplace(order, m_currentIndex).second)
        ShowError("Error: Duplicate sort orders");
    return true;
}

void CFields::SetWidth(const CString& value)
{
    int width = 0;
    if (ReadDecimal(value, width)) {
        m_currentField->SetWidth(width);
        return;
    }
    CString text;
    text.Format("Warning: Width specifier bad (%s)", static_cast<const char*>(value));
    ShowError(text);
}

// A field without an attribute list keeps the defaults: it is shown.
void CFields::SetPendingColumn()
{
    if (m_currentIndex >= 0 && m_columns[m_currentIndex] == kColumnNotSet)
        SetColumnOfCurrentField();
}

void CFields::SetColumnOfCurrentField()
{
    m_columns[m_currentIndex] = m_currentField->IsVisible() ? m_columnCounter++ : kHiddenColumn;
}
