#include "reportmodel/Fields.h"
#include "reportmodel/FieldsParser.h"

CFields::CFields() : m_layout(std::make_shared<Layout>()) {}

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

// A copy is a result row: the fields with their values. Its right-click field
// is its last field with the right-click flag.
void CFields::CopyFrom(const CFields& other)
{
    m_fields = other.m_fields;
    m_layout = other.m_layout;
    m_rightClickIndex = -1;
    for (int index = 0; index < GetCount(); ++index)
        if (m_fields[index].IsRightClick())
            m_rightClickIndex = index;
}

bool CFields::Parse(const char* header)
{
    return CFieldsParser(*this, header).Parse();
}

// Rows hand out their fields for filling in their values.
CField* CFields::GetAt(int index) const
{
    return index >= 0 && index < GetCount() ? const_cast<CField*>(&m_fields[index]) : nullptr;
}

int CFields::GetColumn(int index) const
{
    const std::vector<int>& columns = m_layout->columns;
    return index >= 0 && index < static_cast<int>(columns.size()) ? columns[index] : -1;
}

int CFields::FindFieldOfColumn(int column) const
{
    if (column < 0)
        return -1;
    const std::vector<int>& columns = m_layout->columns;
    for (int index = 0; index < static_cast<int>(columns.size()); ++index)
        if (columns[index] == column)
            return index;
    return -1;
}

bool CFields::Match(const char* filter) const
{
    CString wanted(filter);
    if (wanted.IsEmpty())
        return true;
    wanted.MakeLower();
    for (const CField& field : m_fields)
        if (field.ValueContains(wanted))
            return true;
    return false;
}
