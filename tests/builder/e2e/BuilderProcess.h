// Maldrin.exe of the installed product, started as a user starts it and
// played from outside its process: finds its frame and panes, sends commands,
// and answers the boxes and dialogs it shows.
#pragma once
#include "tests/support/RemoteTreeView.h"
#include "tests/support/ProgramProcess.h"
#include "tests/support/RemoteListView.h"
#include "tests/support/WindowPump.h"
#include <windows.h>
#include <memory>
#include <string>

// A box or dialog that a process showed: its window, caption and text.
struct ShownWindow {
    HWND window = nullptr;
    std::string caption;
    std::string text;
};

class BuilderProcess : public ProgramProcess {
public:
    explicit BuilderProcess(const std::string& program);
    ~BuilderProcess() override;

    // The main window once it shows with its tree filled; null when it did not in time.
    HWND WaitForFrame(DWORD timeoutMs = kPatientMs);
    RemoteTreeView& Tree() { return *m_tree; }
    RemoteListView& Reports() { return *m_reports; }
    // The parameter pane's lines.
    std::vector<std::string> ParameterLines() const;
    // Whether the toolbar shows the command in this state once the program
    // has gone idle: the test first shows the opposite itself, and the
    // program's idle update after a posted message puts the real state back.
    bool ShowsCommand(UINT id, bool enabled) const;
    // Whether the program's main loop went idle, which it does not while a
    // handler runs or a box of it shows.
    bool WaitForIdle() const;
    void Command(UINT id) const;
    std::string Caption() const;
    // Clicks the value of a parameter line as a user would: moves along the
    // line from its left edge, clicking, until a click opens a dialog or a
    // box of the program. False when none did.
    bool ClickValue(int line) const;
    // A date and time picker of the process: its time, or GDT_NONE to clear its check box.
    void SetPickerTime(HWND picker, DWORD kind, const SYSTEMTIME& time) const;
    DWORD PickerTime(HWND picker, SYSTEMTIME* time) const;
    // The rows of the viewer that the program's Run started, once it shows
    // `rows` rows; the viewer is closed then.
    std::vector<std::vector<std::string>> ViewerRows(size_t rows) const;

    // A visible top-level window of the process with this caption; empty when none came in time.
    ShownWindow WaitForWindow(const std::string& caption, DWORD timeoutMs = kPatientMs) const;
    // Presses a button of a box or dialog and waits until it has gone.
    static bool Press(HWND window, int id);

private:
    HWND m_frame = nullptr;
    std::unique_ptr<RemoteTreeView> m_tree;
    std::unique_ptr<RemoteListView> m_reports;
};
