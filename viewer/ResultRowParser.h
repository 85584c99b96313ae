// The text format of result rows, which every report script prints on its
// standard output: one row per line, the values of the declared fields in
// header order separated by ";". Empty lines give no row; a ";" that ends a
// line adds no empty value; values are taken as they stand.
#pragma once
#include "reportmodel/Fields.h"

class CResultRowParser {
public:
    explicit CResultRowParser(const CString& block);
    CResultRowParser(const CResultRowParser&) = delete;
    CResultRowParser& operator=(const CResultRowParser&) = delete;

    // The next line of the block (up to a CR or LF; the run of line ends after
    // it is skipped); false when the block is used up.
    bool NextLine(CString& line);
    // The same line as the characters [begin, end) of the parser's block.
    bool NextLine(const char*& begin, const char*& end);

    // Stores the values of a line in the fields of a row, from field 0 on, as
    // texts. Values beyond the row's fields are dropped; fields without a
    // value keep theirs. A NUL byte ends the row.
    static void FillRow(const CString& line, CFields& row);
    static void FillRow(const char* begin, const char* end, CFields& row);

private:
    CString m_block;
    const char* m_next;
    const char* m_end;
};
