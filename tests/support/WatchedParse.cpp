#include "tests/support/WatchedParse.h"
#include <gtest/gtest.h>

WatchedParse WatchParse(const std::function<bool()>& parse)
{
    MessageBoxWatcher watcher;
    const bool parsed = parse();
    return { parsed, watcher.Boxes() };
}

std::vector<std::string> BoxTexts(const std::vector<RecordedBox>& boxes, const std::string& caption)
{
    std::vector<std::string> texts;
    for (const RecordedBox& box : boxes) {
        EXPECT_EQ(caption, box.caption) << box.text;
        texts.push_back(box.text);
    }
    return texts;
}
