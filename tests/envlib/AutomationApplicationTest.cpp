#include "envlib/AutomationApplication.h"
#include "tests/support/ChildRun.h"
#include "tests/envlib/ProductQueryFixture.h"

// The Application object is kept for the rest of a process once created, so
// its failed creation is tested first thing in a process of its own.
TEST(AutomationApplication, FailedCreationIsReportedAndRetriedAtEveryQuery)
{
    EXPECT_EQ(0, RunTestsInChildProcess("AutomationApplicationChild.*"));
}

TEST(AutomationApplicationChild, DISABLED_FailedCreationIsReportedAndRetriedAtEveryQuery)
{
    CSimTestData::Use(CSimTestData::WithRecords(kProcessData, "application fail=create\n"));
    CSimTestData::StartServerOnce();
    MessageBoxWatcher watcher;
    CProductEnv env;
    EXPECT_EQ("", Text(env.ListSubfolders("folder:RootFolder@\\pvob")));
    EXPECT_TRUE(QueryFailed);
    EXPECT_EQ("", Text(env.GetStreamProject("stream:bob_shop@\\pvob")));
    EXPECT_EQ(nullptr, AutomationApplication);

    const char creation[] = "Error Creating Korvast.Application Object";
    const char missing[] = "Error Description: \nError Code: 80004003";
    std::vector<RecordedBox> boxes = watcher.WaitForBoxes(4);
    ASSERT_EQ(4u, boxes.size());
    for (int query = 0; query < 2; ++query) {
        EXPECT_EQ(creation, boxes[2 * query].caption);
        EXPECT_EQ(creation, boxes[2 * query].text);
        EXPECT_EQ("QEL Error", boxes[2 * query + 1].caption);
        EXPECT_EQ(missing, boxes[2 * query + 1].text);
    }

    CSimTestData::Use(kProcessData);
    EXPECT_EQ("Products Internal ", Text(env.ListSubfolders("folder:RootFolder@\\pvob")));
    EXPECT_NE(nullptr, AutomationApplication);
}
