// Parsing that may show boxes, run while a watcher answers them.
#pragma once
#include "tests/support/MessageBoxWatcher.h"
#include <functional>
#include <string>
#include <vector>

struct WatchedParse {
    bool parsed;
    std::vector<RecordedBox> boxes;
};

// Runs `parse` while a watcher answers the boxes it shows; returns its result and those boxes.
WatchedParse WatchParse(const std::function<bool()>& parse);
// The texts of the boxes, each checked to carry `caption`.
std::vector<std::string> BoxTexts(const std::vector<RecordedBox>& boxes, const std::string& caption);
