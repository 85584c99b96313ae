#include "reportmodel/StringTokenizer.h"
#include "reportmodel/ReportModelStrings.h"
#include <gtest/gtest.h>

TEST(StringTokenizer, LastTokenIsOnlyInTheRemainder)
{
    CStringTokenizer tokenizer("a,b", ",");
    CString token;
    EXPECT_TRUE(tokenizer.NextToken(token, true));
    EXPECT_STREQ("a", token);
    EXPECT_STREQ("b", tokenizer.GetRemainder());
    EXPECT_FALSE(tokenizer.NextToken(token, true));
    EXPECT_STREQ("", token);
    EXPECT_STREQ("", tokenizer.GetRemainder());
}

TEST(StringTokenizer, WithoutSkippingAPendingDelimiterGivesAnEmptyToken)
{
    CStringTokenizer skipping(",,x,", ",");
    CString token;
    EXPECT_TRUE(skipping.NextToken(token, true));
    EXPECT_STREQ("x", token);

    CStringTokenizer plain(",,x,", ",");
    EXPECT_TRUE(plain.NextToken(token, false));
    EXPECT_STREQ("", token);
}

TEST(StringTokenizer, EmptyTextAndEmptyDelimiterSetGiveNoTokens)
{
    CString token;
    CStringTokenizer empty("", ",");
    EXPECT_FALSE(empty.NextToken(token, true));
    EXPECT_STREQ("", empty.GetRemainder());

    CStringTokenizer noDelimiters("a,b,", ",");
    noDelimiters.SetDelimiters("");
    EXPECT_FALSE(noDelimiters.NextToken(token, true));
}

TEST(StringTokenizer, HighByteDelimitersAreRecognised)
{
    CStringTokenizer tokenizer("ab\xe9" "cd\xe9", "\xe9");
    CString token;
    EXPECT_TRUE(tokenizer.NextToken(token, true));
    EXPECT_STREQ("ab", token);
    EXPECT_TRUE(tokenizer.NextToken(token, true));
    EXPECT_STREQ("cd", token);
}

TEST(ReportModelStrings, TableCarriesQuotesAndLineBreaks)
{
    CString text;
    ASSERT_TRUE(text.LoadString(IDS_INVALID_PARAMETER_TEXT));
    EXPECT_STREQ("In the Report with Description \"<report>\",\n\nthe parameter named  \"<param>\"\n\n"
                 "does not match any valid built-in parameter ",
                 text);
    ASSERT_TRUE(text.LoadString(61208));
    EXPECT_STREQ("Select <%s>  in Mivad Process OLPEX", text);
}
