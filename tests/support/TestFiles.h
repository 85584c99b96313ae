// Files of the test run: where the test program lies, and what the code under
// test, or a program it started, wrote.
#pragma once
#include <windows.h>
#include <string>

// The folder of the running program, with a trailing backslash.
std::string ProgramFolder();
// The file's whole content, or empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);
// What a program started without waiting writes: the file's text once it is
// not empty and no Windows program holds it open for writing, or what it held
// when the time was up.
std::string ReadWhenWritten(const std::string& path, DWORD timeoutMs = 30000);
