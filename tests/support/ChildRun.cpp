#include "tests/support/ChildRun.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdio>

namespace {
// A pipe with one end for the child to inherit and the other kept here.
struct Pipe {
    explicit Pipe(bool childReads, DWORD size = 0)
    {
        SECURITY_ATTRIBUTES inherit = { sizeof inherit, nullptr, TRUE };
        CreatePipe(&read, &write, &inherit, size);
        SetHandleInformation(childReads ? write : read, HANDLE_FLAG_INHERIT, 0);
    }
    ~Pipe()
    {
        CloseEnd(read);
        CloseEnd(write);
    }
    static void CloseEnd(HANDLE& end)
    {
        if (end)
            CloseHandle(end);
        end = nullptr;
    }
    HANDLE read = nullptr;
    HANDLE write = nullptr;
};

// Appends what the pipe holds now; false once its writers have all closed it.
bool Drain(HANDLE pipe, std::string& text)
{
    DWORD available = 0;
    if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr))
        return false;
    while (available > 0) {
        char chunk[65536];
        DWORD read = 0;
        if (!ReadFile(pipe, chunk, std::min<DWORD>(available, sizeof chunk), &read, nullptr))
            return false;
        text.append(chunk, read);
        available -= read;
    }
    return true;
}
}

// Both pipes are read as their data comes, in this one thread and without
// blocking, so that neither a full pipe nor a program that never ends can
// hold the test past the limit.
CapturedRun RunAndCapture(const std::string& commandLine, const std::string& input, const std::string& folder,
                          DWORD limitMs)
{
    // The input pipe holds the whole input, so that writing it cannot wait for the child.
    Pipe in(true, static_cast<DWORD>(input.size())), out(false), err(false);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = in.read;
    startup.hStdOutput = out.write;
    startup.hStdError = err.write;
    PROCESS_INFORMATION process = {};
    std::string command = commandLine;
    CapturedRun run;
    const BOOL started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr,
                                        folder.empty() ? nullptr : folder.c_str(), &startup, &process);
    const DWORD startError = GetLastError();
    Pipe::CloseEnd(in.read);
    Pipe::CloseEnd(out.write);
    Pipe::CloseEnd(err.write);
    if (!started) {
        ADD_FAILURE() << "cannot start " << commandLine << ": error " << startError;
        return run;
    }
    DWORD written = 0;
    WriteFile(in.write, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
    Pipe::CloseEnd(in.write);
    const DWORD start = GetTickCount();
    bool outputOpen = true;
    bool errorOpen = true;
    while ((outputOpen || errorOpen) && GetTickCount() - start < limitMs) {
        const size_t before = run.output.size() + run.error.size();
        outputOpen = outputOpen && Drain(out.read, run.output);
        errorOpen = errorOpen && Drain(err.read, run.error);
        if (run.output.size() + run.error.size() == before)
            Sleep(5);
    }
    const DWORD elapsed = GetTickCount() - start;
    const bool ended = !outputOpen && !errorOpen
                       && WaitForSingleObject(process.hProcess, elapsed < limitMs ? limitMs - elapsed : 0) == WAIT_OBJECT_0;
    if (ended) {
        DWORD exitCode = 0;
        GetExitCodeProcess(process.hProcess, &exitCode);
        run.exitCode = static_cast<int>(exitCode);
    } else {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 10000);
        ADD_FAILURE() << commandLine << " did not end within " << limitMs / 1000 << " s and was ended";
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return run;
}

int RunTestsInChildProcess(const std::string& filter)
{
    char program[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, program, sizeof program);
    const CapturedRun run = RunAndCapture("\"" + std::string(program)
                                          + "\" --gtest_also_run_disabled_tests --gtest_filter=" + filter);
    const std::string& output = run.output;
    // A filter that names no test runs none, and that passes nothing.
    const bool ranAndPassed = output.find("[  PASSED  ]") != std::string::npos
                              && output.find("Running 0 tests") == std::string::npos;
    if (ranAndPassed && output.find("[  FAILED  ]") == std::string::npos && run.exitCode == 0)
        return 0;
    printf("%s%s\nthe child exited with %d\n", output.c_str(), run.error.c_str(), run.exitCode);
    return ranAndPassed ? 1 : -1;
}
