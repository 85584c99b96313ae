#include "tests/viewer/e2e/ScriptOutput.h"
#include <windows.h>

namespace ScriptOutput {

std::string Read(const std::string& commandLine, const std::string& folder)
{
    SECURITY_ATTRIBUTES inherit = { sizeof inherit, nullptr, TRUE };
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return std::string();
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    std::string command = commandLine;
    BOOL started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr,
                                  folder.empty() ? nullptr : folder.c_str(), &startup, &process);
    CloseHandle(writeEnd);
    std::string output;
    if (started) {
        char chunk[65536];
        DWORD read = 0;
        while (ReadFile(readEnd, chunk, sizeof chunk, &read, nullptr) && read > 0)
            output.append(chunk, read);
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(readEnd);
    return output;
}

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
