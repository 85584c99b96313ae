#include "tests/support/TestFiles.h"
#include "tests/support/WindowPump.h"
#include <fstream>
#include <sstream>

std::string ProgramFolder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string ReadWhenWritten(const std::string& path, DWORD timeoutMs)
{
    std::string text;
    WaitUntil([&] { return !(text = ReadWholeFile(path)).empty(); }, timeoutMs);
    return text;
}
