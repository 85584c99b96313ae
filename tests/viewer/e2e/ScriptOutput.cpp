#include "tests/viewer/e2e/ScriptOutput.h"

namespace ScriptOutput {

std::vector<std::vector<std::string>> Rows(const std::string& output)
{
    std::vector<std::vector<std::string>> rows;
    size_t start = 0;
    while (start < output.size()) {
        size_t end = output.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = output.size();
        std::string line = output.substr(start, end - start);
        start = output.find_first_not_of("\r\n", end);
        if (start == std::string::npos)
            start = output.size();
        if (line.empty())
            continue;
        if (line.back() == ';')
            line.pop_back();
        std::vector<std::string> row;
        size_t from = 0;
        for (size_t semicolon; (semicolon = line.find(';', from)) != std::string::npos; from = semicolon + 1)
            row.push_back(line.substr(from, semicolon - from));
        row.push_back(line.substr(from));
        rows.push_back(row);
    }
    return rows;
}

}
