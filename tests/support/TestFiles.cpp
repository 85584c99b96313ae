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

namespace {
// A writer that still holds the file open may write more (a command
// interpreter writes a line and its line end apart), so the file counts as
// written once no Windows program holds it open for writing.
bool NoneWritesTo(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}
}

std::string ReadWhenWritten(const std::string& path, DWORD timeoutMs)
{
    WaitUntil([&] { return !ReadWholeFile(path).empty() && NoneWritesTo(path); }, timeoutMs);
    return ReadWholeFile(path);
}
