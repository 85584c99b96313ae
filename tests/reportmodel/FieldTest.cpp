#include "reportmodel/DateTimeText.h"
#include "reportmodel/Field.h"
#include <gtest/gtest.h>

namespace {

CField FieldOf(const char* type, const char* value)
{
    CField field("Column");
    field.SetType(type);
    field.SetValue(value);
    return field;
}

int CompareValues(const char* type, const char* mine, const char* theirs)
{
    return FieldOf(type, mine).Compare(FieldOf(type, theirs));
}

// The local calendar time of a time value, so that the checks hold in any time zone.
tm LocalCalendar(__time64_t seconds)
{
    tm calendar = {};
    _localtime64_s(&calendar, &seconds);
    return calendar;
}

}

TEST(Field, DefaultsAndWidthsByType)
{
    CField field;
    EXPECT_EQ(10, field.GetWidth());
    EXPECT_TRUE(field.IsVisible());
    EXPECT_FALSE(field.IsRightClick());
    EXPECT_EQ(VT_BSTR, field.GetValue().vt);
    EXPECT_STREQ("", field.GetValueText());

    const struct { const char* type; int width; } cases[] = {
        {"INTEGER", 2}, {"integer", 2}, {"time_t", 9}, {"KVTIME", 18}, {"folder_objsel", 25},
        {"Element_pn", 33}, {"Trigger_objsel", 25}, {"yes_no", 3}, {"", 20}, {"Unknown", 20},
    };
    for (const auto& c : cases) {
        field.SetWidth(99);
        field.SetType(c.type);
        EXPECT_EQ(c.width, field.GetWidth()) << c.type;
        EXPECT_STREQ(c.type, field.GetType());
    }
}

TEST(Field, NumericTypesCompareAsNumbers)
{
    EXPECT_EQ(-1, CompareValues("Integer", "9", "10"));
    EXPECT_EQ(1, CompareValues("INTEGER", "10", "9"));
    EXPECT_EQ(-1, CompareValues("time_t", "999", "1000"));
    EXPECT_EQ(0, CompareValues("Integer", " 42 ", "42"));
    EXPECT_EQ(0, CompareValues("Integer", "none", "0"));
    EXPECT_EQ(-1, CompareValues("Integer", "-3", "none"));
}

TEST(Field, OtherTypesCompareAsTrimmedTextWithoutCase)
{
    EXPECT_LT(CompareValues("string", "10", "9"), 0);
    EXPECT_LT(CompareValues("Unknown", "10", "9"), 0);
    EXPECT_EQ(0, CompareValues("string", "  Main ", "main"));
    EXPECT_GT(CompareValues("", "beta", "Alpha"), 0);
}

TEST(Field, KvtimeComparesDateTimes)
{
    EXPECT_EQ(-1, CompareValues("kvtime", "31-Dec-25.23:59", "01-Jan-26.00:00"));
    EXPECT_EQ(1, CompareValues("KVTIME", "07-Dec-26.10:00", "07-Dec-95.10:00"));
    EXPECT_EQ(0, CompareValues("kvtime", " 07-Dec-26.23:30:15 ", "07-dec-26.23:30"));
    EXPECT_EQ(-1, CompareValues("kvtime", "07-Foo-26.23:30", "01-Jan-90.00:00"));
    EXPECT_EQ(-1, CompareValues("kvtime", "07-Dec-26", "01-Jan-90.00:00"));
}

TEST(Field, ValueWithoutTextFormComparesAsEmpty)
{
    CField nullValue("Column");
    nullValue.SetType("string");
    _variant_t null;
    null.vt = VT_NULL;
    nullValue.SetValue(null);
    EXPECT_STREQ("", nullValue.GetValueText());
    EXPECT_LT(nullValue.Compare(FieldOf("string", "a")), 0);
}

TEST(Field, CopyTakesValueAndSettings)
{
    CField original = FieldOf("Integer", "17");
    original.SetVisible(false);
    original.SetRightClick(true);
    original.SetWidth(33);

    CField copy(original);
    original.SetValue("18");
    EXPECT_STREQ("Column", copy.GetName());
    EXPECT_STREQ("Integer", copy.GetType());
    EXPECT_STREQ("17", copy.GetValueText());
    EXPECT_FALSE(copy.IsVisible());
    EXPECT_TRUE(copy.IsRightClick());
    EXPECT_EQ(33, copy.GetWidth());

    CField assigned;
    assigned = original;
    EXPECT_STREQ("18", assigned.GetValueText());
    EXPECT_EQ(33, assigned.GetWidth());
}

TEST(Field, ComparisonFollowsLaterValueAndTypeChanges)
{
    CField nine = FieldOf("Integer", "9");
    CField ten = FieldOf("Integer", "10");
    EXPECT_EQ(-1, nine.Compare(ten));

    nine.SetValue("11");
    EXPECT_EQ(1, nine.Compare(ten)) << "a new value replaces the one compared before";
    CField copy(nine);
    nine.SetValue("3");
    EXPECT_EQ(1, copy.Compare(ten)) << "a copy keeps its own value's order";
    EXPECT_EQ(-1, nine.Compare(ten));

    nine.SetType("string");
    EXPECT_GT(nine.Compare(ten), 0) << "text order once the type is no longer numeric";
    ten.SetType("kvtime");
    ten.SetValue("07-Dec-26.23:30");
    nine.SetType("kvtime");
    nine.SetValue("07-Dec-26.23:29");
    EXPECT_EQ(-1, nine.Compare(ten));
    EXPECT_EQ(1, ten.Compare(nine));
}

// A text sort key is owned by its field: copies, assignment and a change of
// kind must neither share nor lose it.
TEST(Field, TextSortKeysBelongToTheirField)
{
    CField apple = FieldOf("string", " Apple ");
    CField banana = FieldOf("string", "banana");
    EXPECT_LT(apple.Compare(banana), 0);
    CField copy(apple);
    apple = banana;
    EXPECT_EQ(0, apple.Compare(banana));
    EXPECT_LT(copy.Compare(banana), 0);
    copy.SetValue("Cherry");
    EXPECT_GT(copy.Compare(banana), 0);
    copy.SetType("Integer");
    copy.SetValue("7");
    EXPECT_EQ(1, copy.Compare(FieldOf("Integer", "6")));
    EXPECT_STREQ("string", banana.GetType()) << "the copy's type is its own";
}

// How a report's output fills a row: so many bytes of a line, as text in the
// program's code page, replacing the value a comparison knew before.
TEST(Field, ValueTextTakesItsBytesAsTextAndReplacesTheOldOrder)
{
    CField field = FieldOf("Integer", "5");
    EXPECT_EQ(-1, field.Compare(FieldOf("Integer", "6")));
    field.SetValueText("70;8", 2);
    EXPECT_EQ(VT_BSTR, field.GetValue().vt);
    EXPECT_STREQ("70", field.GetValueText());
    EXPECT_EQ(1, field.Compare(FieldOf("Integer", "6")));
    field.SetValueText("caf\xE9", 4);
    EXPECT_STREQ("caf\xE9", field.GetValueText());
    field.SetValueText("", 0);
    EXPECT_EQ(VT_BSTR, field.GetValue().vt);
    EXPECT_STREQ("", field.GetValueText());
}

TEST(DateTimeText, ReadsDayMonthYearHourAndMinuteAsLocalTime)
{
    const tm december = LocalCalendar(ParseDateTimeText("07-Dec-26.23:30:15"));
    EXPECT_EQ(2026 - 1900, december.tm_year);
    EXPECT_EQ(11, december.tm_mon);
    EXPECT_EQ(7, december.tm_mday);
    EXPECT_EQ(23, december.tm_hour);
    EXPECT_EQ(30, december.tm_min);
    EXPECT_EQ(0, december.tm_sec);

    const tm nineties = LocalCalendar(ParseDateTimeText("7.DEC.95:23:30"));
    EXPECT_EQ(1995 - 1900, nineties.tm_year);
    EXPECT_EQ(11, nineties.tm_mon);

    const tm fullYear = LocalCalendar(ParseDateTimeText("1-jan-2031.08: 05 "));
    EXPECT_EQ(2031 - 1900, fullYear.tm_year);
    EXPECT_EQ(8, fullYear.tm_hour);
    EXPECT_EQ(5, fullYear.tm_min);
}

TEST(DateTimeText, InvalidTextsGiveZero)
{
    const char* const texts[] = {
        "", "07-Dec-26", "07-Dec-26.23", "07-Foo-26.23:30", "xx-Dec-26.23:30", "07-Dec-yy.23:30",
        "07-Dec-26.hh:30", "07-Dec-26.23:mm", "00-Dec-26.23:30", "32-Dec-26.23:30", "07-Dec-26.24:00",
        "07-Dec-26.23:60", "07-Dec-1850.10:00", "07-December-26.23:30",
    };
    for (const char* text : texts)
        EXPECT_EQ(0, ParseDateTimeText(text)) << text;
}
