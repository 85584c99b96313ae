#include "tests/envlib/ProductQueryFixture.h"

const char kProcessData[] =
    "olpex \\pvob kinds=polpex,sumolpex mounted\n"
    "folder RootFolder olpex=pvob display=\"Process root\"\n"
    "folder Products parent=RootFolder olpex=pvob display=Products\n"
    "folder Internal parent=RootFolder olpex=pvob\n"
    "project shop folder=Products olpex=pvob istream=shop_int display=Shop\n"
    "project pay folder=Products olpex=pvob istream=pay_int\n"
    "stream shop_int project=shop olpex=pvob display=\"Shop integration\"\n"
    "stream alice_shop project=shop olpex=pvob display=\"Alice's work\"\n"
    "stream bob_shop project=shop olpex=pvob\n"
    "stream pay_int project=pay olpex=pvob\n"
    "activity fix_login stream=alice_shop olpex=pvob display=\"Fix login\"\n"
    "activity add_list stream=alice_shop olpex=pvob\n";

std::vector<RecordedBox> ProductQueryTest::NewBoxes(size_t count)
{
    return watcher.NewBoxes(count);
}

void ProductQueryTest::ExpectOneComErrorBox(const std::string& code)
{
    std::vector<RecordedBox> boxes = NewBoxes(1);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("QEL Error", boxes[0].caption);
    EXPECT_EQ(0u, boxes[0].text.find("Error Description: ")) << boxes[0].text;
    EXPECT_EQ("\nError Code: " + code, boxes[0].text.substr(boxes[0].text.find('\n'))) << boxes[0].text;
}

void ProductQueryTest::ExpectNoBox()
{
    EXPECT_TRUE(NewBoxes(0).empty());
}
