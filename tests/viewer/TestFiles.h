// Reading what the code under test, or a program it started, wrote.
#pragma once
#include <windows.h>
#include <fstream>
#include <sstream>
#include <string>

inline std::string ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// What a program started without waiting writes: the file's text once it is
// not empty, or empty when nothing came within the time.
inline std::string ReadWhenWritten(const std::string& path, DWORD timeoutMs = 20000)
{
    std::string text;
    for (DWORD start = GetTickCount(); text.empty() && GetTickCount() - start < timeoutMs; Sleep(20))
        text = ReadWholeFile(path);
    return text;
}
