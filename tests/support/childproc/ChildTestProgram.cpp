// A console program that the tests start as a child process. Its arguments are
// commands, run in order; a command may also be separated from the next by '%',
// because a launcher hands the arguments of a program to it with blanks turned
// into '%':
//   out:TEXT  outlf:TEXT  outraw:TEXT   TEXT on standard output, ended by CR-LF, by LF, or not at all
//   err:TEXT  errlf:TEXT  errraw:TEXT   the same on standard error
//   echo        copies standard input to standard output until the input ends
//   sleep:MS    sleeps MS milliseconds
//   wait:NAME   waits until the named event is set (made when missing), 30 s at most; first
//               leaves its process id in the shared memory NAME_waiter when there is one
//   rows:N:TEXT prints N lines TEXT<i>;<i> (i = 1..N) in one write
//   nul         writes one NUL byte on standard output
//   cmdline     prints the command line it was started with, ended by CR-LF
//   exit:CODE   ends at once with that exit code
//   handoff     leaves the commands after it to a copy of this program, which
//               inherits its standard handles, and ends at once
//   start:COMMAND  starts a copy of this program, which inherits its standard
//               handles, to run COMMAND, and goes on with its own commands
//   -i          reads standard input to its end, then prints a report header on both streams
// Anything else is ignored. Output is written as raw bytes, without translation.
#include <windows.h>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
void Write(DWORD stream, const std::string& text)
{
    DWORD written = 0;
    WriteFile(GetStdHandle(stream), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::string ReadAllInput()
{
    std::string input;
    char buffer[4096];
    DWORD bytesRead = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &bytesRead, nullptr) && bytesRead > 0)
        input.append(buffer, bytesRead);
    return input;
}

void DescribeAsReport()
{
    ReadAllInput();
    Write(STD_OUTPUT_HANDLE, "description : \"Child process report\"\r\n");
    Write(STD_ERROR_HANDLE, "id: 42\r\n");
    Write(STD_OUTPUT_HANDLE, "fields: Name,Size(sort=1)\r\n");
}

void LeaveProcessId(const std::string& name)
{
    HANDLE memory = OpenFileMappingA(FILE_MAP_WRITE, FALSE, name.c_str());
    if (!memory)
        return;
    if (DWORD* id = static_cast<DWORD*>(MapViewOfFile(memory, FILE_MAP_WRITE, 0, 0, sizeof(DWORD)))) {
        *id = GetCurrentProcessId();
        UnmapViewOfFile(id);
    }
    CloseHandle(memory);
}

// A test that never sets the event still ends, only late.
void WaitForEvent(const std::string& name)
{
    LeaveProcessId(name + "_waiter");
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, name.c_str());
    WaitForSingleObject(event, 30000);
    CloseHandle(event);
}

std::string NumberedRows(const std::string& countAndText)
{
    const size_t colon = countAndText.find(':');
    const int count = atoi(countAndText.substr(0, colon).c_str());
    const std::string text = colon == std::string::npos ? std::string() : countAndText.substr(colon + 1);
    std::string rows;
    for (int row = 1; row <= count; ++row)
        rows += text + std::to_string(row) + ";" + std::to_string(row) + "\r\n";
    return rows;
}

bool StartsWith(const std::string& text, const char* prefix, std::string& rest)
{
    const size_t length = strlen(prefix);
    if (text.compare(0, length, prefix) != 0)
        return false;
    rest = text.substr(length);
    return true;
}

// Starts a copy of this program that writes to the same standard handles and
// runs the given commands.
void StartCopy(const std::vector<std::string>& commands)
{
    char program[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, program, sizeof program);
    std::string commandLine = std::string("\"") + program + "\"";
    for (const std::string& command : commands)
        commandLine += " " + command;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

void RunCommand(const std::string& command)
{
    std::string value;
    if (StartsWith(command, "out:", value))
        Write(STD_OUTPUT_HANDLE, value + "\r\n");
    else if (StartsWith(command, "outlf:", value))
        Write(STD_OUTPUT_HANDLE, value + "\n");
    else if (StartsWith(command, "outraw:", value))
        Write(STD_OUTPUT_HANDLE, value);
    else if (StartsWith(command, "err:", value))
        Write(STD_ERROR_HANDLE, value + "\r\n");
    else if (StartsWith(command, "errlf:", value))
        Write(STD_ERROR_HANDLE, value + "\n");
    else if (StartsWith(command, "errraw:", value))
        Write(STD_ERROR_HANDLE, value);
    else if (command == "echo")
        Write(STD_OUTPUT_HANDLE, ReadAllInput());
    else if (StartsWith(command, "sleep:", value))
        Sleep(atoi(value.c_str()));
    else if (StartsWith(command, "wait:", value))
        WaitForEvent(value);
    else if (StartsWith(command, "rows:", value))
        Write(STD_OUTPUT_HANDLE, NumberedRows(value));
    else if (command == "nul")
        Write(STD_OUTPUT_HANDLE, std::string(1, '\0'));
    else if (command == "cmdline")
        Write(STD_OUTPUT_HANDLE, std::string(GetCommandLineA()) + "\r\n");
    else if (StartsWith(command, "exit:", value))
        ExitProcess(atoi(value.c_str()));
    else if (command == "-i")
        DescribeAsReport();
    else if (StartsWith(command, "start:", value))
        StartCopy({ value });
}

std::vector<std::string> Commands(int argc, char** argv)
{
    std::vector<std::string> commands;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        size_t start = 0;
        for (size_t end; (end = argument.find('%', start)) != std::string::npos; start = end + 1)
            commands.push_back(argument.substr(start, end - start));
        commands.push_back(argument.substr(start));
    }
    return commands;
}
}

int main(int argc, char** argv)
{
    const std::vector<std::string> commands = Commands(argc, argv);
    for (auto command = commands.begin(); command != commands.end(); ++command) {
        if (*command == "handoff") {
            StartCopy(std::vector<std::string>(command + 1, commands.end()));
            return 0;
        }
        RunCommand(*command);
    }
    return 0;
}
