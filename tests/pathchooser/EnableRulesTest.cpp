// Which buttons the chooser offers: single selection, object mode, and a
// read-only control whatever order its properties arrive in.
#include "tests/pathchooser/PemrickFixture.h"
#include "pathchooser/Resource.h"

namespace {
void Click(ControlHost& host, int id)
{
    SendMessageA(host.ControlWindow(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

std::string ButtonStates(ControlHost& host)
{
    std::string states;
    for (int id : {IDC_ADD, IDC_ADD_ALL, IDC_REMOVE, IDC_REMOVE_ALL, IDC_ACTIVE_COMBO})
        states += IsEnabled(host.Item(id)) ? '1' : '0';
    return states;
}
}

TEST_F(PemrickTest, SingleSelectionTakesOneItemAndRemoveAllOffersAddAgain)
{
    SetRememberedValue(kSelectionKey, "ViewDirectory", m_bob);
    auto host = Choose(MODE_PATH, "", SEL_SINGLE | SEL_POLPEX);
    ASSERT_NE(nullptr, host->Control());
    EXPECT_EQ("10111", ButtonStates(*host));
    HWND tree = host->Item(IDC_TREE);
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(TreeChild(tree, TVI_ROOT, "webshop")));
    Click(*host, IDC_ADD);
    EXPECT_EQ("\"" + m_bob + "\\webshop\\\"", host->GetText(2));
    EXPECT_EQ("00111", ButtonStates(*host));
    Click(*host, IDC_REMOVE_ALL);
    EXPECT_EQ("", host->GetText(2));
    EXPECT_EQ("10111", ButtonStates(*host));

    // With multiple selection Add All takes every root; with the repository
    // constraint the roots cannot be expanded.
    EXPECT_EQ(S_OK, host->PutLong(3, SEL_MULTI | SEL_POLPEX));
    EXPECT_EQ("11111", ButtonStates(*host));
    Click(*host, IDC_ADD_ALL);
    EXPECT_EQ("\"" + m_bob + "\\webshop\\\"", host->GetText(2)) << "only project repositories are roots";
    EXPECT_EQ(nullptr, reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD,
        reinterpret_cast<LPARAM>(TreeChild(tree, TVI_ROOT, "webshop")))));
}

TEST_F(PemrickTest, ObjectModeOffersAddAllOnlyForRepositories)
{
    SetRememberedValue(kSelectionKey, "Folder", "webshop");
    auto host = Choose(MODE_POLPEX, "", SEL_MULTI | SEL_PROJECT);
    ASSERT_NE(nullptr, host->Control());
    EXPECT_EQ("10111", ButtonStates(*host));
    EXPECT_EQ(S_OK, host->PutLong(3, SEL_MULTI | SEL_POLPEX));
    EXPECT_EQ("11111", ButtonStates(*host));
    Click(*host, IDC_ADD_ALL);
    EXPECT_EQ("\"folder:RootFolder@\\webshop\"", host->GetText(2));
}

TEST_F(PemrickTest, AReadOnlyControlStaysReadOnlyWhateverComesAfter)
{
    SetRememberedValue(kSelectionKey, "ViewDirectory", m_bob);
    auto host = Choose(MODE_PATH, "", SEL_MULTI | SEL_FILE, 1);
    ASSERT_NE(nullptr, host->Control());
    EXPECT_EQ("00000", ButtonStates(*host));
    EXPECT_TRUE(IsEnabled(host->Item(IDC_INCLUDE_PRIVATE)));
    EXPECT_EQ(S_OK, host->PutLong(3, SEL_MULTI));
    EXPECT_EQ(S_OK, host->PutText(2, "\"" + m_bob + "\\webshop\\\""));
    Click(*host, IDC_REMOVE_ALL);
    EXPECT_EQ("00000", ButtonStates(*host));
    EXPECT_EQ(S_OK, host->PutLong(4, 0));
    EXPECT_EQ("11111", ButtonStates(*host));
}

TEST_F(PemrickTest, WithoutViewsNothingCanBeAdded)
{
    UseData("view \"" + m_bob + "\" snapshot fail=Path\n");
    RegDeleteKeyA(HKEY_CURRENT_USER, kWorkspacesKey);
    auto host = Choose(MODE_PATH, "", SEL_MULTI);
    ASSERT_NE(nullptr, host->Control());
    EXPECT_EQ("", ComboItems(host->Item(IDC_ACTIVE_COMBO)));
    EXPECT_EQ("00111", ButtonStates(*host));
}
