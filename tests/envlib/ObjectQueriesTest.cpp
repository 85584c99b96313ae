#include "tests/envlib/ProductQueryFixture.h"
#include "tests/support/PostedCall.h"

typedef ProductQueryTest ObjectQueriesTest;

TEST_F(ObjectQueriesTest, ListsGiveEveryNameFollowedByOneBlank)
{
    EXPECT_EQ("Products Internal ", Text(env.ListSubfolders("folder:RootFolder@\\pvob")));
    EXPECT_EQ("shop pay ", Text(env.ListProjects("folder:Products@\\pvob")));
    EXPECT_EQ("shop_int alice_shop bob_shop ", Text(env.ListProjectStreams("project:shop@\\pvob")));
    EXPECT_EQ("fix_login add_list ", Text(env.ListActivities("stream:alice_shop@\\pvob")));
    EXPECT_FALSE(QueryFailed);

    EXPECT_EQ("", Text(env.ListSubfolders("folder:Internal@\\pvob")));
    EXPECT_EQ("", Text(env.ListActivities("stream:bob_shop@\\pvob")));
    EXPECT_FALSE(QueryFailed);
    ExpectNoBox();
}

TEST_F(ObjectQueriesTest, ProjectsOfAProjectSelectorAreEmptyWithoutAskingTheProduct)
{
    UseData("application fail=GetFolder\n");
    QueryFailed = true;
    EXPECT_EQ("", Text(env.ListProjects("folder:project:x@\\pvob")));
    EXPECT_TRUE(QueryFailed) << "the early answer leaves the flag alone";
    ExpectNoBox();
}

TEST_F(ObjectQueriesTest, FailedElementKeepsTheNamesBeforeIt)
{
    UseData("stream bob_shop project=shop olpex=pvob fail=Item\n"
            "stream carol_shop project=shop olpex=pvob\n");
    EXPECT_EQ("shop_int alice_shop ", Text(env.ListProjectStreams("project:shop@\\pvob")));
    EXPECT_TRUE(QueryFailed);
    ExpectOneComErrorBox("80040202");
}

TEST_F(ObjectQueriesTest, ChainQueriesGiveTheLinkedObjectsName)
{
    EXPECT_EQ("RootFolder", Text(env.GetFolderParent("folder:Products@\\pvob")));
    EXPECT_EQ("Products", Text(env.GetProjectParent("project:shop@\\pvob")));
    EXPECT_EQ("alice_shop", Text(env.GetActivityParent("activity:fix_login@\\pvob")));
    EXPECT_EQ("shop_int", Text(env.GetIntegrationStream("\"PROJECT:shop@\\pvob\"")));
    EXPECT_EQ("shop", Text(env.GetStreamProject("stream:bob_shop@\\pvob")));
    EXPECT_FALSE(QueryFailed);
    ExpectNoBox();
}

TEST_F(ObjectQueriesTest, ResolvedTextIsTheDisplayTextOrElseTheName)
{
    EXPECT_EQ("Alice's work", Text(env.ResolveObjectSelector("stream:alice_shop@\\pvob")));
    EXPECT_EQ("bob_shop", Text(env.ResolveObjectSelector("stream:bob_shop@\\pvob")));
    EXPECT_EQ("Process root", Text(env.ResolveObjectSelector("folder:RootFolder@\\pvob")));
    EXPECT_EQ("Shop", Text(env.ResolveObjectSelector("project:shop@\\pvob")));
    EXPECT_EQ("Fix login", Text(env.ResolveObjectSelector("activity:fix_login@\\pvob")));
    EXPECT_EQ("add_list", Text(env.ResolveObjectSelector("activity:add_list@\\pvob")));
    ExpectNoBox();
}

// The boxes have no owner: a query started from behind one (a tree expansion)
// resets the shared flag, and the failed step still ends its own query.
TEST_F(ObjectQueriesTest, AFailedStepEndsItsQueryWhateverRunsBehindItsBox)
{
    UseData("stream alice_shop project=shop olpex=pvob display=\"Alice's work\" fail=DisplayText\n");
    PostedCall behindTheBox([this] { env.ListActivities("stream:bob_shop@\\pvob"); });
    EXPECT_EQ("", Text(env.ResolveObjectSelector("stream:alice_shop@\\pvob")));
    EXPECT_TRUE(behindTheBox.HasRun());
    ExpectOneComErrorBox("80040202");
}

TEST_F(ObjectQueriesTest, EveryFailedStepShowsOneBoxAndGivesNothing)
{
    typedef _bstr_t (CProductEnv::*Query)(_bstr_t);
    const struct {
        const char* records;
        Query query;
        const char* selector;
        const char* code;
    } cases[] = {
        {"", &CProductEnv::ListProjectStreams, "project:nosuch@\\pvob", "80040201"},
        {"stream bob_shop project=shop olpex=pvob empty=Get", &CProductEnv::ListActivities, "stream:bob_shop@\\pvob",
         "80004003"},
        {"folder Internal parent=RootFolder olpex=pvob fail=SubFolders.Count", &CProductEnv::ListSubfolders,
         "folder:Internal@\\pvob", "80040202"},
        {"project shop folder=Products olpex=pvob istream=shop_int fail=IntegrationStream",
         &CProductEnv::GetIntegrationStream, "project:shop@\\pvob", "80040202"},
        {"folder Products parent=RootFolder olpex=pvob fail=Name", &CProductEnv::GetProjectParent,
         "project:shop@\\pvob", "80040202"},
        // The root folder has no parent: reported, never fatal.
        {"", &CProductEnv::GetFolderParent, "folder:RootFolder@\\pvob", "80040201"},
        {"", &CProductEnv::GetStreamProject, "stream:nosuch@\\pvob", "80040201"},
        // "stream:" inside an activity selector is looked up first, and its failure ends the query.
        {"", &CProductEnv::ResolveObjectSelector, "activity:stream:x@\\pvob", "80040204"},
        // Kind words are case-sensitive here: nothing is found to describe.
        {"", &CProductEnv::ResolveObjectSelector, "Project:shop@\\pvob", "80004003"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.selector) + " " + c.records);
        UseData(std::string(c.records) + "\n");
        EXPECT_EQ("", Text((env.*c.query)(c.selector)));
        EXPECT_TRUE(QueryFailed);
        ExpectOneComErrorBox(c.code);
    }
}
