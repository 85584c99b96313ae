// The text format of result rows: lines, separators and how values fill a row.
#include "viewer/ResultRowParser.h"
#include "tests/support/MessageBoxWatcher.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
std::vector<std::string> Lines(const char* block)
{
    CResultRowParser parser(block);
    std::vector<std::string> lines;
    CString line;
    while (parser.NextLine(line))
        lines.push_back(static_cast<const char*>(line));
    return lines;
}

// The values of a row of three text fields filled from `line`; the model's values are "-".
std::vector<std::string> Row(const char* line)
{
    CFields row;
    EXPECT_TRUE(row.Parse("\"A\"(string) \"B\"(string) \"C\"(string, hidden)"));
    for (int index = 0; index < row.GetCount(); ++index)
        row.GetAt(index)->SetValue(_variant_t("-"));
    CResultRowParser::FillRow(line, row);
    std::vector<std::string> values;
    for (int index = 0; index < row.GetCount(); ++index)
        values.push_back(static_cast<const char*>(row.GetAt(index)->GetValueText()));
    return values;
}
}

TEST(ResultRowParser, CutsABlockIntoLinesSkippingRunsOfLineEnds)
{
    EXPECT_EQ(std::vector<std::string>({ "a;b;c", "d;e" }), Lines("a;b;c\r\n\r\nd;e\r\n"));
    EXPECT_EQ(std::vector<std::string>({ "x", "y" }), Lines("x\ny\r\r\n"));
    EXPECT_EQ(std::vector<std::string>({ "" }), Lines("\r\n\r\n")) << "only line ends: one empty line, no row";
    EXPECT_TRUE(Lines("").empty());
}

TEST(ResultRowParser, FillsTheFieldsInHeaderOrder)
{
    EXPECT_EQ(std::vector<std::string>({ "a", "b", "c" }), Row("a;b;c"));
    EXPECT_EQ(std::vector<std::string>({ "d", "e", "-" }), Row("d;e")) << "missing values keep the model's";
    EXPECT_EQ(std::vector<std::string>({ "d", "e", "-" }), Row("d;e;")) << "a trailing separator adds no value";
    EXPECT_EQ(std::vector<std::string>({ "a", "", "c" }), Row("a;;c"));
    EXPECT_EQ(std::vector<std::string>({ "", "b", "-" }), Row(";b"));
    EXPECT_EQ(std::vector<std::string>({ " a ", "b", "c" }), Row(" a ;b;c;d;e")) << "values as they stand; surplus dropped";
}

TEST(ResultRowParser, StoresValuesAsText)
{
    CFields row;
    ASSERT_TRUE(row.Parse("\"N\"(Integer)"));
    CResultRowParser::FillRow("42", row);
    EXPECT_EQ(VT_BSTR, row.GetAt(0)->GetValue().vt);
}
