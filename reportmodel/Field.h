// One field (column) of a report's result rows: its label, type name, column
// settings and the value it holds in one row. The type name sets the default
// column width and how two values of the field compare when rows are sorted.
#pragma once
#include "afx/CString.h"
#include <comdef.h>

class CField {
public:
    CField() = default;
    explicit CField(const char* name) : m_name(name) {}
    virtual ~CField() = default;

    const CString& GetName() const { return m_name; }
    void SetName(const char* name) { m_name = name; }

    const CString& GetType() const { return m_type; }
    // Stores the type name and replaces the width by the type's default width.
    void SetType(const char* type);

    const _variant_t& GetValue() const { return m_value; }
    void SetValue(const _variant_t& value);
    // The value as text; empty when it cannot be shown as text.
    CString GetValueText() const;

    bool IsRightClick() const { return m_rightClick; }
    void SetRightClick(bool rightClick) { m_rightClick = rightClick; }
    bool IsVisible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }
    int GetWidth() const { return m_width; }
    void SetWidth(int width) { m_width = width; }

    // This field's value against the same column's value of another row:
    // negative, 0 or positive. Not for concurrent use: it keeps each value's
    // sort key for the next comparison.
    int Compare(const CField& other) const;

private:
    // How the type name orders values: as "%d" numbers, as date-times, or as
    // trimmed text without case.
    enum class SortKind { Text, Number, DateTime };

    static SortKind SortKindOf(const CString& type);
    // Works out the value's sort key under that kind unless it is known already;
    // a sort compares every value many times over.
    void PrepareSortKey(SortKind kind) const;

    CString m_name;
    CString m_type;
    _variant_t m_value{L""};
    bool m_rightClick = false;
    bool m_visible = true;
    int m_width = 10;
    SortKind m_sortKind = SortKind::Text;
    mutable bool m_sortKeyReady = false;
    mutable SortKind m_sortKeyKind = SortKind::Text;
    mutable __int64 m_sortNumber = 0;
    mutable CString m_sortText;
};
