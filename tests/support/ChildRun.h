// Programs a test runs and waits for.
#pragma once
#include <windows.h>
#include <string>

// How long a program a test runs may take before the test ends it and fails.
const DWORD kProgramLimitMs = 120000;

struct CapturedRun {
    std::string output;
    std::string error;
    // The program's exit code; -1 when it could not start or was ended at the limit.
    int exitCode = -1;
};

// Runs `commandLine` in `folder` (none: the current folder) with `input` on its
// standard input and its standard output and error on plain pipes, as a
// report launcher runs a report. A program still running at the limit is
// ended, and the test fails.
CapturedRun RunAndCapture(const std::string& commandLine, const std::string& input = std::string(),
                          const std::string& folder = std::string(), DWORD limitMs = kProgramLimitMs);
// Runs the disabled tests that `filter` names in a new process of this test
// program, for what must happen first in a process (settling a process-wide
// flag, creating the Application); returns 0 when at least one ran, all
// passed and the program exited cleanly, and shows the child's output otherwise.
int RunTestsInChildProcess(const std::string& filter);
