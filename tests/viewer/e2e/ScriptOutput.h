// The rows a report printed, as the viewer should show them.
#pragma once
#include <string>
#include <vector>

namespace ScriptOutput {

// The report's rows: one per non-empty line, values split at ";", a ";" at
// the end of a line adding no empty value.
std::vector<std::vector<std::string>> Rows(const std::string& output);

}
