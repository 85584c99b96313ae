// Tovenar.exe started as the builder starts it, and played by a user from
// outside its process: finds its dialog, reads the status line and the list,
// clicks headings and rows, types a filter and presses buttons.
#pragma once
#include "tests/support/RemoteListView.h"
#include <windows.h>
#include <functional>
#include <memory>
#include <string>

class ViewerProcess {
public:
    // Starts `program` with the switch text after its quoted path.
    ViewerProcess(const std::string& program, const std::string& switches);
    // Closes the dialog when it is still open, and ends a process that stays.
    ~ViewerProcess();
    ViewerProcess(const ViewerProcess&) = delete;
    ViewerProcess& operator=(const ViewerProcess&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    // The viewer's dialog once it shows; null when none came in time.
    HWND WaitForDialog(DWORD timeoutMs = 20000);
    // Waits until the status line reads "Completed", "Canceled" or "Failed"
    // and the list holds every processed row.
    bool WaitForRunEnd(DWORD timeoutMs = 60000);
    bool WaitForExit(DWORD timeoutMs);
    // A visible top-level window of the process with this class ("#32770" for dialogs, "#32768" for menus).
    HWND FindWindowOfClass(const char* windowClass, const char* title = nullptr) const;

    HWND Dialog() const { return m_dialog; }
    RemoteListView& List() { return *m_list; }
    std::string ControlText(int id) const;
    bool IsControlEnabled(int id) const;
    std::string Caption() const;

    // A left click on a column heading; returns once the list has handled it.
    void ClickHeading(int column);
    // Types the text into the filter box; the list refills a second later.
    void TypeFilter(const std::string& text);
    // A right click on an item, then the menu entry at `position` chosen with the keyboard.
    bool ChooseFromItemMenu(int item, int position);
    void Press(int id);
    void Close();

    // Checks `done` every few milliseconds until it holds or the time is up.
    static bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs);

private:
    PROCESS_INFORMATION m_process = {};
    HWND m_dialog = nullptr;
    std::unique_ptr<RemoteListView> m_list;
};
