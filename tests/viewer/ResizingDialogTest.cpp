// The resizing dialog base over the viewer's dialog template: anchored
// controls, the least size, the size grip and the size kept in the profile.
#include "tests/support/DialogDriver.h"
#include "viewer/ResizingDialog.h"
#include "viewer/Resource.h"
#include <gtest/gtest.h>

using namespace DialogDriver;

namespace {
class AnchoredDialog : public CResizingDialog {
public:
    AnchoredDialog() : CResizingDialog(IDD_REPORTVIEWER_DIALOG)
    {
        AddControl(IDC_ROWS_PROCESSED, kMoveRight | kMoveDown | kStretchWidth);
        AddControl(IDC_FILTER_LABEL, 0);
        AddControl(IDOK, kMoveRight | kMoveDown);
        AddControl(IDC_RESULTS, kStretchWidth | kStretchHeight);
    }
};

SIZE WindowSize(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return { rect.right - rect.left, rect.bottom - rect.top };
}

void Resize(HWND window, int width, int height)
{
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
}

bool Always(HWND) { return true; }

bool SameRect(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

class ResizingDialogTest : public ::testing::Test {
protected:
    UINT Profile(const char* entry) { return m_app.GetProfileInt("6c", entry, -1); }

    TestApp m_app;
};
}

TEST_F(ResizingDialogTest, MovesAndStretchesTheAnchoredControlsWithTheEdges)
{
    AnchoredDialog dialog;
    RunModal(dialog, Always, [](HWND window) {
        RECT status = ClientRectOf(window, IDC_ROWS_PROCESSED);
        RECT label = ClientRectOf(window, IDC_FILTER_LABEL);
        RECT close = ClientRectOf(window, IDOK);
        SIZE size = WindowSize(window);
        Resize(window, size.cx + 40, size.cy + 30);

        RECT movedStatus = ClientRectOf(window, IDC_ROWS_PROCESSED);
        EXPECT_EQ(status.left, movedStatus.left) << "stretching wins over moving right";
        EXPECT_EQ(status.right + 40, movedStatus.right);
        EXPECT_EQ(status.top + 30, movedStatus.top);
        EXPECT_EQ(status.bottom + 30, movedStatus.bottom);
        RECT movedClose = ClientRectOf(window, IDOK);
        EXPECT_EQ(close.left + 40, movedClose.left);
        EXPECT_EQ(close.top + 30, movedClose.top);
        EXPECT_TRUE(SameRect(label, ClientRectOf(window, IDC_FILTER_LABEL))) << "flags 0 register nothing";

        SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        EXPECT_TRUE(SameRect(movedClose, ClientRectOf(window, IDOK))) << "minimizing moves nothing";
    });
}

TEST_F(ResizingDialogTest, NeverGetsSmallerThanItsSizeAtCreation)
{
    AnchoredDialog dialog;
    RunModal(dialog, Always, [](HWND window) {
        SIZE created = WindowSize(window);
        MINMAXINFO info = {};
        SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(created.cx, info.ptMinTrackSize.x);
        EXPECT_EQ(created.cy, info.ptMinTrackSize.y);
    });
}

TEST_F(ResizingDialogTest, AnswersHitTestsInTheGripWithTheBottomRightCorner)
{
    AnchoredDialog dialog;
    RunModal(dialog, Always, [](HWND window) {
        RECT client = {};
        GetClientRect(window, &client);
        POINT corner = { client.right - 2, client.bottom - 2 };
        ClientToScreen(window, &corner);
        EXPECT_EQ(HTBOTTOMRIGHT, SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)));
        POINT middle = { (client.right) / 2, client.bottom / 2 };
        ClientToScreen(window, &middle);
        EXPECT_EQ(HTCLIENT, SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(middle.x, middle.y)));
    });
}

TEST_F(ResizingDialogTest, KeepsTheSizeOnlyOnceResizedAndRestoresItAtTheNextStart)
{
    AnchoredDialog untouched;
    SIZE created = {};
    RunModal(untouched, Always, [&](HWND window) { created = WindowSize(window); });
    EXPECT_EQ(static_cast<UINT>(-1), Profile("CX")) << "a dialog never resized writes nothing";

    AnchoredDialog resized;
    RunModal(resized, Always, [&](HWND window) { Resize(window, created.cx + 50, created.cy + 20); });
    EXPECT_EQ(static_cast<UINT>(created.cx + 50), Profile("CX"));
    EXPECT_EQ(static_cast<UINT>(created.cy + 20), Profile("CY"));

    AnchoredDialog restored;
    RunModal(restored, Always, [&](HWND window) {
        SIZE size = WindowSize(window);
        EXPECT_EQ(created.cx + 50, size.cx);
        EXPECT_EQ(created.cy + 20, size.cy);
    });
}

TEST_F(ResizingDialogTest, IgnoresASavedWidthWithoutAHeight)
{
    m_app.WriteProfileInt("6c", "CX", 900);
    m_app.WriteProfileInt("6c", "CY", 0);
    AnchoredDialog dialog;
    RunModal(dialog, Always, [&](HWND window) { EXPECT_NE(900, WindowSize(window).cx); });
}
