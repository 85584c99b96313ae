#include "reportmodel/Fields.h"
#include "tests/support/WatchedParse.h"
#include <gtest/gtest.h>

namespace {

const char kCaption[] = "Fields parsing error";

// Parses the header and returns the texts of the boxes it showed, checking their caption.
std::vector<std::string> ParseBoxes(CFields& fields, const char* header, bool expectedResult)
{
    const WatchedParse parse = WatchParse([&] { return fields.Parse(header); });
    EXPECT_EQ(expectedResult, parse.parsed) << header;
    return BoxTexts(parse.boxes, kCaption);
}

}

TEST(Fields, ParsesNamesTypesAndAttributes)
{
    CFields fields;
    ASSERT_TRUE(ParseBoxes(fields,
                           "\"Element\"(Element_pn, rightclick, sort 1, initial_width 25)\n"
                           "\t\"Owner\"( string , hidden, sort 2 )  \"Size\"(Integer)",
                           true).empty());
    ASSERT_EQ(3, fields.GetCount());

    const CField* element = fields.GetAt(0);
    EXPECT_STREQ("Element", element->GetName());
    EXPECT_STREQ("Element_pn", element->GetType());
    EXPECT_EQ(25, element->GetWidth());
    EXPECT_TRUE(element->IsVisible());
    EXPECT_TRUE(element->IsRightClick());
    EXPECT_EQ(element, fields.GetRightClickField());
    EXPECT_EQ(0, fields.GetRightClickIndex());

    EXPECT_STREQ("string", fields.GetAt(1)->GetType());
    EXPECT_FALSE(fields.GetAt(1)->IsVisible());
    EXPECT_EQ(2, fields.GetAt(2)->GetWidth());

    EXPECT_EQ(0, fields.GetColumn(0));
    EXPECT_EQ(-1, fields.GetColumn(1));
    EXPECT_EQ(1, fields.GetColumn(2));
    EXPECT_EQ(2, fields.FindFieldOfColumn(1));
    EXPECT_EQ(-1, fields.FindFieldOfColumn(2));
    EXPECT_EQ(-1, fields.FindFieldOfColumn(-1));
    EXPECT_EQ((std::map<int, int>{{1, 0}, {2, 1}}), fields.GetSortOrder());
}

TEST(Fields, FieldsWithoutListsKeepTheDefaults)
{
    CFields fields;
    ASSERT_TRUE(ParseBoxes(fields, "\"Plain\" Bare Name (kvtime) \"Empty\"() Twice()(Integer) \"Last\"", true)
                    .empty());
    ASSERT_EQ(5, fields.GetCount());
    EXPECT_STREQ("", fields.GetAt(0)->GetType());
    EXPECT_EQ(10, fields.GetAt(0)->GetWidth());
    EXPECT_STREQ("Bare Name", fields.GetAt(1)->GetName());
    EXPECT_EQ(18, fields.GetAt(1)->GetWidth());
    EXPECT_EQ(10, fields.GetAt(2)->GetWidth());
    EXPECT_STREQ("Integer", fields.GetAt(3)->GetType());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(i, fields.GetColumn(i)) << i;
    EXPECT_EQ(nullptr, fields.GetRightClickField());
    EXPECT_EQ(-1, fields.GetRightClickIndex());
    EXPECT_EQ(nullptr, fields.GetAt(5));
    EXPECT_EQ(nullptr, fields.GetAt(-1));
    EXPECT_EQ(-1, fields.GetColumn(5));
}

TEST(Fields, AnEmptyNameIsAllowedForAHiddenField)
{
    CFields fields;
    ASSERT_TRUE(ParseBoxes(fields, "\"\"(string, hidden) \"Shown\"(string)", true).empty());
    EXPECT_EQ(-1, fields.GetColumn(0));
    EXPECT_EQ(0, fields.GetColumn(1));
}

TEST(Fields, ErrorsStopTheParse)
{
    const struct { const char* header; const char* box; } cases[] = {
        {"\"A\"(string", "Error: Attribute list was left open"},
        {"\"A\"(  \n", "Error: Attribute list was left open"},
        {"\"A\"(string (Integer))", "Error: Nested attribute lists are not allowed"},
        {"\"A\"(string)(Integer)", "Error: Attributes specified with no associated field"},
        {"(string)", "Error: Attributes specified with no associated field"},
        {"\"A\"(str&ing)", "Error: Field name contains an invalid character"},
        {"\"A\"(my type)", "Error: Field name contains an invalid character"},
        {"\"\"(string)", "Error: Non-hidden attributes used for empty field header"},
        {"\"A\"(string) [", "Unexpected character at position 12 ([) encountered during parse"},
        {"\"A\"(string), \"B\"", "Unexpected character at position 11 (,) encountered during parse"},
        {"Bare", "Error: Field header was left open"},
        {"\"Open", "Error: Field header was left open"},
        {"\"A(b\"(string)", "Error: Field header was left open: A"},
        {"\"A\"(string, sort first)", "Error: Sort specifier bad (first)"},
    };
    for (const auto& c : cases) {
        CFields fields;
        EXPECT_EQ(std::vector<std::string>{c.box}, ParseBoxes(fields, c.header, false)) << c.header;
    }
}

TEST(Fields, WarningsLetTheParseGoOn)
{
    CFields fields;
    EXPECT_EQ((std::vector<std::string>{"Error: Duplicate sort orders", "Warning: Width specifier bad (wide)"}),
              ParseBoxes(fields, "\"A\"(string, sort 2) \"B\"(Integer, sort 2, initial_width wide) \"C\"(string)",
                         true));
    ASSERT_EQ(3, fields.GetCount());
    EXPECT_EQ((std::map<int, int>{{2, 0}}), fields.GetSortOrder());
    EXPECT_EQ(2, fields.GetAt(1)->GetWidth());
}

TEST(Fields, LaterRightClickFieldReplacesEarlier)
{
    CFields fields;
    ASSERT_TRUE(ParseBoxes(fields, "\"A\"(string, rightclick) \"B\"(string, RightClick)", true).empty());
    EXPECT_EQ(fields.GetAt(1), fields.GetRightClickField());
    EXPECT_EQ(1, fields.GetRightClickIndex());
}

TEST(Fields, CopyIsAnIndependentRow)
{
    CFields model;
    ASSERT_TRUE(ParseBoxes(model, "\"Key\"(string, hidden, rightclick) \"Size\"(Integer, sort 1)", true).empty());
    model.GetAt(1)->SetValue("12");

    CFields row(model);
    row.GetAt(1)->SetValue("13");
    ASSERT_EQ(2, row.GetCount());
    EXPECT_STREQ("12", model.GetAt(1)->GetValueText());
    EXPECT_STREQ("13", row.GetAt(1)->GetValueText());
    EXPECT_EQ(row.GetAt(0), row.GetRightClickField());
    EXPECT_EQ(0, row.GetRightClickIndex());
    EXPECT_EQ(-1, row.GetColumn(0));
    EXPECT_EQ(0, row.GetColumn(1));
    EXPECT_EQ(model.GetSortOrder(), row.GetSortOrder());
    EXPECT_STREQ(model.GetHeaderText(), row.GetHeaderText());

    CFields assigned;
    assigned = row;
    EXPECT_STREQ("13", assigned.GetAt(1)->GetValueText());
    EXPECT_EQ(assigned.GetAt(0), assigned.GetRightClickField());

    // Rows share what the header decided; changing it in one changes no other.
    row.GetAt(1)->SetWidth(40);
    row.GetAt(1)->SetName("Renamed");
    EXPECT_EQ(40, row.GetAt(1)->GetWidth());
    EXPECT_EQ(2, model.GetAt(1)->GetWidth());
    EXPECT_STREQ("Size", assigned.GetAt(1)->GetName());
    ASSERT_TRUE(ParseBoxes(model, "\"Other\"(string)", true).empty());
    EXPECT_EQ(2, row.GetCount());
    EXPECT_EQ(0, row.GetColumn(1));
    EXPECT_STREQ("\"Key\"(string, hidden, rightclick) \"Size\"(Integer, sort 1)", row.GetHeaderText());
    EXPECT_EQ(1u, row.GetSortOrder().size());
}

TEST(Fields, MatchLooksIntoEveryValueWithoutCase)
{
    CFields empty;
    EXPECT_TRUE(empty.Match(""));
    EXPECT_FALSE(empty.Match("x"));

    CFields row;
    ASSERT_TRUE(ParseBoxes(row, "\"Name\"(string) \"Key\"(string, hidden)", true).empty());
    row.GetAt(0)->SetValue("  Main Branch  ");
    row.GetAt(1)->SetValue("Hidden-Key");
    EXPECT_TRUE(row.Match("main b"));
    EXPECT_TRUE(row.Match("KEY"));
    EXPECT_FALSE(row.Match("branch  "));
    EXPECT_FALSE(row.Match("absent"));

    row.GetAt(0)->SetValue(_variant_t(std::string(300, 'x').append("Tail ").c_str()));
    row.GetAt(1)->SetValue(_variant_t(1234L));
    EXPECT_TRUE(row.Match("xtail")) << "a value longer than any short buffer";
    EXPECT_FALSE(row.Match("tail "));
    EXPECT_TRUE(row.Match("23")) << "a number is matched as its text";
}
