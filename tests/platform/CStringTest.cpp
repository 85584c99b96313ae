#include "afx/CString.h"
#include <gtest/gtest.h>

TEST(CString, SubstringsClampToTheText)
{
    CString text("abcdef");
    EXPECT_STREQ("cd", text.Mid(2, 2));
    EXPECT_STREQ("ef", text.Mid(4, 10));
    EXPECT_STREQ("", text.Mid(9));
    EXPECT_STREQ("abcdef", text.Left(50));
    EXPECT_STREQ("ef", text.Right(2));
    EXPECT_STREQ("abcdef", text.Right(7));
}

TEST(CString, TrimsWhiteSpaceOrGivenCharacters)
{
    CString text(" \t value \r\n");
    EXPECT_STREQ("value", text.Trim());
    CString quoted("\"x\"");
    EXPECT_STREQ("x\"", quoted.TrimLeft('"'));
}

TEST(CString, ReplaceDoesNotRescanInsertedText)
{
    CString text("a-b-c");
    EXPECT_EQ(2, text.Replace("-", "--"));
    EXPECT_STREQ("a--b--c", text);
    EXPECT_EQ(0, text.Replace("", "x"));
}

TEST(CString, FormatSizesItsOutputExactly)
{
    CString long1(' ', 5000);
    CString text;
    text.Format("%s|%d|%s", (const char*)long1, 42, "end");
    EXPECT_EQ(5000 + 7, text.GetLength());
    EXPECT_STREQ("|42|end", text.Right(7));
}

TEST(CString, BufferRoundTripFollowsTheTerminatingNul)
{
    CString text;
    char* buffer = text.GetBuffer(16);
    strcpy(buffer, "abc");
    text.ReleaseBuffer();
    EXPECT_EQ(3, text.GetLength());
    EXPECT_EQ(0, text.CompareNoCase("ABC"));
}
