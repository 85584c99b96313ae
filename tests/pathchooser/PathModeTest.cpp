// The chooser in path mode: views in the combo, repositories as roots,
// directories listed on expansion, the targets text both ways, and the
// remembered view.
#include "tests/pathchooser/PemrickFixture.h"
#include "pathchooser/Resource.h"
#include "tests/support/WindowPump.h"

namespace {
const long kPathnames = SEL_MULTI | SEL_FILE | SEL_DIR;

void ChooseView(ControlHost& host, const std::string& view)
{
    HWND combo = host.Item(IDC_ACTIVE_COMBO);
    SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(view.c_str()));
    SendMessageA(host.ControlWindow(), WM_COMMAND, MAKEWPARAM(IDC_ACTIVE_COMBO, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}
}

TEST_F(PemrickTest, ViewsFillTheComboAndADynamicViewShowsOnlyMountedRepositories)
{
    SetRememberedValue(kSelectionKey, "ViewDirectory", "\\" + m_dyn);
    auto host = Choose(MODE_PATH, "", kPathnames);
    ASSERT_NE(nullptr, host->Control());
    HWND tree = host->Item(IDC_TREE);
    EXPECT_EQ("Active View:", ControlText(host->ControlWindow(), IDC_ACTIVE_LABEL));
    EXPECT_NE(std::string::npos, ComboItems(host->Item(IDC_ACTIVE_COMBO)).find(m_bob));
    EXPECT_EQ(m_dyn, ComboSelection(host->Item(IDC_ACTIVE_COMBO)));
    EXPECT_EQ("scratch,webshop", TreeChildren(tree, TVI_ROOT));
    EXPECT_FALSE(IsEnabled(host->Item(IDC_INCLUDE_PRIVATE)));

    // A snapshot view lists every public repository; the check box adds the private ones.
    ChooseView(*host, m_bob);
    EXPECT_EQ("tools,webshop", TreeChildren(tree, TVI_ROOT));
    EXPECT_TRUE(IsEnabled(host->Item(IDC_INCLUDE_PRIVATE)));
    SendMessageA(host->Item(IDC_INCLUDE_PRIVATE), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(host->ControlWindow(), WM_COMMAND, MAKEWPARAM(IDC_INCLUDE_PRIVATE, BN_CLICKED),
                 reinterpret_cast<LPARAM>(host->Item(IDC_INCLUDE_PRIVATE)));
    EXPECT_EQ("scratch,tools,webshop", TreeChildren(tree, TVI_ROOT));

    // The view chosen last is remembered when the control goes.
    host->Destroy();
    EXPECT_EQ(m_bob, RememberedValue(kSelectionKey, "ViewDirectory"));
    EXPECT_TRUE(NewBoxes(0).empty());
}

TEST_F(PemrickTest, ExpansionListsDirectoriesOnceAndFilesOnlyWithTheFileConstraint)
{
    SetRememberedValue(kSelectionKey, "ViewDirectory", m_bob);
    for (long constraints : {kPathnames, static_cast<long>(SEL_MULTI | SEL_DIR)}) {
        auto host = Choose(MODE_PATH, "", constraints);
        ASSERT_NE(nullptr, host->Control());
        HWND tree = host->Item(IDC_TREE);
        HTREEITEM webshop = TreeChild(tree, TVI_ROOT, "webshop");
        ASSERT_NE(nullptr, webshop);
        ExpandNode(tree, webshop);
        std::string expected = constraints & SEL_FILE ? "README,src" : "src";
        EXPECT_EQ(expected, TreeChildren(tree, webshop));
        SendMessageA(tree, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(webshop));
        ExpandNode(tree, webshop);
        EXPECT_EQ(expected, TreeChildren(tree, webshop));
        HTREEITEM src = TreeChild(tree, webshop, "src");
        ExpandNode(tree, src);
        EXPECT_EQ(constraints & SEL_FILE ? "main.c" : "", TreeChildren(tree, src));

        // Add takes the selected node with its full path as the key.
        SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(src));
        SendMessageA(host->ControlWindow(), WM_COMMAND, MAKEWPARAM(IDC_ADD, BN_CLICKED), 0);
        EXPECT_EQ(Quoted(m_bob + "\\webshop\\src\\"), host->GetText(2));
        EXPECT_EQ("webshop\\src", ListItems(host->Item(IDC_SELECTED_LIST)));
    }
}

TEST_F(PemrickTest, TargetsTextIsParsedItemByItemAndReadBackSortedAndQuoted)
{
    const std::string file = m_bob + "\\webshop\\src\\main.c";
    const std::string directory = m_bob + "\\webshop\\src\\";
    const std::string outside = "C:\\nowhere\\at\\all.c";
    // Quoted items with and without blanks between them, a duplicate, and a path outside every view.
    auto host = Choose(MODE_PATH, Quoted(file) + Quoted(directory) + "  " + Quoted(file) + " " + Quoted(outside),
                       kPathnames);
    ASSERT_NE(nullptr, host->Control());
    EXPECT_EQ(Quoted(directory) + " " + Quoted(file), host->GetText(2));
    EXPECT_EQ("webshop\\src\\main.c,webshop\\src", ListItems(host->Item(IDC_SELECTED_LIST)));
    EXPECT_EQ(m_bob, ComboSelection(host->Item(IDC_ACTIVE_COMBO)));

    // An unquoted text is one item, blanks included.
    m_folder.MakeFile("bob\\webshop\\two words.txt");
    const std::string spaced = m_bob + "\\webshop\\two words.txt";
    EXPECT_EQ(S_OK, host->PutText(2, spaced));
    EXPECT_EQ(Quoted(spaced), host->GetText(2));

    // Remove takes exactly the selected list items.
    EXPECT_EQ(S_OK, host->PutText(2, Quoted(file) + " " + Quoted(directory)));
    HWND list = host->Item(IDC_SELECTED_LIST);
    LVITEMA select = {};
    select.stateMask = LVIS_SELECTED;
    select.state = LVIS_SELECTED;
    SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&select));
    SendMessageA(host->ControlWindow(), WM_COMMAND, MAKEWPARAM(IDC_REMOVE, BN_CLICKED), 0);
    EXPECT_EQ(Quoted(directory), host->GetText(2));
}

// The chooser's own collapse handling: what a collapse hides is no longer selected.
TEST_F(PemrickTest, CollapsingANodeDeselectsWhatItHides)
{
    SetRememberedValue(kSelectionKey, "ViewDirectory", m_bob);
    auto host = Choose(MODE_PATH, "", kPathnames);
    ASSERT_NE(nullptr, host->Control());
    HWND tree = host->Item(IDC_TREE);
    HTREEITEM webshop = TreeChild(tree, TVI_ROOT, "webshop");
    ASSERT_NE(nullptr, webshop);
    ExpandNode(tree, webshop);
    ASSERT_NE(nullptr, TreeChild(tree, webshop, "src"));
    ClickNode(tree, TreeChild(tree, TVI_ROOT, "tools"));
    ClickNode(tree, TreeChild(tree, webshop, "src"), MK_SHIFT);
    EXPECT_EQ("tools,webshop,README,src", SelectedNodes(tree));
    ASSERT_TRUE(ClickButtonOf(tree, webshop));
    EXPECT_FALSE(SendMessageA(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(webshop), TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_EQ("tools,webshop", SelectedNodes(tree));
    ExpandNode(tree, webshop);
    EXPECT_EQ("tools,webshop", SelectedNodes(tree)) << "the hidden items stay deselected when shown again";
}
