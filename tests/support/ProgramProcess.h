// A program a test starts and plays from outside its process: its windows
// found by class and caption, its end waited for. When the test is done the
// program's main window is closed, and a program that stays is ended.
#pragma once
#include <windows.h>
#include <string>

class ProgramProcess {
public:
    // Starts the command line; Started() tells whether it could.
    explicit ProgramProcess(std::string commandLine);
    virtual ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    HANDLE Process() const { return m_process.hProcess; }
    bool HasEnded(DWORD timeoutMs) const;
    DWORD ExitCode() const;
    // A visible top-level window of the process with this class ("#32770" for
    // dialogs, "#32768" for menus; null: any) and a caption beginning with
    // `title` (null: any); null when there is none.
    HWND FindWindowOfClass(const char* windowClass, const char* title = nullptr) const;

    // The same among the windows of the programs that this one started;
    // `processId` gets the owner's.
    HWND FindWindowOfChild(const char* windowClass, const char* title, DWORD* processId = nullptr) const;
    // A window below `parent` with this id (-1: any) and class.
    static HWND FindDescendant(HWND parent, int id, const char* windowClass);

protected:
    // The window closed at the end, so that the program ends as a user ends it.
    void SetMainWindow(HWND window) { m_mainWindow = window; }

private:
    PROCESS_INFORMATION m_process = {};
    HWND m_mainWindow = nullptr;
};
