#include "reportmodel/Field.h"
#include "reportmodel/DateTimeText.h"
#include <cstdio>
#include <cstring>
#include <mbstring.h>

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

// The blanks that CString's Trim removes.
bool IsTrimSpace(char ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

// The text without the blanks at either end, in place.
char* TrimInPlace(char* text)
{
    char* end = text + strlen(text);
    while (text < end && IsTrimSpace(*text))
        ++text;
    while (end > text && IsTrimSpace(end[-1]))
        --end;
    *end = '\0';
    return text;
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

const std::shared_ptr<CField::Settings>& CField::DefaultSettings()
{
    static const std::shared_ptr<Settings> defaults = std::make_shared<Settings>();
    return defaults;
}

CField::CField() : m_settings(DefaultSettings()) {}

CField::CField(const char* name) : m_settings(DefaultSettings())
{
    SetName(name);
}

CField::CField(const CField& other) : m_settings(other.m_settings), m_value(other.m_value) {}

CField& CField::operator=(const CField& other)
{
    if (this != &other) {
        m_value = other.m_value;
        m_settings = other.m_settings;
        ForgetSortKey();
    }
    return *this;
}

CField::~CField()
{
    ForgetSortKey();
}

// Copies share their settings until one of them changes its own.
CField::Settings& CField::EditSettings()
{
    if (m_settings.use_count() > 1)
        m_settings = std::make_shared<Settings>(*m_settings);
    return *m_settings;
}

void CField::SetType(const char* type)
{
    Settings& settings = EditSettings();
    settings.type = type;
    settings.width = DefaultWidth(settings.type);
    settings.sortKind = SortKindOf(settings.type);
}

void CField::SetValue(const _variant_t& value)
{
    m_value = value;
    ForgetSortKey();
}

// Every value of a report's output comes this way: straight into the
// value's own text, without a text or a variant on the way.
void CField::SetValueText(const char* text, int length)
{
    const int wideLength = length > 0 ? MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0) : 0;
    BSTR value = SysAllocStringLen(nullptr, static_cast<UINT>(wideLength));
    if (!value)
        _com_issue_error(E_OUTOFMEMORY);
    if (wideLength > 0)
        MultiByteToWideChar(CP_ACP, 0, text, length, value, wideLength);
    m_value.Clear();
    m_value.vt = VT_BSTR;
    m_value.bstrVal = value;
    ForgetSortKey();
}

CString CField::GetValueText() const
{
    try {
        return CString(static_cast<const char*>(_bstr_t(m_value)));
    } catch (const _com_error&) {
        return CString();
    }
}

bool CField::CopyShortText(char* buffer, int size) const
{
    if (m_value.vt != VT_BSTR)
        return false;
    const int wideLength = m_value.bstrVal ? static_cast<int>(SysStringLen(m_value.bstrVal)) : 0;
    const int length =
        wideLength > 0 ? WideCharToMultiByte(CP_ACP, 0, m_value.bstrVal, wideLength, buffer, size - 1, nullptr, nullptr) : 0;
    if (wideLength > 0 && length == 0)
        return false;
    buffer[length] = '\0';
    return true;
}

// A filter looks into every value of every row: short texts are converted on
// the stack rather than through three copies on the heap.
bool CField::ValueContains(const char* lowered) const
{
    char buffer[256];
    if (!CopyShortText(buffer, sizeof buffer)) {
        CString text = GetValueText();
        return text.Trim().MakeLower().Find(lowered) >= 0;
    }
    char* text = TrimInPlace(buffer);
    _mbslwr(reinterpret_cast<unsigned char*>(text));
    return strstr(text, lowered) != nullptr;
}

CField::SortKind CField::SortKindOf(const CString& type)
{
    if (type.CompareNoCase("Integer") == 0 || type.CompareNoCase("time_t") == 0)
        return SortKind::Number;
    if (type.CompareNoCase("kvtime") == 0)
        return SortKind::DateTime;
    return SortKind::Text;
}

void CField::ForgetSortKey() const
{
    if (m_sortKeyReady && m_sortKeyKind == SortKind::Text)
        delete[] m_sortKey.text;
    m_sortKey.number = 0;
    m_sortKeyReady = false;
}

void CField::PrepareSortKey(SortKind kind) const
{
    if (m_sortKeyReady && m_sortKeyKind == kind)
        return;
    ForgetSortKey();
    CString text = GetValueText().Trim();
    if (kind == SortKind::Number) {
        m_sortKey.number = ReadNumber(text);
    } else if (kind == SortKind::DateTime) {
        m_sortKey.number = ParseDateTimeText(text);
    } else {
        m_sortKey.text = new char[text.GetLength() + 1];
        memcpy(m_sortKey.text, text.GetString(), text.GetLength() + 1);
    }
    m_sortKeyKind = kind;
    m_sortKeyReady = true;
}

// Both values are read under this field's type, whatever the other's type.
int CField::Compare(const CField& other) const
{
    const SortKind kind = m_settings->sortKind;
    PrepareSortKey(kind);
    other.PrepareSortKey(kind);
    if (kind == SortKind::Text)
        return _mbsicmp(reinterpret_cast<const unsigned char*>(m_sortKey.text),
                        reinterpret_cast<const unsigned char*>(other.m_sortKey.text));
    return Order(m_sortKey.number, other.m_sortKey.number);
}
