#include "reportmodel/CommandLineMap.h"
#include <gtest/gtest.h>

namespace {
CString ValueOf(const CCommandLineMap& map, const char* name)
{
    CString value("<absent>");
    map.Lookup(name, value);
    return value;
}
}

TEST(CommandLineMap, ViewerSwitchesKeepTheirValuesUpToTheNextBackQuote)
{
    const CCommandLineMap map("`E:kvperl \"C:\\My Reports\\scripts\\a.prl\" `D:\"C:\\My Reports\\scripts\\\" "
                              "`P:name=\\\"a b\\\"; `F:\"Full Name\",Size(sort=1)`T:Sizes ");
    EXPECT_EQ(5, map.GetCount());
    EXPECT_STREQ("kvperl \"C:\\My Reports\\scripts\\a.prl\" ", ValueOf(map, "e"));
    EXPECT_STREQ("\"C:\\My Reports\\scripts\\\" ", ValueOf(map, "D"));
    EXPECT_STREQ("name=\\\"a b\\\"; ", ValueOf(map, "p"));
    EXPECT_STREQ("\"Full Name\",Size(sort=1)", ValueOf(map, "f"));
    EXPECT_STREQ("Sizes ", ValueOf(map, "T"));
}

TEST(CommandLineMap, ReportWithoutOptionalSwitchesStillGivesEAndD)
{
    const CCommandLineMap map("`E:\"C:\\r\\list.exe\" `D:\"C:\\r\\\"  ");
    EXPECT_EQ(2, map.GetCount());
    EXPECT_STREQ("\"C:\\r\\\"  ", ValueOf(map, "d"));
    EXPECT_FALSE(map.HasSwitch("p"));
}

TEST(CommandLineMap, BackQuoteInsideDoubleQuotesStaysInTheValue)
{
    const CCommandLineMap map("`T:\"one `two\" `X:y");
    EXPECT_STREQ("\"one `two\" ", ValueOf(map, "t"));
    EXPECT_STREQ("y", ValueOf(map, "x"));
}

TEST(CommandLineMap, UnclosedDoubleQuoteDoesNotHideTheFollowingSwitches)
{
    // A parameter value holding one double quote leaves the argument text with an odd number of them.
    const CCommandLineMap map("`E:perl \"C:\\r\\a.pl\" `D:\"C:\\r\\\" `P:size=\\\"5\"\\\"; "
                              " `F:\"Full Name\",Size`T:Sizes ");
    EXPECT_STREQ("size=\\\"5\"\\\";  ", ValueOf(map, "p"));
    EXPECT_STREQ("\"Full Name\",Size", ValueOf(map, "f"));
    EXPECT_STREQ("Sizes ", ValueOf(map, "t"));

    const CCommandLineMap atEnd("`X:a `T:\"open title");
    EXPECT_STREQ("\"open title", ValueOf(atEnd, "t"));
}

TEST(CommandLineMap, LoneBackQuotesAndBlanksAddNothing)
{
    EXPECT_EQ(0, CCommandLineMap("`").GetCount());
    EXPECT_EQ(0, CCommandLineMap("    ").GetCount());
    EXPECT_EQ(0, CCommandLineMap("").GetCount());
    EXPECT_EQ(1, CCommandLineMap("``A:1").GetCount());
}

TEST(CommandLineMap, SwitchNamesAndColons)
{
    const CCommandLineMap map("`Verbose`Time:12:30 `NAME:first `name:second");
    EXPECT_TRUE(map.HasSwitch("VERBOSE"));
    EXPECT_STREQ("", ValueOf(map, "verbose"));
    EXPECT_STREQ("12:30 ", ValueOf(map, "time"));
    EXPECT_STREQ("second", ValueOf(map, "Name"));
    EXPECT_EQ(3, map.GetCount());
}

TEST(CommandLineMap, TextBeforeTheFirstSwitchIsPositional)
{
    CCommandLineMap map("  report.prl  `T:x");
    CString word;
    ASSERT_TRUE(map.LookupPositional(0, word));
    EXPECT_STREQ("report.prl  ", word);
    EXPECT_FALSE(map.LookupPositional(1, word));

    map.AddPositional("more");
    ASSERT_TRUE(map.LookupPositional(1, word));
    EXPECT_STREQ("more", word);
    EXPECT_TRUE(CCommandLineMap::IsPositionalKey("#1"));
    EXPECT_EQ(12, CCommandLineMap::GetPositionalIndex("#12"));
    EXPECT_EQ(0, CCommandLineMap::GetPositionalIndex("t"));
}

TEST(CommandLineMap, ParseStartsAfresh)
{
    CCommandLineMap map("first `A:1");
    map.Parse("second `B:2");
    CString word;
    ASSERT_TRUE(map.LookupPositional(0, word));
    EXPECT_STREQ("second ", word);
    EXPECT_FALSE(map.HasSwitch("a"));
}

TEST(CommandLineMap, RebuiltCommandLinePutsPositionalWordsFirst)
{
    CCommandLineMap map("`X:1 `Flag");
    map.AddPositional("two");
    map.SetSwitch("Y", "a b  ");
    EXPECT_STREQ("two `x:1  `flag `y:a b", map.GetCommandLine());
}
