#include "afx/CMapStringToString.h"
#include <gtest/gtest.h>
#include <set>

TEST(CMapStringToString, SetLookupAndRemove)
{
    CMapStringToString map;
    map.SetAt("a", "1");
    map["b"] = "2";
    map.SetAt("a", "3");
    CString value;
    ASSERT_TRUE(map.Lookup("a", value));
    EXPECT_STREQ("3", value);
    EXPECT_EQ(2, map.GetCount());
    EXPECT_TRUE(map.RemoveKey("a"));
    EXPECT_FALSE(map.Lookup("a", value));
    ASSERT_TRUE(map.Lookup("b", value));
    EXPECT_STREQ("2", value);
}

TEST(CMapStringToString, IterationVisitsEveryPairOnce)
{
    CMapStringToString map;
    for (const char* key : { "x", "y", "z" })
        map.SetAt(key, key);
    map.RemoveKey("x");
    std::set<std::string> seen;
    for (POSITION position = map.GetStartPosition(); position != nullptr;) {
        CString key, value;
        map.GetNextAssoc(position, key, value);
        EXPECT_EQ(key, value);
        seen.insert(std::string(key));
    }
    EXPECT_EQ((std::set<std::string>{ "y", "z" }), seen);
}
