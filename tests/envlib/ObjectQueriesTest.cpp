#include "ProductQueryFixture.h"

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
    EXPECT_TRUE(watcher.Boxes().empty());
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

TEST_F(ObjectQueriesTest, FailedCountEndsTheListWithItsBox)
{
    UseData("folder Sub parent=Internal olpex=pvob\n"
            "folder Internal parent=RootFolder olpex=pvob fail=SubFolders.Count\n");
    EXPECT_EQ("", Text(env.ListSubfolders("folder:Internal@\\pvob")));
    EXPECT_TRUE(QueryFailed);
    ExpectOneComErrorBox("80040202");
}

TEST_F(ObjectQueriesTest, FailedLookupShowsOneBoxAndAsksForNoCollection)
{
    EXPECT_EQ("", Text(env.ListProjectStreams("project:nosuch@\\pvob")));
    EXPECT_TRUE(QueryFailed);
    ExpectOneComErrorBox("80040201");
}

TEST_F(ObjectQueriesTest, LookupWithoutObjectFailsTheNextStepWithEPointer)
{
    UseData("stream bob_shop project=shop olpex=pvob empty=Get\n");
    EXPECT_EQ("", Text(env.ListActivities("stream:bob_shop@\\pvob")));
    EXPECT_TRUE(QueryFailed);
    ExpectOneComErrorBox("80004003");
}

TEST_F(ObjectQueriesTest, ChainQueriesGiveTheLinkedObjectsName)
{
    EXPECT_EQ("RootFolder", Text(env.GetFolderParent("folder:Products@\\pvob")));
    EXPECT_EQ("Products", Text(env.GetProjectParent("project:shop@\\pvob")));
    EXPECT_EQ("alice_shop", Text(env.GetActivityParent("activity:fix_login@\\pvob")));
    EXPECT_EQ("shop_int", Text(env.GetIntegrationStream("\"PROJECT:shop@\\pvob\"")));
    EXPECT_EQ("shop", Text(env.GetStreamProject("stream:bob_shop@\\pvob")));
    EXPECT_FALSE(QueryFailed);
    EXPECT_TRUE(watcher.Boxes().empty());
}

TEST_F(ObjectQueriesTest, ChainQueryFailingAtTheLinkOrTheNameReturnsNothing)
{
    UseData("project shop folder=Products olpex=pvob istream=shop_int fail=IntegrationStream\n");
    EXPECT_EQ("", Text(env.GetIntegrationStream("project:shop@\\pvob")));
    ExpectOneComErrorBox("80040202");

    UseData("folder Products parent=RootFolder olpex=pvob fail=Name\n");
    EXPECT_EQ("", Text(env.GetProjectParent("project:shop@\\pvob")));
    EXPECT_TRUE(QueryFailed);
}

TEST_F(ObjectQueriesTest, RootFolderWithoutParentIsReportedNotFatal)
{
    EXPECT_EQ("", Text(env.GetFolderParent("folder:RootFolder@\\pvob")));
    EXPECT_TRUE(QueryFailed);
    ExpectOneComErrorBox("80040201");
}

TEST_F(ObjectQueriesTest, StreamProjectIsNeverPartial)
{
    EXPECT_EQ("", Text(env.GetStreamProject("stream:nosuch@\\pvob")));
    EXPECT_TRUE(QueryFailed);
    ExpectOneComErrorBox("80040201");
}

TEST_F(ObjectQueriesTest, ResolvedTextIsTheDisplayTextOrElseTheName)
{
    EXPECT_EQ("Alice's work", Text(env.ResolveObjectSelector("stream:alice_shop@\\pvob")));
    EXPECT_EQ("bob_shop", Text(env.ResolveObjectSelector("stream:bob_shop@\\pvob")));
    EXPECT_EQ("Process root", Text(env.ResolveObjectSelector("folder:RootFolder@\\pvob")));
    EXPECT_EQ("Shop", Text(env.ResolveObjectSelector("project:shop@\\pvob")));
    EXPECT_EQ("Fix login", Text(env.ResolveObjectSelector("activity:fix_login@\\pvob")));
    EXPECT_EQ("add_list", Text(env.ResolveObjectSelector("activity:add_list@\\pvob")));
    EXPECT_TRUE(watcher.Boxes().empty());
}

TEST_F(ObjectQueriesTest, ResolvingMakesEveryLookupItsKindWordsAsk)
{
    // "stream:" inside an activity selector is looked up first, and its failure ends the query.
    EXPECT_EQ("", Text(env.ResolveObjectSelector("activity:stream:x@\\pvob")));
    EXPECT_TRUE(QueryFailed);
    ExpectOneComErrorBox("80040204");
}

TEST_F(ObjectQueriesTest, KindWordsOfResolvingAreCaseSensitive)
{
    EXPECT_EQ("", Text(env.ResolveObjectSelector("Project:shop@\\pvob")));
    EXPECT_TRUE(QueryFailed) << "nothing was found to describe";
    ExpectOneComErrorBox("80004003");
}
