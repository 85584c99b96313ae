// The fields of a report's result rows, parsed from the script's fields header:
//   "Name"(type, rightclick, sort 1, initial_width 25) "Other"(string, hidden) Bare(Integer)
// The viewer parses the header once and copies that model for every result row.
#pragma once
#include "reportmodel/Field.h"
#include <map>
#include <memory>
#include <vector>

class CFields {
public:
    CFields() = default;
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
    CField* GetRightClickField() const { return m_rightClickField; }
    int GetRightClickIndex() const { return m_rightClickIndex; }
    // Sort order number to field index, ascending by order number.
    const std::map<int, int>& GetSortOrder() const { return m_sortOrder; }
    const CString& GetHeaderText() const { return m_headerText; }

    // True when the filter is empty or some field's value holds it (without case).
    bool Match(const char* filter) const;

private:
    void CopyFrom(const CFields& other);
    void ResetParseState();

    bool ReadField();
    bool ReadAttributeList();
    bool ApplyAttributeList(const CString& list);
    bool ApplyAttribute(const CString& attribute);
    bool AddSortOrder(const CString& value);
    void SetWidth(const CString& value);
    void SetPendingColumn();
    void SetColumnOfCurrentField();
    bool AtEnd() const { return m_position >= m_headerText.GetLength(); }
    char CurrentChar() const { return m_headerText[m_position]; }

    std::vector<std::unique_ptr<CField>> m_fields;
    std::map<int, int> m_sortOrder;
    std::vector<int> m_columns;
    int m_position = 0;
    CString m_headerText;
    CField* m_currentField = nullptr;
    CField* m_rightClickField = nullptr;
    int m_rightClickIndex = -1;
    bool m_listAllowed = false;
    int m_currentIndex = -1;
    int m_columnCounter = 0;
    bool m_emptyName = false;
};
