// Programs run from a test and waited for: for what must happen first in a
// process, such as settling a process-wide flag or creating the Application.
#pragma once
#include <string>

// The folder of this test program, with a trailing backslash.
std::string ProgramFolder();
// Runs the command line and returns the exit code, or -1 when it cannot start.
int RunAndWait(std::string commandLine);
// Runs the disabled tests that `filter` names in a new process of this test
// program; returns its exit code (0 when they passed).
int RunTestsInChildProcess(const std::string& filter);
