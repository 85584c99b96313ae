// Maldrin.exe of the installed product, started as a user starts it and
// played from outside its process: finds its frame and panes, sends commands,
// and answers the boxes and dialogs it shows.
#pragma once
#include "tests/builder/e2e/RemoteTreeView.h"
#include "tests/support/RemoteListView.h"
#include <windows.h>
#include <memory>
#include <string>

// A box or dialog that a process showed: its window, caption and text.
struct ShownWindow {
    HWND window = nullptr;
    std::string caption;
    std::string text;
};

class BuilderProcess {
public:
    explicit BuilderProcess(const std::string& program);
    // Exits the program, and ends it when it stays.
    ~BuilderProcess();
    BuilderProcess(const BuilderProcess&) = delete;
    BuilderProcess& operator=(const BuilderProcess&) = delete;

    // The main window once it shows with its tree filled; null when it did not in time.
    HWND WaitForFrame(DWORD timeoutMs = 30000);
    RemoteTreeView& Tree() { return *m_tree; }
    RemoteListView& Reports() { return *m_reports; }
    HANDLE Process() const { return m_process.hProcess; }
    // The parameter pane's lines.
    std::vector<std::string> ParameterLines() const;
    // Whether the toolbar shows the command enabled, once the program was idle.
    bool IsCommandEnabled(UINT id) const;
    void Command(UINT id) const;
    std::string Caption() const;
    // Clicks the value of a parameter line as a user would: moves along the
    // line from its left edge, clicking, until a click does not come back at
    // once because it opened an editor or a box. False when none did.
    bool ClickValue(int line) const;
    // A date and time picker of the process: its time, or GDT_NONE to clear its check box.
    void SetPickerTime(HWND picker, DWORD kind, const SYSTEMTIME& time) const;
    DWORD PickerTime(HWND picker, SYSTEMTIME* time) const;
    // The rows of the viewer that Run started, once it shows `rows` rows; the viewer is closed then.
    static std::vector<std::vector<std::string>> ViewerRows(size_t rows);

    // A visible top-level window of the process with this caption; empty when none came in time.
    ShownWindow WaitForWindow(const std::string& caption, DWORD timeoutMs = 10000) const;
    // Presses a button of a box or dialog and waits until it has gone.
    static bool Press(HWND window, int id);

    // A top-level window of any process with this class and a caption beginning with `title`.
    static HWND FindWindowOfAnyProcess(const char* windowClass, const char* title, DWORD* processId);
    // A window below `parent` with this id and class.
    static HWND FindDescendant(HWND parent, int id, const char* windowClass);

private:
    PROCESS_INFORMATION m_process = {};
    HWND m_frame = nullptr;
    std::unique_ptr<RemoteTreeView> m_tree;
    std::unique_ptr<RemoteListView> m_reports;
};
