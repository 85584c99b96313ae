#include "tests/envlib/ProductQueryFixture.h"

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
    // The trace box belongs to the old major version only.
    size_t traceBoxes = IsLegacyVersion() ? 3 : 0;
    std::vector<RecordedBox> boxes = watcher.WaitForBoxes(traceBoxes, 500);
    ASSERT_EQ(traceBoxes, boxes.size());
    for (const RecordedBox& box : boxes)
        EXPECT_EQ("CmdExec Called", box.text);

    UseData(std::string(kRepositories) + "tool fail=create\n");
    EXPECT_EQ("", Text(env.CmdExec("pwd", true)));
}
