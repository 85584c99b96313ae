#include "envlib/Registry.h"
#include <gtest/gtest.h>
#include <string>

namespace {
const char* kTestKey = "Software\\KorvastTests\\Registry";

class RegistryTest : public testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey);
        ASSERT_TRUE(registry.Create(HKEY_CURRENT_USER, kTestKey, nullptr, KEY_ALL_ACCESS));
    }
    void TearDown() override
    {
        registry.Close();
        RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey);
    }
    std::string RawValue(const char* name, DWORD* type)
    {
        char data[1024];
        DWORD size = sizeof data;
        EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(registry.GetKey(), name, nullptr, type, (BYTE*)data, &size));
        return std::string(data, size);
    }
    CRegistry registry;
};
}

TEST(Registry, ClosingANeverOpenedKeySucceeds)
{
    CRegistry registry;
    EXPECT_TRUE(registry.Close());
}

TEST_F(RegistryTest, WritesEachValueTypeWithItsExactBytes)
{
    const char list[] = "a\0b\0";
    ASSERT_TRUE(registry.SetMultiString("multi", list));
    ASSERT_TRUE(registry.SetString("text", "abc"));
    ASSERT_TRUE(registry.SetDword("number", 0x12345678));
    DWORD type = 0;
    EXPECT_EQ(std::string("a\0b\0\0", 5), RawValue("multi", &type));
    EXPECT_EQ(DWORD(REG_MULTI_SZ), type);
    EXPECT_EQ(std::string("abc\0", 4), RawValue("text", &type));
    EXPECT_EQ(DWORD(REG_SZ), type);
    DWORD number = 0;
    ASSERT_TRUE(registry.QueryDword("number", &number));
    EXPECT_EQ(0x12345678u, number);
}

TEST_F(RegistryTest, QueryStringLeavesTheBufferAloneOnFailure)
{
    char buffer[CRegistry::kTextBufferSize];
    strcpy(buffer, "untouched");
    ASSERT_TRUE(registry.SetString("long", std::string(300, 'x').c_str()));
    EXPECT_FALSE(registry.QueryString("long", buffer));
    EXPECT_EQ(ERROR_MORE_DATA, registry.GetLastError());
    EXPECT_STREQ("untouched", buffer);
    EXPECT_FALSE(registry.QueryString("absent", buffer));
    EXPECT_STREQ("untouched", buffer);
}

TEST_F(RegistryTest, QueryStringEndsATextStoredWithoutItsNul)
{
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(registry.GetKey(), "bare", 0, REG_SZ, (const BYTE*)"abcd", 4));
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetValueExA(registry.GetKey(), "full", 0, REG_BINARY, (const BYTE*)std::string(260, 'y').data(), 260));
    char buffer[CRegistry::kTextBufferSize];
    ASSERT_TRUE(registry.QueryString("bare", buffer));
    EXPECT_STREQ("abcd", buffer);
    ASSERT_TRUE(registry.QueryString("full", buffer));
    EXPECT_EQ(std::string(259, 'y'), buffer);
}

TEST_F(RegistryTest, EnumerationEndsWithNoMoreItemsAndStopsAtOverlongNames)
{
    EXPECT_FALSE(registry.HasValues());
    registry.SetString("first", "1");
    EXPECT_TRUE(registry.HasValues());
    char name[CRegistry::kNameBufferSize];
    DWORD type = 0;
    ASSERT_TRUE(registry.EnumFirstValue(name, &type));
    EXPECT_STREQ("first", name);
    EXPECT_EQ(DWORD(REG_SZ), type);
    EXPECT_FALSE(registry.EnumNextValue(name, &type));
    EXPECT_EQ(ERROR_NO_MORE_ITEMS, registry.GetLastError());

    registry.SetString(std::string(300, 'n').c_str(), "2");
    int listed = 0;
    for (bool more = registry.EnumFirstValue(name, &type); more; more = registry.EnumNextValue(name, &type))
        ++listed;
    EXPECT_LT(listed, 2);
    EXPECT_EQ(ERROR_MORE_DATA, registry.GetLastError());
}
