// One field (column) of a report's result rows: its label, type name, column
// settings and the value it holds in one row. The type name sets the default
// column width and how two values of the field compare when rows are sorted.
// A copy shares the label, type and column settings with its original (they
// are the same in every row of a report) and has a value of its own.
#pragma once
#include "afx/CString.h"
#include <comdef.h>
#include <memory>

class CField {
public:
    CField();
    explicit CField(const char* name);
    CField(const CField& other);
    CField& operator=(const CField& other);
    virtual ~CField();

    const CString& GetName() const { return m_settings->name; }
    void SetName(const char* name) { EditSettings().name = name; }

    const CString& GetType() const { return m_settings->type; }
    // Stores the type name and replaces the width by the type's default width.
    void SetType(const char* type);

    const _variant_t& GetValue() const { return m_value; }
    void SetValue(const _variant_t& value);
    // Stores the `length` bytes of `text` as the value, a text (VT_BSTR).
    void SetValueText(const char* text, int length);
    // The value as text; empty when it cannot be shown as text.
    CString GetValueText() const;
    // True when the value as text, trimmed and lower-cased, holds `lowered`.
    bool ValueContains(const char* lowered) const;

    bool IsRightClick() const { return m_settings->rightClick; }
    void SetRightClick(bool rightClick) { EditSettings().rightClick = rightClick; }
    bool IsVisible() const { return m_settings->visible; }
    void SetVisible(bool visible) { EditSettings().visible = visible; }
    int GetWidth() const { return m_settings->width; }
    void SetWidth(int width) { EditSettings().width = width; }

    // This field's value against the same column's value of another row:
    // negative, 0 or positive. Not for concurrent use: it keeps each value's
    // sort key for the next comparison.
    int Compare(const CField& other) const;

private:
    // How the type name orders values: as "%d" numbers, as date-times, or as
    // trimmed text without case.
    enum class SortKind : unsigned char { Text, Number, DateTime };

    struct Settings {
        CString name;
        CString type;
        bool rightClick = false;
        bool visible = true;
        int width = 10;
        SortKind sortKind = SortKind::Text;
    };

    static const std::shared_ptr<Settings>& DefaultSettings();
    static SortKind SortKindOf(const CString& type);
    // The settings of this field alone: copies share them until one changes.
    Settings& EditSettings();
    // Works out the value's sort key under that kind unless it is known already;
    // a sort compares every value many times over.
    void PrepareSortKey(SortKind kind) const;
    void ForgetSortKey() const;
    // The value as text in `buffer` when it is a text that fits; false otherwise.
    bool CopyShortText(char* buffer, int size) const;

    std::shared_ptr<Settings> m_settings;
    mutable bool m_sortKeyReady = false;
    mutable SortKind m_sortKeyKind = SortKind::Text;
    _variant_t m_value{L""};
    // The sort key: the number or time value, or the trimmed text (owned).
    mutable union {
        __int64 number;
        char* text;
    } m_sortKey = {};
};
