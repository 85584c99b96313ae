#include "tests/support/MessageBoxWatcher.h"
#include <gtest/gtest.h>

TEST(MessageBoxWatcher, RecordsAndDismissesABox)
{
    MessageBoxWatcher watcher;
    int result = MessageBoxA(nullptr, "Line one\nLine two", "Some caption", MB_OK);
    EXPECT_EQ(IDOK, result);
    auto boxes = watcher.WaitForBoxes(1);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Some caption", boxes[0].caption);
    EXPECT_EQ("Line one\nLine two", boxes[0].text);
}
