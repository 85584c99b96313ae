// The chooser dialogs' initialisation data gives each control its stored
// extent; other controls and dialogs have none.
#include "builder/DialogInitData.h"
#include "builder/Resource.h"
#include <gtest/gtest.h>

TEST(DialogInitDataTest, EachChooserDialogStoresItsControlsExtent)
{
    SIZEL extent = {};
    ASSERT_TRUE(FindStoredExtent(IDD_PATH_CHOOSER, IDC_PATH_CHOOSER, extent));
    EXPECT_EQ(extent.cx, 16073);
    EXPECT_EQ(extent.cy, 10233);
    ASSERT_TRUE(FindStoredExtent(IDD_TYPE_CHOOSER, IDC_TYPE_CHOOSER, extent));
    EXPECT_EQ(extent.cx, 8136);
    EXPECT_EQ(extent.cy, 11566);
    EXPECT_FALSE(FindStoredExtent(IDD_TYPE_CHOOSER, IDC_PATH_CHOOSER, extent));
    EXPECT_FALSE(FindStoredExtent(IDD_INPUT_TEXT, IDC_VALUE, extent));
}
