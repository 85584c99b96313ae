// The paths of a chooser's selector text.
#include "envlib/SelectorPaths.h"
#include <gtest/gtest.h>
#include <string>

namespace {
std::string Joined(const char* selector)
{
    std::string joined;
    for (const CString& path : SplitSelectorPaths(selector))
        joined += "[" + std::string(path) + "]";
    return joined;
}
}

TEST(SelectorPathsTest, QuotedPathsSplitAtTheirQuotesAndAnUnquotedPathKeepsItsBlanks)
{
    EXPECT_EQ("[C:\\v\\a][C:\\v\\b]", Joined(" \"C:\\v\\a\" \"C:\\v\\b\""));
    EXPECT_EQ("[a][b]", Joined("\"a\"\"b\""));
    EXPECT_EQ("[C:\\my view\\a b]", Joined("  C:\\my view\\a b  "));
    EXPECT_EQ("[a][b]", Joined("a \"b"));
    EXPECT_EQ("", Joined(" \"\"  \" \" "));
}
