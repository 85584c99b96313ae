#include "tests/support/ProgramProcess.h"
#include "tests/support/WindowPump.h"
#include <gtest/gtest.h>
#include <tlhelp32.h>
#include <cstring>

namespace {
const DWORD kCloseTimeoutMs = 10000;

struct WindowSearch {
    DWORD processId;  // 0: any process
    const char* windowClass;
    const char* title;
    int id;
    HWND found;
    DWORD foundProcess;
};

bool Matches(HWND window, const WindowSearch& search)
{
    char windowClass[64] = "";
    GetClassNameA(window, windowClass, sizeof windowClass);
    if (search.windowClass && lstrcmpA(windowClass, search.windowClass) != 0)
        return false;
    if (search.title && WindowText(window).compare(0, strlen(search.title), search.title) != 0)
        return false;
    return search.id < 0 || GetDlgCtrlID(window) == search.id;
}

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM address)
{
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(address);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if ((search.processId && processId != search.processId) || !IsWindowVisible(window) || !Matches(window, search))
        return TRUE;
    search.found = window;
    search.foundProcess = processId;
    return FALSE;
}

BOOL CALLBACK MatchChild(HWND window, LPARAM address)
{
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(address);
    if (!Matches(window, search))
        return TRUE;
    search.found = window;
    return FALSE;
}
}

ProgramProcess::ProgramProcess(std::string commandLine)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_process)) {
        ADD_FAILURE() << "cannot start " << commandLine << ": error " << GetLastError();
        m_process = {};
    }
}

ProgramProcess::~ProgramProcess()
{
    if (!Started())
        return;
    if (m_mainWindow && IsWindow(m_mainWindow))
        PostMessageA(m_mainWindow, WM_CLOSE, 0, 0);
    if (!HasEnded(m_mainWindow ? kCloseTimeoutMs : 0))
        TerminateProcess(m_process.hProcess, 1);
    CloseHandle(m_process.hProcess);
    CloseHandle(m_process.hThread);
}

bool ProgramProcess::HasEnded(DWORD timeoutMs) const
{
    return Started() && WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD ProgramProcess::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

HWND ProgramProcess::FindWindowOfClass(const char* windowClass, const char* title) const
{
    if (!Started())
        return nullptr;
    WindowSearch search = { m_process.dwProcessId, windowClass, title, -1, nullptr, 0 };
    EnumWindows(&MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ProgramProcess::FindWindowOfChild(const char* windowClass, const char* title, DWORD* processId) const
{
    if (!Started())
        return nullptr;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    WindowSearch search = { 0, windowClass, title, -1, nullptr, 0 };
    for (BOOL more = Process32First(snapshot, &entry); more && !search.found; more = Process32Next(snapshot, &entry)) {
        if (entry.th32ParentProcessID != m_process.dwProcessId)
            continue;
        search.processId = entry.th32ProcessID;
        EnumWindows(&MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    }
    CloseHandle(snapshot);
    if (processId)
        *processId = search.foundProcess;
    return search.found;
}

HWND ProgramProcess::FindDescendant(HWND parent, int id, const char* windowClass)
{
    WindowSearch search = { 0, windowClass, nullptr, id, nullptr, 0 };
    EnumChildWindows(parent, &MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
