#include "envlib/BstrHelpers.h"
#include "tests/envlib/BstrText.h"
#include <gtest/gtest.h>
#include <string>

TEST(BstrHelpers, AbsentTextComparesAndSearchesAsEmpty)
{
    _bstr_t absent;
    EXPECT_EQ(0, BstrCompare(absent, ""));
    EXPECT_GT(0, BstrCompare(absent, "a"));
    EXPECT_EQ(0, BstrCompareBstr(absent, _bstr_t("")));
    EXPECT_EQ(-1, BstrFind(absent, "a"));
    EXPECT_EQ(-1, BstrFind(_bstr_t(""), "a"));
}

TEST(BstrHelpers, ComparesAndFindsByByteOffset)
{
    _bstr_t text("Folder:Root@\\tag");
    EXPECT_EQ(0, BstrCompareNoCase(text, "FOLDER:root@\\TAG"));
    EXPECT_NE(0, BstrCompare(text, "FOLDER:root@\\TAG"));
    EXPECT_LT(0, BstrCompareBstr(_bstr_t("b"), _bstr_t("a")));
    EXPECT_EQ(0, BstrFind(text, "Folder"));
    EXPECT_EQ(11, BstrFind(text, "@\\"));
    EXPECT_EQ(-1, BstrFind(text, "folder"));
}

TEST(BstrHelpers, SubstringsClampStartAndCount)
{
    _bstr_t text("abcdef");
    EXPECT_EQ("ab", Text(BstrMid(text, -3, 2)));
    EXPECT_EQ("def", Text(BstrMid(text, 3, 100)));
    EXPECT_EQ("", Text(BstrMid(text, 6, 1)));
    EXPECT_EQ("", Text(BstrMid(text, 2, -1)));
    EXPECT_EQ("abcdef", Text(BstrLeft(text, 10)));
    EXPECT_EQ("abcdef", Text(BstrRight(text, 10)));
    EXPECT_EQ("ef", Text(BstrRight(text, 2)));
    EXPECT_EQ("", Text(BstrLeft(_bstr_t(), 3)));
}

TEST(BstrHelpers, TrimsRemoveExactlyTheFourWhiteSpaceCharacters)
{
    _bstr_t text(" \t a b\v \t\r\n");
    BstrTrimRight(text);
    EXPECT_EQ(" \t a b\v", Text(text));
    BstrTrimLeft(text);
    EXPECT_EQ("a b\v", Text(text));

    _bstr_t blank(" \r\n\t ");
    BstrTrimLeft(blank);
    EXPECT_EQ("", Text(blank));
    _bstr_t blankRight(" \r\n\t ");
    BstrTrimRight(blankRight);
    EXPECT_EQ("", Text(blankRight));
}

TEST(BstrHelpers, TrimsNeverChangeATextSharedWithAnotherBstr)
{
    _bstr_t original("  x  ");
    _bstr_t copy = original;
    BstrTrimLeft(copy);
    BstrTrimRight(copy);
    EXPECT_EQ("x", Text(copy));
    EXPECT_EQ("  x  ", Text(original));
}

TEST(BstrHelpers, FormatPrintsLikeTheRuntime)
{
    _bstr_t result("old");
    BstrFormat(result, "%s|%5d|%-3s|%x|%%|%c", "ab", 42, "z", 0x80004003u, 'q');
    EXPECT_EQ("ab|   42|z  |80004003|%|q", Text(result));
    BstrFormat(result, "%s", static_cast<const char*>(nullptr));
    EXPECT_EQ("(null)", Text(result));
    BstrFormat(result, "%I64d", 1234567890123LL);
    EXPECT_EQ("1234567890123", Text(result));
}

TEST(BstrHelpers, FormatFitsConversionsBeyondAnyEstimate)
{
    _bstr_t result;
    BstrFormat(result, "%300E|", 1.5);
    EXPECT_EQ(301u, result.length());
    EXPECT_EQ('|', Text(result).back());

    // Twelve of them print 156 characters, more than the old fixed margin of 128.
    BstrFormat(result, "%E%E%E%E%E%E%E%E%E%E%E%E", 1e300, 1e300, 1e300, 1e300, 1e300, 1e300, 1e300, 1e300, 1e300,
               1e300, 1e300, 1e300);
    std::string one = "1.000000E+300";
    std::string twelve;
    for (int i = 0; i < 12; ++i)
        twelve += one;
    EXPECT_EQ(twelve, Text(result));

    BstrFormat(result, "%.*f", 2, 1e300);
    EXPECT_EQ(304u, result.length());
}

TEST(BstrHelpers, ReplaceCountsNonOverlappingMatchesAndNeverRescansTheReplacement)
{
    _bstr_t text("a\nb\nc\n");
    EXPECT_EQ(3, BstrReplace(text, "\n", "\n\t\t"));
    EXPECT_EQ("a\n\t\tb\n\t\tc\n\t\t", Text(text));

    _bstr_t doubled("aXa");
    EXPECT_EQ(2, BstrReplace(doubled, "a", "aa"));
    EXPECT_EQ("aaXaa", Text(doubled));

    _bstr_t runs("aaaa");
    EXPECT_EQ(1, BstrReplace(runs, "aaa", nullptr));
    EXPECT_EQ("a", Text(runs));

    _bstr_t caption("QEL Error");
    EXPECT_EQ(1, BstrReplace(caption, "QEL", "Korvast"));
    EXPECT_EQ("Korvast Error", Text(caption));
}

TEST(BstrHelpers, ReplaceWithoutFindTextChangesNothing)
{
    _bstr_t text("abc");
    EXPECT_EQ(0, BstrReplace(text, "", "x"));
    EXPECT_EQ(0, BstrReplace(text, nullptr, "x"));
    EXPECT_EQ(0, BstrReplace(text, "z", "x"));
    EXPECT_EQ("abc", Text(text));
}

TEST(BstrHelpers, StripQuotesHandlesEachEndOnItsOwn)
{
    const char* cases[][2] = {{"\"x y\"", "x y"}, {"\"x", "x"}, {"x\"", "x"}, {"\"", ""}, {"\"\"", ""}, {"", ""},
                              {"x\"y", "x\"y"}};
    for (auto& c : cases) {
        _bstr_t text(c[0]);
        BstrStripQuotes(text);
        EXPECT_EQ(c[1], Text(text)) << "from " << c[0];
    }
}

TEST(BstrHelpers, AppendBackslashAddsOneOnlyWhenMissing)
{
    const char* cases[][2] = {{"", "\\"}, {"C:\\home\\", "C:\\home\\"}, {"C:\\home", "C:\\home\\"}};
    for (auto& c : cases) {
        _bstr_t text(c[0]);
        AppendBackslash(text);
        EXPECT_EQ(c[1], Text(text)) << "from " << c[0];
    }
    _bstr_t absent;
    AppendBackslash(absent);
    EXPECT_EQ("\\", Text(absent));
}
