#include "tests/envlib/ProductQueryFixture.h"
#include "tests/support/ChildRun.h"
#include "tests/support/ProductViews.h"
#include "tests/support/RegistryText.h"
#include "tests/support/RegistryKeyBackup.h"

namespace {
const char kRepositories[] =
    "olpex \\src kinds=polpex mounted private\n"
    "olpex \\admin kinds=admin mounted\n"
    "olpex \\tools kinds=polpex\n"
    "hyperlink AdminOLPEX from=src to=admin\n"
    "command pwd output=\"C:\\views\\v1\\n\"\n";

class RepositoryTest : public ProductQueryTest {
protected:
    void SetUp() override { UseData(kRepositories); }
};
}

TEST_F(RepositoryTest, AdminRepositoryIsTheOtherEndOfTheLastAdminHyperlink)
{
    EXPECT_EQ("\\admin", Text(env.GetAdminOlpex("src")));
    EXPECT_EQ("", Text(env.GetAdminOlpex("tools")));
    ExpectNoBox();
    UseData(std::string(kRepositories) + "hyperlink AdminOLPEX from=src to=tools\n");
    EXPECT_EQ("\\tools", Text(env.GetAdminOlpex("src")));
}

TEST_F(RepositoryTest, AdminLookupAlwaysPutsABackslashInFront)
{
    EXPECT_EQ("", Text(env.GetAdminOlpex("\\src")));
    ExpectOneComErrorBox("80040201");
}

TEST_F(RepositoryTest, FailingAdminHyperlinksGiveNothingWithoutABox)
{
    UseData(std::string(kRepositories) + "olpex \\src kinds=polpex mounted private fail=Hyperlinks\n");
    QueryFailed = false;
    EXPECT_EQ("", Text(env.GetAdminOlpex("src")));
    EXPECT_FALSE(QueryFailed);
    ExpectNoBox();
}

TEST_F(RepositoryTest, RepositoryTestAddsABackslashOnlyWhenMissing)
{
    EXPECT_EQ(-1, env.TestOlpexObject("src"));
    EXPECT_EQ(-1, env.TestOlpexObject("\\src"));
    EXPECT_EQ(0, env.TestOlpexObject("admin"));
    EXPECT_EQ(0, env.TestOlpexObject("nosuch"));
    EXPECT_EQ(0, env.TestOlpexObject(""));
    ExpectNoBox();
}

TEST_F(RepositoryTest, CommandOutputOrNothing)
{
    EXPECT_EQ("C:\\views\\v1\r\n", Text(env.CmdExec("pwd", false)));
    EXPECT_EQ("", Text(env.CmdExec("unknown command", false)));
    EXPECT_THROW(env.CmdExec("unknown command", true), _com_error);
    UseData(std::string(kRepositories) + "tool fail=create\n");
    EXPECT_EQ("", Text(env.CmdExec("pwd", true)));
    // The old major version, which a test prefix without the product's
    // version takes, announces each command that reaches the tool in a box.
    const size_t announced = IsLegacyVersion() ? 3 : 0;
    for (const RecordedBox& box : NewBoxes(announced))
        EXPECT_EQ("CmdExec Called", box.caption);
}

// The version flag is settled once per process, so each major version runs
// the commands in a process of its own.
TEST(RepositoryCommandTrace, EveryCommandIsTracedForTheOldMajorVersionOnly)
{
    RegistryKeyBackup settings(HKEY_LOCAL_MACHINE, kProductVersionKey);
    ASSERT_TRUE(SetRegistryText(HKEY_LOCAL_MACHINE, kProductVersionKey, "KorvastMajorVersion", "4.1"));
    EXPECT_EQ(0, RunTestsInChildProcess("RepositoryTest.DISABLED_CommandsOfTheOldMajorVersionAreTraced"));
    ASSERT_TRUE(SetRegistryText(HKEY_LOCAL_MACHINE, kProductVersionKey, "KorvastMajorVersion", "8.0"));
    EXPECT_EQ(0, RunTestsInChildProcess("RepositoryTest.DISABLED_CommandsOfTheCurrentMajorVersionAreNot"));
}

TEST_F(RepositoryTest, DISABLED_CommandsOfTheOldMajorVersionAreTraced)
{
    ASSERT_TRUE(IsLegacyVersion());
    env.CmdExec("pwd", false);
    env.CmdExec("unknown command", false);
    EXPECT_THROW(env.CmdExec("unknown command", true), _com_error);
    std::vector<RecordedBox> boxes = NewBoxes(3);
    ASSERT_EQ(3u, boxes.size());
    for (const RecordedBox& box : boxes)
        EXPECT_EQ("CmdExec Called", box.text);
}

TEST_F(RepositoryTest, DISABLED_CommandsOfTheCurrentMajorVersionAreNot)
{
    ASSERT_FALSE(IsLegacyVersion());
    env.CmdExec("pwd", false);
    env.CmdExec("unknown command", false);
    EXPECT_THROW(env.CmdExec("unknown command", true), _com_error);
    ExpectNoBox();
}
