// The flat button on a window of its own: its faces drawn into a bitmap, the
// hover held by the capture, and clicks that reach the parent.
#include "viewer/FlatButton.h"
#include "viewer/Resource.h"
#include "afx/CDialog.h"
#include "afx/MessagePump.h"
#include "tests/support/DialogUser.h"
#include "tests/support/OffscreenPicture.h"
#include <gtest/gtest.h>

namespace {

const int kButtonId = 100;
const int kWidth = 80;
const int kHeight = 30;

// The button's parent: counts the clicks that reach it.
class ButtonParent : public CWnd {
public:
    int clicks = 0;

protected:
    void OnButtonClicked() { ++clicks; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ButtonParent, CWnd)
    ON_BN_CLICKED(kButtonId, OnButtonClicked)
END_MESSAGE_MAP()

// A drawn face of the button, read pixel by pixel.
class Face {
public:
    Face(CFlatButton& button, UINT state) : m_picture(kWidth, kHeight)
    {
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.itemState = state;
        item.hwndItem = button.m_hWnd;
        item.hDC = m_picture.DC();
        item.rcItem = { 0, 0, kWidth, kHeight };
        button.DrawItem(&item);
    }

    COLORREF At(int x, int y) const { return m_picture.Pixel(x, y); }
    // The box of the pixels of `color` inside the border.
    RECT BoxOf(COLORREF color) const
    {
        RECT box = { kWidth, kHeight, -1, -1 };
        for (int y = 3; y < kHeight - 3; ++y) {
            for (int x = 3; x < kWidth - 3; ++x) {
                if (At(x, y) != color)
                    continue;
                box = { std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
                        std::max<LONG>(box.bottom, y) };
            }
        }
        return box;
    }

private:
    OffscreenPicture m_picture;
};

class FlatButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 300, 300, 200, 100, nullptr, nullptr, nullptr, nullptr);
        m_parent.SubclassWindow(parent);
        HWND button = CreateWindowExA(0, "BUTTON", "Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, kWidth, kHeight,
                                      parent, reinterpret_cast<HMENU>(kButtonId), nullptr, nullptr);
        m_button.SubclassWindow(button);
    }
    void TearDown() override { DestroyWindow(m_parent.m_hWnd); }

    void MoveMouse(int x, int y, UINT flags = 0)
    {
        SendMessageA(m_button.m_hWnd, WM_MOUSEMOVE, flags, MAKELPARAM(x, y));
    }

    ButtonParent m_parent;
    CFlatButton m_button;
};

TEST_F(FlatButtonTest, IdleFlatHasNoBorderHoverIsRaisedPressedIsSunkenAndShifted)
{
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    COLORREF text = GetSysColor(COLOR_BTNTEXT);
    EXPECT_EQ(BS_OWNERDRAW, m_button.GetStyle() & BS_TYPEMASK);

    Face idle(m_button, 0);
    EXPECT_EQ(face, idle.At(0, 0));
    EXPECT_EQ(face, idle.At(kWidth - 1, kHeight - 1));

    MoveMouse(5, 5);
    EXPECT_EQ(m_button.m_hWnd, GetCapture());
    Face hover(m_button, 0);
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), hover.At(0, 0));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), hover.At(kWidth - 1, kHeight - 1));

    Face pressed(m_button, ODS_SELECTED);
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), pressed.At(0, 0));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), pressed.At(kWidth - 1, kHeight - 1));
    RECT up = hover.BoxOf(text);
    RECT down = pressed.BoxOf(text);
    ASSERT_GE(up.right, up.left) << "no caption drawn";
    EXPECT_EQ(up.left + 1, down.left);
    EXPECT_EQ(up.top + 1, down.top);

    MoveMouse(-100, -100);
    EXPECT_EQ(nullptr, GetCapture());
    Face left(m_button, 0);
    EXPECT_EQ(face, left.At(0, 0));
}

TEST_F(FlatButtonTest, PressDraggedOnDoesNotStartTheHover)
{
    MoveMouse(5, 5, MK_LBUTTON);
    EXPECT_EQ(nullptr, GetCapture());
    m_button.SetFlat(FALSE);
    MoveMouse(5, 5);
    EXPECT_EQ(nullptr, GetCapture());
    Face raised(m_button, 0);
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), raised.At(0, 0));
    EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), raised.At(kWidth - 1, kHeight - 1));
}

TEST_F(FlatButtonTest, ClicksReachTheParentAndToggleACheckButton)
{
    m_button.SetCheckBox();
    SendMessageA(m_button.m_hWnd, BM_CLICK, 0, 0);
    EXPECT_EQ(1, m_parent.clicks);
    EXPECT_TRUE(m_button.IsChecked());
    Face checked(m_button, 0);
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), checked.At(0, 0));
    SendMessageA(m_button.m_hWnd, BM_CLICK, 0, 0);
    EXPECT_EQ(2, m_parent.clicks);
    EXPECT_FALSE(m_button.IsChecked());
}

struct ToolTipSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK OnThreadWindow(HWND window, LPARAM data)
{
    ToolTipSearch* search = reinterpret_cast<ToolTipSearch*>(data);
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0 && GetWindow(window, GW_OWNER) == search->owner)
        search->found = window;
    return search->found == nullptr;
}

// The tool tip of a window, found by its owner among the windows of the owner's thread.
HWND ToolTipOwnedBy(HWND owner)
{
    ToolTipSearch search = { owner, nullptr };
    EnumThreadWindows(GetWindowThreadProcessId(owner, nullptr), &OnThreadWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST_F(FlatButtonTest, ToolTipHasOneToolWithTheLatestText)
{
    m_button.SetTooltipText("Run the report");
    m_button.SetTooltipText("Stop the report");
    HWND tip = ToolTipOwnedBy(m_parent.m_hWnd);
    ASSERT_NE(nullptr, tip);
    EXPECT_EQ(1, SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0));
    char text[80] = "";
    TTTOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = m_button.m_hWnd;
    tool.uId = 1;
    tool.lpszText = text;
    SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ("Stop the report", text);
}

TEST_F(FlatButtonTest, ToolTipGoesWithTheButton)
{
    m_button.SetTooltipText("Run the report");
    HWND tip = ToolTipOwnedBy(m_parent.m_hWnd);
    ASSERT_NE(nullptr, tip);
    DestroyWindow(m_button.m_hWnd);
    EXPECT_FALSE(IsWindow(tip));
}

// The About box with a flat OK button that has a tool tip. Busy, it works in
// a loop of its own from its first message on, pumping the waiting messages
// as a long sort or a wait for a script does, until it is cancelled.
class ToolTipDialog : public CDialog {
public:
    explicit ToolTipDialog(bool busy) : CDialog(IDD_ABOUTBOX), m_busy(busy) {}
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_ok.SubclassDlgItem(IDOK, this);
        m_ok.SetTooltipText("Close the box");
        if (m_busy)
            ::PostMessageA(m_hWnd, kWorkMessage, 0, 0);
        return TRUE;
    }

protected:
    void OnCancel() override
    {
        m_cancelled = true;
        CDialog::OnCancel();
    }
    // The dialog manager would show the dialog only once its own loop is idle.
    LRESULT OnWork(WPARAM, LPARAM)
    {
        ShowWindow(SW_SHOW);
        while (!m_cancelled && AfxPumpWaitingMessages())
            Sleep(10);
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    static const UINT kWorkMessage = WM_USER + 1;
    CFlatButton m_ok;
    bool m_busy;
    bool m_cancelled = false;
};

BEGIN_MESSAGE_MAP(ToolTipDialog, CDialog)
    ON_MESSAGE(kWorkMessage, OnWork)
END_MESSAGE_MAP()

HWND VisibleToolTipOf(HWND dialog)
{
    HWND tip = ToolTipOwnedBy(dialog);
    return tip && IsWindowVisible(tip) ? tip : nullptr;
}

// The tool tip follows the real pointer, which the display's other test
// programs share: it stays where it is, and the dialog comes on top with the
// button's middle under it.
void MoveButtonUnderThePointer(HWND dialog, int button)
{
    POINT pointer = {};
    GetCursorPos(&pointer);
    RECT dialogRect = {};
    RECT buttonRect = {};
    GetWindowRect(dialog, &dialogRect);
    GetWindowRect(GetDlgItem(dialog, button), &buttonRect);
    const int left = pointer.x - ((buttonRect.left + buttonRect.right) / 2 - dialogRect.left);
    const int top = pointer.y - ((buttonRect.top + buttonRect.bottom) / 2 - dialogRect.top);
    SetWindowPos(dialog, HWND_TOPMOST, left, top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

// The mouse reaches the tool tip through the button's PreTranslateMessage:
// the tip shows while the pointer rests on the button, in the modal dialog's
// own loop and in a pump of waiting messages inside it.
// Set up before it has a window, the button repaints nothing: an
// invalidation of no window would repaint every window on the desktop.
TEST(FlatButtonWithoutAWindow, ItsSettersRepaintNoOtherWindow)
{
    HWND bystander = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    UpdateWindow(bystander);
    ASSERT_FALSE(GetUpdateRect(bystander, nullptr, FALSE));
    CFlatButton button;
    button.SetFlat(FALSE);
    button.SetAlign(CFlatButton::kIconAbove);
    button.SetDrawText(FALSE);
    button.SetDrawBorder(FALSE);
    button.SetBackgroundColor(RGB(1, 2, 3));
    button.SetHoverBackgroundColor(RGB(4, 5, 6));
    button.SetTextColor(RGB(7, 8, 9));
    button.SetHoverTextColor(RGB(10, 11, 12));
    button.DrawTransparent(TRUE);
    EXPECT_FALSE(GetUpdateRect(bystander, nullptr, FALSE));
    DestroyWindow(bystander);
}

TEST(FlatButtonInADialog, ShowsItsToolTipInAModalLoopAndInAPumpInsideIt)
{
    for (const bool busy : { false, true }) {
        bool shown = false;
        DialogUser user;
        user.Then("About Korvast Report Viewer", [&](HWND dialog) {
            MoveButtonUnderThePointer(dialog, IDOK);
            RECT rect;
            GetClientRect(GetDlgItem(dialog, IDOK), &rect);
            PostMessageA(GetDlgItem(dialog, IDOK), WM_MOUSEMOVE, 0, MAKELPARAM(rect.right / 2, rect.bottom / 2));
            shown = WaitUntil([&] { return VisibleToolTipOf(dialog) != nullptr; });
            DialogUser::Press(dialog, IDCANCEL);
        });
        user.Start();
        ToolTipDialog dialog(busy);
        EXPECT_EQ(IDCANCEL, dialog.DoModal());
        EXPECT_EQ(std::vector<std::string>{ "About Korvast Report Viewer" }, user.Join());
        EXPECT_TRUE(shown) << "the tool tip never showed, busy " << busy;
    }
}

}
