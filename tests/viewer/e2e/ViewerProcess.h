// Tovenar.exe started as the builder starts it, and played by a user from
// outside its process: finds its dialog, reads the status line and the list,
// clicks headings and rows, types a filter and presses buttons.
#pragma once
#include "tests/support/ProgramProcess.h"
#include "tests/support/RemoteListView.h"
#include "tests/support/WindowPump.h"
#include <windows.h>
#include <memory>
#include <string>

class ViewerProcess : public ProgramProcess {
public:
    // Starts `program` with the switch text after its quoted path.
    ViewerProcess(const std::string& program, const std::string& switches);
    ~ViewerProcess() override;
    // The viewer's dialog once it shows; null when none came in time.
    HWND WaitForDialog(DWORD timeoutMs = kPatientMs);
    // Waits until the status line reads "Completed", "Canceled" or "Failed"
    // and the list holds every processed row.
    bool WaitForRunEnd(DWORD timeoutMs = 2 * kPatientMs);

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

private:
    HWND m_dialog = nullptr;
    std::unique_ptr<RemoteListView> m_list;
};
