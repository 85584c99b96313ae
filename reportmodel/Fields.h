// The fields of a report's result rows, parsed from the script's fields header:
//   "Name"(type, rightclick, sort 1, initial_width 25) "Other"(string, hidden) Bare(Integer)
// The viewer parses the header once and copies that model for every result row.
// A copy shares what the header decides (columns, sort order, header text and
// each field's settings) with the model; only the values are its own.
#pragma once
#include "reportmodel/Field.h"
#include <map>
#include <memory>
#include <vector>

class CFields {
public:
    CFields();
    CFields(const CFields& other);
    CFields& operator=(const CFields& other);
    virtual ~CFields() = default;

    // False after the first error, which has been shown in a box; the
    // collection may then be partly filled and is to be discarded.
    bool Parse(const char* header);

    int GetCount() const { return static_cast<int>(m_fields.size()); }
    // The field of an index, or null outside the list.
    CField* GetAt(int index) const;
    // The column number of a field, -1 for a hidden field or an index outside the list.
    int GetColumn(int index) const;
    // The first field shown in a column, -1 when none is.
    int FindFieldOfColumn(int column) const;
    CField* GetRightClickField() const { return GetAt(m_rightClickIndex); }
    int GetRightClickIndex() const { return m_rightClickIndex; }
    // Sort order number to field index, ascending by order number.
    const std::map<int, int>& GetSortOrder() const { return m_layout->sortOrder; }
    const CString& GetHeaderText() const { return m_layout->headerText; }

    // True when the filter is empty or some field's value holds it (without case).
    bool Match(const char* filter) const;

private:
    friend class CFieldsParser;

    // What the header decides for every row.
    struct Layout {
        std::map<int, int> sortOrder;
        // By field index: the column number, or -1 for a hidden field.
        std::vector<int> columns;
        CString headerText;
    };

    void CopyFrom(const CFields& other);

    std::vector<CField> m_fields;
    std::shared_ptr<Layout> m_layout;
    int m_rightClickIndex = -1;
};
