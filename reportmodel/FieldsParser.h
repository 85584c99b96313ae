// Reads a fields header into a CFields: the fields with their types and
// attributes, the column of each field, the sort order and the right-click
// field. Errors stop the parse and are shown in a box captioned
// "Fields parsing error"; warnings only show their box.
#pragma once
#include "reportmodel/Fields.h"

class CFieldsParser {
public:
    // Starts `fields` afresh with the header's text.
    CFieldsParser(CFields& fields, const char* header);

    // False after the first error; `fields` is then partly filled.
    bool Parse();

private:
    bool ReadField();
    bool ReadAttributeList();
    bool ApplyAttributeList(const CString& list);
    bool ApplyAttribute(const CString& attribute);
    bool AddSortOrder(const CString& value);
    void SetWidth(const CString& value);
    void SetPendingColumn();
    void SetColumnOfCurrentField();
    CField& CurrentField() { return m_fields.m_fields[m_currentIndex]; }
    bool AtEnd() const { return m_position >= m_text.GetLength(); }
    char CurrentChar() const { return m_text[m_position]; }

    CFields& m_fields;
    CFields::Layout& m_layout;
    const CString& m_text;
    int m_position = 0;
    bool m_listAllowed = false;
    int m_currentIndex = -1;
    int m_columnCounter = 0;
    bool m_emptyName = false;
};
