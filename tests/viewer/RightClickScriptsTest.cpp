#include "viewer/RightClickScripts.h"
#include "tests/support/WatchedParse.h"
#include <gtest/gtest.h>

namespace {
const char* const kCaption = "Right-click scripts parsing error";

// Parses `text` while answering boxes; returns the result and the box texts shown.
struct ParseOutcome {
    bool parsed;
    std::vector<std::string> boxes;
};

ParseOutcome ParseWatched(CRightClickScripts& scripts, const char* text)
{
    const WatchedParse parse = WatchParse([&] { return scripts.Parse(text); });
    return { parse.parsed, BoxTexts(parse.boxes, kCaption) };
}

void ExpectEntry(const CRightClickScript& script, const char* fileName, const char* menuText, const char* prefix)
{
    EXPECT_FALSE(script.IsSeparator());
    EXPECT_STREQ(fileName, script.GetFileName());
    EXPECT_STREQ(menuText, script.GetMenuText());
    EXPECT_STREQ(prefix, script.GetInterpreterPrefix());
}
}

TEST(RightClickScripts, BareNameGetsPrlAndBothScopes)
{
    CRightClickScripts scripts;
    ParseOutcome outcome = ParseWatched(scripts, "  test_rightclick_1 ");
    EXPECT_TRUE(outcome.parsed);
    EXPECT_TRUE(outcome.boxes.empty());
    ASSERT_EQ(1, scripts.GetCount());
    ExpectEntry(scripts.GetAt(0), "test_rightclick_1.prl", "test rightclick 1", "kvperl ");
    EXPECT_TRUE(scripts.GetAt(0).IsUsableFor(1));
    EXPECT_TRUE(scripts.GetAt(0).IsUsableFor(3));
}

TEST(RightClickScripts, InterpreterFollowsTheExtensionWithoutCase)
{
    CRightClickScripts scripts;
    ParseOutcome outcome = ParseWatched(scripts, "a.PL b.Js c.vbs d.exe \"my report.vbs\" e.prl\tf.txt ");
    EXPECT_TRUE(outcome.parsed);
    ASSERT_EQ(6, scripts.GetCount());
    ExpectEntry(scripts.GetAt(0), "a.PL", "a", "perl ");
    ExpectEntry(scripts.GetAt(1), "b.Js", "b", "cscript \"/nologo\" ");
    ExpectEntry(scripts.GetAt(2), "c.vbs", "c", "cscript \"/nologo\" ");
    ExpectEntry(scripts.GetAt(3), "d.exe", "d", "");
    ExpectEntry(scripts.GetAt(4), "my report.vbs", "my report", "cscript \"/nologo\" ");
    ExpectEntry(scripts.GetAt(5), "e.prl\tf.txt", "e.prl\tf", "");
}

TEST(RightClickScripts, ScopeListsSetExactlyTheScopesNamed)
{
    CRightClickScripts scripts;
    ParseOutcome outcome =
        ParseWatched(scripts, "one two(single) three ( MULTIPLE ) four(single,multiple) five() six(\n) ");
    EXPECT_TRUE(outcome.parsed);
    EXPECT_TRUE(outcome.boxes.empty());
    ASSERT_EQ(6, scripts.GetCount());
    const bool expected[6][2] = { { true, true }, { true, false }, { false, true },
                                  { true, true }, { true, true },  { true, true } };
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(expected[i][0], scripts.GetAt(i).IsSingle()) << i;
        EXPECT_EQ(expected[i][1], scripts.GetAt(i).IsMultiple()) << i;
    }
    EXPECT_TRUE(scripts.GetAt(1).IsUsableFor(0));
    EXPECT_TRUE(scripts.GetAt(1).IsUsableFor(1));
    EXPECT_FALSE(scripts.GetAt(1).IsUsableFor(2));
    EXPECT_FALSE(scripts.GetAt(2).IsUsableFor(1));
    EXPECT_TRUE(scripts.GetAt(2).IsUsableFor(2));
}

TEST(RightClickScripts, UnknownScopeOnlyWarns)
{
    CRightClickScripts scripts;
    ParseOutcome outcome = ParseWatched(scripts, "test_rightclick_1(double) test_rightclick_2 ");
    EXPECT_TRUE(outcome.parsed);
    EXPECT_EQ(std::vector<std::string>{ "Unknown Script Scope: double\n" }, outcome.boxes);
    ASSERT_EQ(2, scripts.GetCount());
    EXPECT_FALSE(scripts.GetAt(0).IsUsableFor(1));
    EXPECT_FALSE(scripts.GetAt(0).IsUsableFor(2));
    EXPECT_TRUE(scripts.GetAt(1).IsUsableFor(1));
}

TEST(RightClickScripts, SeparatorTakesAPlaceOfItsOwn)
{
    CRightClickScripts scripts;
    EXPECT_TRUE(ParseWatched(scripts, "first sep second ").parsed);
    ASSERT_EQ(3, scripts.GetCount());
    EXPECT_FALSE(scripts.GetAt(0).IsSeparator());
    EXPECT_TRUE(scripts.GetAt(1).IsSeparator());
    EXPECT_STREQ("sep", scripts.GetAt(1).GetFileName());
    ExpectEntry(scripts.GetAt(2), "second.prl", "second", "kvperl ");
}

TEST(RightClickScripts, QuotedNameWithBlanksInsideItsQuotesEndsAtItsQuote)
{
    CRightClickScripts scripts;
    ParseOutcome outcome = ParseWatched(scripts, "\"  my report.vbs \"(single) next ");
    EXPECT_TRUE(outcome.parsed);
    EXPECT_TRUE(outcome.boxes.empty());
    ASSERT_EQ(2, scripts.GetCount());
    ExpectEntry(scripts.GetAt(0), "my report.vbs", "my report", "cscript \"/nologo\" ");
    EXPECT_FALSE(scripts.GetAt(0).IsMultiple());
    ExpectEntry(scripts.GetAt(1), "next.prl", "next", "kvperl ");
}

TEST(RightClickScripts, ErrorsStopTheParseWithOneBox)
{
    struct Case {
        const char* text;
        const char* message;
        int entriesKept;
    };
    const Case cases[] = {
        { "test_rightclick_1", "Error: Script was left open", 0 },
        { "a \"b", "Error: Script was left open", 1 },
        { "(single)", "Error: Attributes specified with no associated script", 0 },
        { "a(single)(multiple)", "Error: Attributes specified with no associated script", 1 },
        { "a( single", "Error: Attribute list was left open", 1 },
        { "a(  \n", "Error: Attribute list was left open", 1 },
        { "a(single(multiple))", "Error: Nested attribute lists are not allowed", 1 },
        { "a b ,c ", "Unexpected character at position 4 (,) encountered during parse\n", 2 },
        { "a \rb ", "Unexpected character at position 2 (\r) encountered during parse\n", 1 },
        { "1abc ", "Unexpected character at position 0 (1) encountered during parse\n", 0 },
    };
    for (const Case& c : cases) {
        CRightClickScripts scripts;
        ParseOutcome outcome = ParseWatched(scripts, c.text);
        EXPECT_FALSE(outcome.parsed) << c.text;
        EXPECT_EQ(std::vector<std::string>{ c.message }, outcome.boxes) << c.text;
        EXPECT_EQ(c.entriesKept, scripts.GetCount()) << c.text;
    }
}

TEST(RightClickScripts, EmptyListStillAllowsOneRealList)
{
    CRightClickScripts scripts;
    EXPECT_TRUE(ParseWatched(scripts, "a()(multiple) ").parsed);
    ASSERT_EQ(1, scripts.GetCount());
    EXPECT_FALSE(scripts.GetAt(0).IsSingle());
    EXPECT_TRUE(scripts.GetAt(0).IsMultiple());
}

TEST(RightClickScripts, CopyIsDeep)
{
    auto original = std::make_unique<CRightClickScripts>();
    ASSERT_TRUE(ParseWatched(*original, "a(single) SEP b ").parsed);
    CRightClickScripts copy(*original);
    original.reset();
    ASSERT_EQ(3, copy.GetCount());
    ExpectEntry(copy.GetAt(0), "a.prl", "a", "kvperl ");
    EXPECT_FALSE(copy.GetAt(0).IsMultiple());
    EXPECT_TRUE(copy.GetAt(1).IsSeparator());
    ExpectEntry(copy.GetAt(2), "b.prl", "b", "kvperl ");
}
