#include "envlib/ProductEnv.h"
#include "tests/envlib/BstrText.h"
#include "tests/support/ChildRun.h"
#include "tests/support/TestFiles.h"
#include "tests/support/RegistryKeyBackup.h"
#include "tests/support/ScratchFolder.h"
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <string>

namespace {
bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Each test starts from an empty settings key and a fresh scratch folder; the
// key as it was (the simulated product may have filled it) comes back afterwards.
class ProductSettingsTest : public testing::Test {
protected:
    // Writes a setting; false when it could not, for the test to stop.
    bool SetSetting(const char* name, const std::string& text)
    {
        return SetRawSetting(name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }
    bool SetRawSetting(const char* name, DWORD type, const void* data, DWORD size)
    {
        HKEY settings = nullptr;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kProductVersionKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &settings,
                            nullptr) != ERROR_SUCCESS)
            return false;
        bool written = RegSetValueExA(settings, name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
        RegCloseKey(settings);
        return written;
    }
    // Runs IsLegacyVersion in a new process; see LegacyVersionProbe.cpp for the code.
    int RunLegacyProbe(const char* rewrittenVersion)
    {
        return RunAndCapture("\"" + ProgramFolder() + "legacy_version_probe.exe\" " + rewrittenVersion).exitCode;
    }

    RegistryKeyBackup m_settings{HKEY_LOCAL_MACHINE, kProductVersionKey};
    CProductEnv env;
    ScratchFolder m_folder{"settings"};
    std::string m_scratch = m_folder.MakeFolder("scratch");
    std::string m_home = m_folder.MakeFolder("home");
};

const int kLegacyOnceComputed = 3;
const int kCurrentOnceComputed = 0;
}

TEST(LegacyVersion, AnyTextContainingFourDotOneIsLegacy)
{
    EXPECT_TRUE(IsLegacyVersionText("4.1"));
    EXPECT_TRUE(IsLegacyVersionText("4.1.2"));
    EXPECT_TRUE(IsLegacyVersionText("14.10"));
    EXPECT_FALSE(IsLegacyVersionText("4.0"));
    EXPECT_FALSE(IsLegacyVersionText("7.1.4"));
    EXPECT_FALSE(IsLegacyVersionText(""));
}

TEST_F(ProductSettingsTest, LegacyFlagIsSettledByTheFirstProductEnvAndKept)
{
    EXPECT_EQ(kLegacyOnceComputed, RunLegacyProbe("7.0")) << "without the settings key";
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kProductVersionKey);
    ASSERT_TRUE(SetSetting("ProductHome", m_home));
    EXPECT_EQ(kCurrentOnceComputed, RunLegacyProbe("4.1")) << "without the version value";
    ASSERT_TRUE(SetSetting("KorvastMajorVersion", "14.10"));
    EXPECT_EQ(kLegacyOnceComputed, RunLegacyProbe("7.0"));
    ASSERT_TRUE(SetSetting("KorvastMajorVersion", "7.0"));
    EXPECT_EQ(kCurrentOnceComputed, RunLegacyProbe("4.1"));
}

TEST_F(ProductSettingsTest, WithoutTheSettingsKeyFoldersStartAtTheDriveRoot)
{
    EXPECT_EQ("", Text(env.GetProductHome()));
    EXPECT_EQ("\\bin\\", Text(env.GetProductBinFolder()));
    EXPECT_FALSE(env.SetReportsPath(_bstr_t(m_scratch.c_str())));
    HKEY settings = nullptr;
    EXPECT_NE(0, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProductVersionKey, 0, KEY_READ, &settings))
        << "a failed write must not create the key";
}

TEST_F(ProductSettingsTest, ProductHomeGetsExactlyOneBackslashBeforeItsSubfolders)
{
    ASSERT_TRUE(SetSetting("ProductHome", m_home));
    EXPECT_EQ(m_home, Text(env.GetProductHome()));
    EXPECT_EQ(m_home + "\\bin\\", Text(env.GetProductBinFolder()));
    ASSERT_TRUE(SetSetting("ProductHome", m_home + "\\"));
    EXPECT_EQ(m_home + "\\", Text(env.GetProductHome()));
    EXPECT_EQ(m_home + "\\bin\\", Text(env.GetProductBinFolder()));
    EXPECT_EQ(m_home + "\\reports\\", Text(env.GetReportsFolder()));
    EXPECT_FALSE(Exists(m_home + "\\bin")) << "the bin folder is never created";
}

TEST_F(ProductSettingsTest, ProductHomeStoredWithoutItsNulIsEndedSafely)
{
    ASSERT_TRUE(SetRawSetting("ProductHome", REG_SZ, m_home.data(), static_cast<DWORD>(m_home.size())));
    EXPECT_EQ(m_home, Text(env.GetProductHome()));
    std::string full(260, 'h');
    ASSERT_TRUE(SetRawSetting("ProductHome", REG_BINARY, full.data(), 260));
    EXPECT_EQ(std::string(259, 'h'), Text(env.GetProductHome()));
}

TEST_F(ProductSettingsTest, ReportsPathNamingAnythingThatExistsIsTakenAsStored)
{
    ASSERT_TRUE(SetSetting("ProductHome", m_home));
    std::string chosen = m_scratch + "\\chosen";
    std::filesystem::create_directory(chosen);
    ASSERT_TRUE(SetSetting("ReportsPath", chosen));
    EXPECT_EQ(chosen, Text(env.GetReportsFolder()));
    EXPECT_EQ(chosen + "\\scripts", Text(env.GetScriptsFolder()));
    EXPECT_TRUE(Exists(chosen + "\\scripts"));

    std::string file = m_scratch + "\\plain.txt";
    std::ofstream(file) << "x";
    ASSERT_TRUE(SetSetting("ReportsPath", file));
    EXPECT_EQ(file, Text(env.GetReportsFolder()));
    EXPECT_FALSE(Exists(m_home + "\\reports"));
}

TEST_F(ProductSettingsTest, MissingOrStaleReportsPathFallsBackToACreatedFolderUnderTheHome)
{
    ASSERT_TRUE(SetSetting("ProductHome", m_home));
    std::string fallback = m_home + "\\reports\\";
    ASSERT_TRUE(SetSetting("ReportsPath", m_scratch + "\\gone"));
    EXPECT_EQ(fallback, Text(env.GetReportsFolder()));
    EXPECT_TRUE(Exists(fallback));
    EXPECT_FALSE(Exists(m_scratch + "\\gone"));

    std::filesystem::remove_all(fallback);
    ASSERT_TRUE(SetSetting("ReportsPath", ""));
    EXPECT_EQ(m_home + "\\reports\\scripts", Text(env.GetScriptsFolder()));
    EXPECT_TRUE(Exists(m_home + "\\reports\\scripts"));
}

TEST_F(ProductSettingsTest, SetReportsPathWritesTheTextThatIsReadBack)
{
    ASSERT_TRUE(SetSetting("ProductHome", m_home));
    EXPECT_TRUE(env.SetReportsPath(_bstr_t(m_scratch.c_str())));
    EXPECT_EQ(m_scratch, Text(env.GetReportsFolder()));
    char stored[MAX_PATH] = "";
    DWORD type = 0;
    DWORD size = sizeof stored;
    ASSERT_EQ(0, RegGetValueA(HKEY_LOCAL_MACHINE, kProductVersionKey, "ReportsPath", RRF_RT_ANY, &type, stored, &size));
    EXPECT_EQ(DWORD(REG_SZ), type);
    EXPECT_STREQ(m_scratch.c_str(), stored);
}

TEST_F(ProductSettingsTest, WebReportsFolderIsCreatedOnlyOneLevelDeep)
{
    ASSERT_TRUE(SetSetting("ProductHome", m_home + "\\"));
    std::string web = m_home + "\\web\\reports";
    EXPECT_EQ(web, Text(env.EnsureWebReportsFolder()));
    EXPECT_FALSE(Exists(web)) << "the missing web folder is not created";
    std::filesystem::create_directory(m_home + "\\web");
    EXPECT_EQ(web, Text(env.EnsureWebReportsFolder()));
    EXPECT_TRUE(Exists(web));
}
