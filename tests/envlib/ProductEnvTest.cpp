#include "ProductEnv.h"
#include "BstrText.h"
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <string>

namespace {
const char kBackupKey[] = "Software\\KorvastTests\\ProductSettingsBackup";

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}


// Each test starts from an empty settings key and a fresh scratch folder; the
// key as it was (the simulated product may have filled it) comes back afterwards.
class ProductSettingsTest : public testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, kBackupKey);
        HKEY settings = nullptr;
        m_hadSettings = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProductVersionKey, 0, KEY_READ, &settings) == 0;
        if (m_hadSettings) {
            HKEY backup = nullptr;
            ASSERT_EQ(0, RegCreateKeyExA(HKEY_CURRENT_USER, kBackupKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                         &backup, nullptr));
            ASSERT_EQ(0, RegCopyTreeA(settings, nullptr, backup));
            RegCloseKey(backup);
            RegCloseKey(settings);
        }
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kProductVersionKey);
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        m_scratch = std::string(temp) + "korvast-envlib-" + std::to_string(GetCurrentProcessId());
        std::filesystem::remove_all(m_scratch);
        std::filesystem::create_directories(m_scratch + "\\home");
        m_home = m_scratch + "\\home";
    }
    void TearDown() override
    {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kProductVersionKey);
        if (m_hadSettings) {
            HKEY backup = nullptr;
            HKEY settings = nullptr;
            RegOpenKeyExA(HKEY_CURRENT_USER, kBackupKey, 0, KEY_READ, &backup);
            RegCreateKeyExA(HKEY_LOCAL_MACHINE, kProductVersionKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &settings,
                            nullptr);
            EXPECT_EQ(0, RegCopyTreeA(backup, nullptr, settings));
            RegCloseKey(settings);
            RegCloseKey(backup);
            RegDeleteTreeA(HKEY_CURRENT_USER, kBackupKey);
        } else {
            // Parents this test created; a key that still has sub-keys is not deleted.
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Selvo\\Korvast");
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Selvo");
        }
        std::filesystem::remove_all(m_scratch);
    }

    void SetSetting(const char* name, const std::string& text)
    {
        SetRawSetting(name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }
    void SetRawSetting(const char* name, DWORD type, const void* data, DWORD size)
    {
        HKEY settings = nullptr;
        ASSERT_EQ(0, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kProductVersionKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                     &settings, nullptr));
        ASSERT_EQ(0, RegSetValueExA(settings, name, 0, type, static_cast<const BYTE*>(data), size));
        RegCloseKey(settings);
    }
    // Runs IsLegacyVersion in a new process; see LegacyVersionProbe.cpp for the code.
    int RunLegacyProbe(const char* rewrittenVersion)
    {
        char program[MAX_PATH];
        GetModuleFileNameA(nullptr, program, sizeof program);
        std::string commandLine = std::filesystem::path(program).replace_filename("legacy_version_probe.exe").string();
        commandLine = "\"" + commandLine + "\" " + rewrittenVersion;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process))
            return -1;
        WaitForSingleObject(process.hProcess, 30000);
        DWORD exitCode = 0;
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return static_cast<int>(exitCode);
    }

    CProductEnv env;
    std::string m_scratch;
    std::string m_home;
    bool m_hadSettings = false;
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
    SetSetting("ProductHome", m_home);
    EXPECT_EQ(kCurrentOnceComputed, RunLegacyProbe("4.1")) << "without the version value";
    SetSetting("KorvastMajorVersion", "14.10");
    EXPECT_EQ(kLegacyOnceComputed, RunLegacyProbe("7.0"));
    SetSetting("KorvastMajorVersion", "7.0");
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
    SetSetting("ProductHome", m_home);
    EXPECT_EQ(m_home, Text(env.GetProductHome()));
    EXPECT_EQ(m_home + "\\bin\\", Text(env.GetProductBinFolder()));
    SetSetting("ProductHome", m_home + "\\");
    EXPECT_EQ(m_home + "\\", Text(env.GetProductHome()));
    EXPECT_EQ(m_home + "\\bin\\", Text(env.GetProductBinFolder()));
    EXPECT_EQ(m_home + "\\reports\\", Text(env.GetReportsFolder()));
    EXPECT_FALSE(Exists(m_home + "\\bin")) << "the bin folder is never created";
}

TEST_F(ProductSettingsTest, ProductHomeStoredWithoutItsNulIsEndedSafely)
{
    SetRawSetting("ProductHome", REG_SZ, m_home.data(), static_cast<DWORD>(m_home.size()));
    EXPECT_EQ(m_home, Text(env.GetProductHome()));
    std::string full(260, 'h');
    SetRawSetting("ProductHome", REG_BINARY, full.data(), 260);
    EXPECT_EQ(std::string(259, 'h'), Text(env.GetProductHome()));
}

TEST_F(ProductSettingsTest, ReportsPathNamingAnythingThatExistsIsTakenAsStored)
{
    SetSetting("ProductHome", m_home);
    std::string chosen = m_scratch + "\\chosen";
    std::filesystem::create_directory(chosen);
    SetSetting("ReportsPath", chosen);
    EXPECT_EQ(chosen, Text(env.GetReportsFolder()));
    EXPECT_EQ(chosen + "\\scripts", Text(env.GetScriptsFolder()));
    EXPECT_TRUE(Exists(chosen + "\\scripts"));

    std::string file = m_scratch + "\\plain.txt";
    std::ofstream(file) << "x";
    SetSetting("ReportsPath", file);
    EXPECT_EQ(file, Text(env.GetReportsFolder()));
    EXPECT_FALSE(Exists(m_home + "\\reports"));
}

TEST_F(ProductSettingsTest, MissingOrStaleReportsPathFallsBackToACreatedFolderUnderTheHome)
{
    SetSetting("ProductHome", m_home);
    std::string fallback = m_home + "\\reports\\";
    SetSetting("ReportsPath", m_scratch + "\\gone");
    EXPECT_EQ(fallback, Text(env.GetReportsFolder()));
    EXPECT_TRUE(Exists(fallback));
    EXPECT_FALSE(Exists(m_scratch + "\\gone"));

    std::filesystem::remove_all(fallback);
    SetSetting("ReportsPath", "");
    EXPECT_EQ(m_home + "\\reports\\scripts", Text(env.GetScriptsFolder()));
    EXPECT_TRUE(Exists(m_home + "\\reports\\scripts"));
}

TEST_F(ProductSettingsTest, SetReportsPathWritesTheTextThatIsReadBack)
{
    SetSetting("ProductHome", m_home);
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
    SetSetting("ProductHome", m_home + "\\");
    std::string web = m_home + "\\web\\reports";
    EXPECT_EQ(web, Text(env.EnsureWebReportsFolder()));
    EXPECT_FALSE(Exists(web)) << "the missing web folder is not created";
    std::filesystem::create_directory(m_home + "\\web");
    EXPECT_EQ(web, Text(env.EnsureWebReportsFolder()));
    EXPECT_TRUE(Exists(web));
}
