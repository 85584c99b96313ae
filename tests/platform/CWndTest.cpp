// Message maps, notification reflection and the life of a window object,
// over real windows.
#include "afx/CWnd.h"
#include "tests/support/WindowPump.h"
#include <gtest/gtest.h>
#include <commctrl.h>
#include <vector>

namespace {
HWND CreateTestWindow(HWND parent = nullptr, int id = 0)
{
    return CreateWindowExA(0, "STATIC", "", parent ? WS_CHILD : WS_POPUP, 0, 0, 100, 100, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

class ChildControl : public CWnd {
public:
    std::vector<UINT> notifications;

protected:
    void OnNotifyReflected(NMHDR* notify, LRESULT* result)
    {
        notifications.push_back(notify->code);
        *result = 7;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ChildControl, CWnd)
    ON_NOTIFY_REFLECT(NM_CLICK, OnNotifyReflected)
END_MESSAGE_MAP()

class ParentWindow : public CWnd {
public:
    std::vector<std::string> calls;

protected:
    LRESULT OnPrivate(WPARAM wParam, LPARAM) { calls.push_back("private " + std::to_string(wParam)); return 42; }
    void OnButton() { calls.push_back("button"); }
    void OnChildNotify(NMHDR* notify, LRESULT* result)
    {
        calls.push_back("notify " + std::to_string(static_cast<int>(notify->code)));
        *result = 9;
    }
    void OnTimer(UINT_PTR id)
    {
        calls.push_back("timer " + std::to_string(id));
        CWnd::OnTimer(id);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ParentWindow, CWnd)
    ON_MESSAGE(WM_USER + 5, OnPrivate)
    ON_BN_CLICKED(12, OnButton)
    ON_NOTIFY(NM_CLICK, 12, OnChildNotify)
    ON_NOTIFY(NM_RCLICK, 12, OnChildNotify)
    ON_WM_TIMER()
END_MESSAGE_MAP()

LRESULT Notify(HWND parent, HWND child, UINT code)
{
    NMHDR header = { child, 12, code };
    return SendMessageA(parent, WM_NOTIFY, 12, reinterpret_cast<LPARAM>(&header));
}
}

TEST(CWnd, DispatchesThroughItsMapAndLeavesTheRestToThePreviousProcedure)
{
    ParentWindow parent;
    ASSERT_TRUE(parent.SubclassWindow(CreateTestWindow()));
    EXPECT_EQ(42, SendMessageA(parent, WM_USER + 5, 3, 0));
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(12, BN_CLICKED), 0);
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(13, BN_CLICKED), 0);
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(12, BN_DOUBLECLICKED), 0);
    SendMessageA(parent, WM_TIMER, 100, 0);
    SetWindowTextA(parent, "kept");
    EXPECT_EQ("kept", WindowText(parent)) << "the static control's own procedure still handles the rest";
    EXPECT_EQ(std::vector<std::string>({ "private 3", "button", "timer 100" }), parent.calls);
    DestroyWindow(parent);
}

TEST(CWnd, GivesAChildsOwnObjectTheFirstChanceAtItsNotifications)
{
    ParentWindow parent;
    ChildControl child;
    ASSERT_TRUE(parent.SubclassWindow(CreateTestWindow()));
    ASSERT_TRUE(child.SubclassWindow(CreateTestWindow(parent, 12)));
    EXPECT_EQ(7, Notify(parent, child, NM_CLICK)) << "the child's reflected handler answers";
    EXPECT_EQ(9, Notify(parent, child, NM_RCLICK)) << "what the child leaves goes to the parent's map";
    EXPECT_EQ(std::vector<UINT>({ static_cast<UINT>(NM_CLICK) }), child.notifications);
    EXPECT_EQ(std::vector<std::string>({ "notify " + std::to_string(static_cast<int>(NM_RCLICK)) }), parent.calls);
    DestroyWindow(parent);
}

TEST(CWnd, LetsGoOfItsWindowWhenTheWindowIsDestroyed)
{
    ParentWindow parent;
    HWND window = CreateTestWindow();
    ASSERT_TRUE(parent.SubclassWindow(window));
    EXPECT_EQ(&parent, CWnd::FromHandlePermanent(window));
    DestroyWindow(window);
    EXPECT_EQ(nullptr, parent.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(window));
}
