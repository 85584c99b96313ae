// Programs a test runs and waits for.
#pragma once
#include <string>

// Runs the command line and returns the exit code, or -1 when it cannot start.
int RunAndWait(std::string commandLine);
// The whole standard output of `commandLine` started in `folder` (none: the
// current folder) with its output on a plain pipe; empty when it cannot start.
std::string RunAndCapture(const std::string& commandLine, const std::string& folder = std::string());
// Runs the disabled tests that `filter` names in a new process of this test
// program, for what must happen first in a process (settling a process-wide
// flag, creating the Application); returns 0 when at least one ran and all
// passed, and shows the child's output otherwise.
int RunTestsInChildProcess(const std::string& filter);
