// Runs a report's command line with its standard output on a plain pipe and
// returns all it printed: what the report produces without the viewer.
#pragma once
#include <string>
#include <vector>

namespace ScriptOutput {

// The whole standard output of `commandLine` started in `folder` (none: the
// current folder); empty when it cannot be started.
std::string Read(const std::string& commandLine, const std::string& folder = std::string());

// The report's rows: one per non-empty line, values split at ";", a ";" at
// the end of a line adding no empty value.
std::vector<std::vector<std::string>> Rows(const std::string& output);

}
