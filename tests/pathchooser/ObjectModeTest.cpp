// The chooser in object mode: project repositories in the combo, the root
// folder as the tree's root, and the kinds each constraint set lists and
// makes selectable.
#include "tests/pathchooser/PemrickFixture.h"
#include "pathchooser/Resource.h"
#include "tests/support/ProcessHandles.h"
#include "tests/support/WindowPump.h"

namespace {
const char kRoot[] = "folder:RootFolder@\\webshop";

// Whether Add takes the node: its key lands in the targets.
std::string AddNode(ControlHost& host, HTREEITEM node)
{
    SendMessageA(host.Item(IDC_TREE), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
    SendMessageA(host.ControlWindow(), WM_COMMAND, MAKEWPARAM(IDC_ADD, BN_CLICKED), 0);
    return host.GetText(2);
}
}

TEST_F(PemrickTest, ObjectModeListsTheKindsOfEachConstraintSet)
{
    SetRememberedValue(kSelectionKey, "Folder", "\\webshop\\Products");
    struct Case {
        long constraints;
        const char* underRoot;
        const char* underProject;
        const char* underIntStream;
    } cases[] = {
        {SEL_SINGLE | SEL_PROJECT, "Products,Storefront", "", ""},
        {SEL_MULTI | SEL_STREAM, "Products,Storefront", "Storefront integration,Alice", ""},
        {SEL_SINGLE | SEL_ISTREAM, "Products,Storefront", "Storefront integration", ""},
        {SEL_MULTI | SEL_ACTIVITY, "Products,Storefront", "Storefront integration,Alice", "Merge"},
        {SEL_MULTI | SEL_FOLDER, "Products", "", ""},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.constraints);
        auto host = Choose(MODE_POLPEX, "", each.constraints);
        ASSERT_NE(nullptr, host->Control());
        EXPECT_EQ("Active OLPEX:", ControlText(host->ControlWindow(), IDC_ACTIVE_LABEL));
        EXPECT_EQ("scratch,webshop", ComboItems(host->Item(IDC_ACTIVE_COMBO)));
        EXPECT_EQ("webshop", ComboSelection(host->Item(IDC_ACTIVE_COMBO)));
        EXPECT_FALSE(IsWindowVisible(host->Item(IDC_INCLUDE_PRIVATE)));
        HWND tree = host->Item(IDC_TREE);
        ASSERT_EQ(kRoot, TreeChildren(tree, TVI_ROOT));
        HTREEITEM root = TreeChild(tree, TVI_ROOT, kRoot);
        // The root is not a choosable object without the repository constraint.
        EXPECT_EQ("", AddNode(*host, root));
        ExpandNode(tree, root);
        EXPECT_EQ(each.underRoot, TreeChildren(tree, root));
        HTREEITEM project = TreeChild(tree, root, "Storefront");
        if (!project)
            continue;
        ExpandNode(tree, project);
        EXPECT_EQ(each.underProject, TreeChildren(tree, project));
        HTREEITEM integration = TreeChild(tree, project, "Storefront integration");
        if (integration) {
            ExpandNode(tree, integration);
            EXPECT_EQ(each.underIntStream, TreeChildren(tree, integration));
        }
        std::string expected = each.constraints & SEL_PROJECT ? "\"project:storefront@\\webshop\"" : "";
        EXPECT_EQ(expected, AddNode(*host, project));
    }
    EXPECT_TRUE(NewBoxes(0).empty());
}

TEST_F(PemrickTest, AFailingChildLookUpLeavesThatNodeOutWithOneBox)
{
    UseData("stream alice_dev project=storefront olpex=webshop display=\"Alice\" fail=DisplayText\n");
    SetRememberedValue(kSelectionKey, "Folder", "webshop");
    auto host = Choose(MODE_POLPEX, "", SEL_MULTI | SEL_STREAM);
    ASSERT_NE(nullptr, host->Control());
    HWND tree = host->Item(IDC_TREE);
    HTREEITEM root = TreeChild(tree, TVI_ROOT, kRoot);
    ASSERT_NE(nullptr, root);
    ExpandNode(tree, root);
    HTREEITEM project = TreeChild(tree, root, "Storefront");
    ASSERT_NE(nullptr, project);
    ExpandNode(tree, project);
    EXPECT_EQ("Storefront integration", TreeChildren(tree, project));
    std::vector<RecordedBox> boxes = NewBoxes(1);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("QEL Error", boxes[0].caption);
}

TEST_F(PemrickTest, ObjectTargetsRoundTripAndTheRepositoryIsRemembered)
{
    SetRememberedValue(kSelectionKey, "ViewDirectory", m_bob);
    SetRememberedValue(kExplorerKey, "Folder", "\\scratch\\sub");
    // The main key opens without a Folder value: the explorer's selection is taken.
    auto host = Choose(MODE_POLPEX, "", SEL_MULTI | SEL_ACTIVITY);
    ASSERT_NE(nullptr, host->Control());
    EXPECT_EQ("scratch", ComboSelection(host->Item(IDC_ACTIVE_COMBO)));

    const std::string targets = "\"stream:alice_dev@\\webshop\" \"activity:fix_login@\\webshop\" \"project:nothing@\\webshop\"";
    EXPECT_EQ(S_OK, host->PutText(2, targets));
    EXPECT_EQ("\"activity:fix_login@\\webshop\" \"stream:alice_dev@\\webshop\"", host->GetText(2));
    const std::vector<RecordedBox> boxes = NewBoxes(1);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("QEL Error", boxes[0].caption);
    EXPECT_NE(std::string::npos, boxes[0].text.find("project:nothing@\\webshop")) << boxes[0].text;
    EXPECT_EQ("webshop", ComboSelection(host->Item(IDC_ACTIVE_COMBO)));
    host->Destroy();
    EXPECT_EQ("webshop", RememberedValue(kSelectionKey, "Folder"));
    EXPECT_EQ(m_bob, RememberedValue(kSelectionKey, "ViewDirectory"));
}

// Every key the chooser opens to read or keep its remembered selection is
// closed again: set-ups and teardowns on each path leave no handle behind.
// The process's other threads open and close handles of their own meanwhile,
// so a leak shows as a count that grows in every round.
TEST_F(PemrickTest, RememberingTheSelectionLeavesNoKeyOpen)
{
    SetRememberedValue(kSelectionKey, "ViewDirectory", m_bob);
    SetRememberedValue(kExplorerKey, "Folder", "\\webshop");
    auto setUpAndTearDown = [&] {
        for (long mode : {MODE_PATH, MODE_POLPEX}) {
            // Without a Folder value under the main key the explorer's key is read too.
            RegDeleteKeyValueA(HKEY_CURRENT_USER, kSelectionKey, "Folder");
            Choose(mode, "", SEL_MULTI | SEL_FOLDER)->Destroy();
        }
    };
    setUpAndTearDown();
    int count = ProcessHandleCount();
    ASSERT_GT(count, 0);
    std::string counts = std::to_string(count);
    const int kRounds = 4;
    int roundsThatGrew = 0;
    for (int round = 0; round < kRounds; ++round) {
        setUpAndTearDown();
        const int before = count;
        count = ProcessHandleCount();
        roundsThatGrew += count > before;
        counts += ", " + std::to_string(count);
    }
    EXPECT_LT(roundsThatGrew, kRounds) << "handles after each round: " << counts;
    EXPECT_TRUE(NewBoxes(0).empty());
}
