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
    void SetValue(const _variant_t& value) { m_value = value; }
    // The value as text; empty when it cannot be shown as text.
    CString GetValueText() const;

    bool IsRightClick() const { return m_rightClick; }
    void SetRightClick(bool rightClick) { m_rightClick = rightClick; }
    bool IsVisible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }
    int GetWidth() const { return m_width; }
    void SetWidth(int width) { m_width = width; }

    // This field's value against the same column's value of another row:
    // negative, 0 or positive.
    int Compare(const CField& other) const;

private:
    CString m_name;
    CString m_type;
    _variant_t m_value{L""};
    bool m_rightClick = false;
    bool m_visible = true;
    int m_width = 10;
};
