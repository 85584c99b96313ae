// The main toolbar's bitmap on the button face: a disabled Run Report button
// shows its label greyed on the face, not a grey block.
#include "builder/Resource.h"
#include "afx/CToolBar.h"
#include "afx/FrameworkIds.h"
#include "tests/support/OffscreenPicture.h"
#include <gtest/gtest.h>

TEST(MainToolBar, ADisabledButtonShowsItsLabelGreyedOnTheButtonFace)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 600, 100), nullptr, 0));
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&parent, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CCS_TOP, AFX_IDW_TOOLBAR));
    ASSERT_TRUE(bar.LoadToolBar(IDR_MAINFRAME));
    bar.MoveWindow(CRect(0, 0, 600, 60));
    bar.SendMessage(TB_ENABLEBUTTON, ID_RUN_REPORT, FALSE);
    RECT button = {};
    ASSERT_TRUE(bar.SendMessage(TB_GETRECT, ID_RUN_REPORT, reinterpret_cast<LPARAM>(&button)));

    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    OffscreenPicture picture(600, 60);
    RECT all = { 0, 0, 600, 60 };
    HBRUSH faceBrush = CreateSolidBrush(face);
    FillRect(picture.DC(), &all, faceBrush);
    DeleteObject(faceBrush);
    bar.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.DC()), PRF_CLIENT);
    int facePixels = 0, pixels = 0;
    for (int y = button.top + 4; y < button.bottom - 4; ++y)
        for (int x = button.left + 4; x < button.right - 4; ++x, ++pixels)
            facePixels += picture.Pixel(x, y) == face;
    parent.DestroyWindow();

    ASSERT_GT(pixels, 100);
    EXPECT_GT(facePixels, pixels / 2) << "a grey block: " << facePixels << " of " << pixels << " pixels are the face";
    EXPECT_LT(facePixels, pixels) << "the greyed label is missing";
}
