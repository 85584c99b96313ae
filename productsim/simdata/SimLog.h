// The log of what the product's help and About calls did, one line each, so
// that a test can see them: the file named by KORVAST_SIM_LOG, or else
// "korvast-ui.log" beside the module.
#pragma once
#include <string>

class CSimLog {
public:
    static void Append(const std::string& line);
    static std::string Path();
};
