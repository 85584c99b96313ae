// The multi-selection tree on a plain window, driven by real mouse and key
// messages: clicks, ranges, toggles, drags, and range anchors that are
// missing, hidden or deleted. What a collapse does to the selection is the
// chooser's, tested with it.
#include "pathchooser/TreeCtrlEx.h"
#include "tests/pathchooser/PemrickFixture.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {
std::vector<UINT> g_notifications;

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        g_notifications.push_back(header->code);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class TreeCtrlExTest : public testing::Test {
protected:
    TreeCtrlExTest()
    {
        WNDCLASSA parentClass = {};
        parentClass.lpfnWndProc = ParentProc;
        parentClass.hInstance = GetModuleHandleA(nullptr);
        parentClass.lpszClassName = "TreeCtrlExTestParent";
        RegisterClassA(&parentClass);
        m_parent = CreateWindowA("TreeCtrlExTestParent", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 400,
                                 nullptr, nullptr, nullptr, nullptr);
        HWND tree = CreateWindowA(WC_TREEVIEWA, "", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT, 0, 0,
                                  280, 380, m_parent, reinterpret_cast<HMENU>(1034), nullptr, nullptr);
        m_tree.SubclassWindow(tree);
        m_tree.SetMultipleSelection(true);
        for (const char* name : {"A", "B", "C", "D", "E"})
            m_items[name] = Insert(TVI_ROOT, name, std::string(name) != "D");
        m_items["B1"] = Insert(m_items["B"], "B1", true);
        m_items["B2"] = Insert(m_items["B"], "B2", true);
        g_notifications.clear();
    }
    ~TreeCtrlExTest() override
    {
        m_tree.DeleteAllItems();
        m_tree.UnsubclassWindow();
        DestroyWindow(m_parent);
    }

    HTREEITEM Insert(HTREEITEM parent, const char* text, bool selectable)
    {
        m_records.push_back(std::make_unique<CChooserItem>());
        m_records.back()->m_selectable = selectable;
        TVINSERTSTRUCTA insert = {};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = const_cast<char*>(text);
        insert.item.lParam = reinterpret_cast<LPARAM>(m_records.back().get());
        return m_tree.InsertItem(&insert);
    }

    LPARAM PointOn(const char* name) { return NodePoint(m_tree.m_hWnd, m_items[name]); }

    void Click(const char* name, WPARAM keys = 0) { ClickNode(m_tree.m_hWnd, m_items[name], keys); }

    void ShiftKey(UINT key)
    {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_SHIFT] = 0x80;
        SetKeyboardState(state);
        m_tree.SendMessage(WM_KEYDOWN, key, 0);
        state[VK_SHIFT] = 0;
        SetKeyboardState(state);
    }

    void SetExpanded(const char* name, bool expanded)
    {
        m_tree.Expand(m_items[name], expanded ? TVE_EXPAND : TVE_COLLAPSE);
    }

    // The names of the selected items in visible order.
    std::string Selected()
    {
        std::string names;
        for (HTREEITEM item = m_tree.GetFirstSelectedItem(); item; item = m_tree.GetNextSelectedItem(item))
            names += m_tree.GetItemText(item).GetString();
        return names;
    }

    std::string Caret()
    {
        HTREEITEM caret = m_tree.GetCaret();
        return caret ? m_tree.GetItemText(caret).GetString() : "";
    }

    HWND m_parent = nullptr;
    CTreeCtrlEx m_tree;
    std::map<std::string, HTREEITEM> m_items;
    std::vector<std::unique_ptr<CChooserItem>> m_records;
};
}

TEST_F(TreeCtrlExTest, ClicksSelectOneARangeInEitherDirectionOrToggle)
{
    Click("A");
    Click("C", MK_SHIFT);
    EXPECT_EQ("ABC", Selected());
    EXPECT_EQ(3u, m_tree.GetSelectedCount());
    Click("E");
    Click("C", MK_SHIFT);
    EXPECT_EQ("CDE", Selected()) << "a range holds every visible item between its ends";

    Click("A");
    Click("C", MK_CONTROL);
    EXPECT_EQ("AC", Selected());
    EXPECT_EQ("C", Caret());
    Click("A", MK_CONTROL);
    EXPECT_EQ("C", Selected());
    EXPECT_EQ("C", Caret()) << "deselecting leaves the caret";

    Click("D");
    EXPECT_EQ("", Selected());
    EXPECT_EQ("", Caret());
    EXPECT_NE(0u, std::count(g_notifications.begin(), g_notifications.end(), static_cast<UINT>(TVN_SELCHANGED)));
}

TEST_F(TreeCtrlExTest, PressingASelectedItemDecidesOnReleaseOrStartsADrag)
{
    Click("A");
    Click("C", MK_SHIFT);
    LPARAM point = PointOn("B");
    m_tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, point);
    g_notifications.clear();
    m_tree.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(LOWORD(point) + GetSystemMetrics(SM_CXDRAG) + 1, HIWORD(point)));
    EXPECT_EQ(std::vector<UINT>{static_cast<UINT>(TVN_BEGINDRAG)}, g_notifications);
    m_tree.SendMessage(WM_LBUTTONUP, 0, point);
    EXPECT_EQ("ABC", Selected());

    m_tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, point);
    m_tree.SendMessage(WM_LBUTTONUP, 0, point);
    EXPECT_EQ("B", Selected());
}

TEST_F(TreeCtrlExTest, AMissingHiddenOrDeletedAnchorNeverSelectsToTheEnd)
{
    // No click yet: neither anchor nor caret.
    ShiftKey(VK_DOWN);
    EXPECT_EQ("A", Selected());
    EXPECT_EQ(static_cast<UINT>(TVN_KEYDOWN), g_notifications.back());
    ShiftKey(VK_DOWN);
    EXPECT_EQ("AB", Selected());

    // The anchor hidden by a collapse.
    SetExpanded("B", true);
    Click("B2");
    SetExpanded("B", false);
    Click("C", MK_SHIFT);
    EXPECT_EQ(std::string::npos, Selected().find('E')) << Selected();

    // The anchor deleted by a refill.
    Click("A");
    m_tree.DeleteItem(m_items["A"]);
    Click("C", MK_SHIFT);
    EXPECT_EQ(std::string::npos, Selected().find('E')) << Selected();
    m_tree.DeleteAllItems();
    m_items.clear();
    HTREEITEM only = Insert(TVI_ROOT, "F", true);
    Insert(TVI_ROOT, "G", true);
    m_items["F"] = only;
    Click("F", MK_SHIFT);
    EXPECT_EQ("F", Selected());
    ShiftKey(VK_DOWN);
    EXPECT_EQ("FG", Selected());
    ShiftKey(VK_DOWN);
    EXPECT_EQ("FG", Selected()) << "at the last item nothing changes";
}

TEST_F(TreeCtrlExTest, FindsEveryItemByItsDataOnceAndNothingForOtherData)
{
    m_items["B1a"] = Insert(m_items["B1"], "B1a", true);
    for (const auto& item : m_items)
        EXPECT_EQ(item.second, m_tree.FindItemByData(m_tree.GetItemData(item.second), nullptr)) << item.first;
    CChooserItem stranger;
    EXPECT_EQ(nullptr, m_tree.FindItemByData(reinterpret_cast<DWORD_PTR>(&stranger), nullptr));
    EXPECT_EQ(m_items["E"], m_tree.FindItemByData(m_tree.GetItemData(m_items["E"]), m_items["C"]));
    EXPECT_EQ(m_items["B2"], m_tree.FindItemByData(m_tree.GetItemData(m_items["B2"]), m_items["B1"]));
    EXPECT_EQ(nullptr, m_tree.FindItemByData(m_tree.GetItemData(m_items["A"]), m_items["C"]))
        << "a search from an item looks at it, what lies under it and its later siblings";
}
