#include "reportmodel/Field.h"
#include "reportmodel/DateTimeText.h"
#include <cstdio>

namespace {

struct TypeWidth {
    const char* type;
    int width;
};

const TypeWidth kTypeWidths[] = {
    {"project", 25}, {"project_objsel", 25}, {"folder", 25}, {"folder_objsel", 25},
    {"stream", 25}, {"stream_objsel", 25}, {"activity", 25}, {"activity_objsel", 25},
    {"baselevel", 25}, {"baselevel_objsel", 25}, {"component", 25}, {"component_objsel", 25},
    {"view_tag", 20}, {"time_t", 9}, {"kvtime", 18}, {"User", 10}, {"Group", 10},
    {"User_dq", 15}, {"Group_dq", 15}, {"string", 20}, {"gpath", 40}, {"Host", 12},
    {"Hpath", 25}, {"View_attrs", 18}, {"Element_xpn", 35}, {"Element_pn", 33},
    {"Version_pn", 20}, {"label", 10}, {"Integer", 2}, {"Yes_no", 3}, {"Branch_xpn", 30},
    {"version_xpn", 35}, {"branch", 10}, {"Attribute", 15}, {"Objsel", 25},
    {"Br_objsel", 25}, {"Attr_objsel", 25}, {"Trigger", 12}, {"Trigger_objsel", 25},
};

const int kOtherTypeWidth = 20;

int DefaultWidth(const CString& type)
{
    for (const TypeWidth& entry : kTypeWidths)
        if (type.CompareNoCase(entry.type) == 0)
            return entry.width;
    return kOtherTypeWidth;
}

int ReadNumber(const CString& text)
{
    int number = 0;
    return sscanf(text, "%d", &number) == 1 ? number : 0;
}

template <typename T>
int Order(T left, T right)
{
    return left == right ? 0 : (left < right ? -1 : 1);
}

}

void CField::SetType(const char* type)
{
    m_type = type;
    m_width = DefaultWidth(m_type);
    m_sortKind = SortKindOf(m_type);
}

void CField::SetValue(const _variant_t& value)
{
    m_value = value;
    m_sortKeyReady = false;
}

CString CField::GetValueText() const
{
    try {
        return CString(static_cast<const char*>(_bstr_t(m_value)));
    } catch (const _com_error&) {
        return CString();
    }
}

CField::SortKind CField::SortKindOf(const CString& type)
{
    if (type.CompareNoCase("Integer") == 0 || type.CompareNoCase("time_t") == 0)
        return SortKind::Number;
    if (type.CompareNoCase("kvtime") == 0)
        return SortKind::DateTime;
    return SortKind::Text;
}

void CField::PrepareSortKey(SortKind kind) const
{
    if (m_sortKeyReady && m_sortKeyKind == kind)
        return;
    CString text = GetValueText().Trim();
    m_sortNumber = 0;
    m_sortText.Empty();
    if (kind == SortKind::Number)
        m_sortNumber = ReadNumber(text);
    else if (kind == SortKind::DateTime)
        m_sortNumber = ParseDateTimeText(text);
    else
        m_sortText = text;
    m_sortKeyKind = kind;
    m_sortKeyReady = true;
}

// Both values are read under this field's type, whatever the other's type.
int CField::Compare(const CField& other) const
{
    PrepareSortKey(m_sortKind);
    other.PrepareSortKey(m_sortKind);
    if (m_sortKind == SortKind::Text)
        return m_sortText.CompareNoCase(other.m_sortText);
    return Order(m_sortNumber, other.m_sortNumber);
}
