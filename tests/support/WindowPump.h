// Waiting in a test for a condition, with or without this thread's windows
// working meanwhile, and reading what a dialog's controls show.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

// A limit generous enough for a loaded machine: waits end on their condition,
// and reaching the limit is a failure.
const DWORD kPatientMs = 30000;

// Checks `done` every few milliseconds until it holds or the time is up; returns `done()`.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kPatientMs);
// The same, dispatching this thread's messages between the checks.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = kPatientMs);
// Dispatches the messages posted to this thread and none of its timers', so
// that no timer's effect shows however long the caller took to get here.
void PumpPostedMessages();
// Dispatches this thread's messages until a timer of this thread set for
// `milliseconds` has fired: every timer of the thread that was due earlier
// has fired by then too.
void PumpPastTimer(DWORD milliseconds);
// The window's text (a caption, a control's contents), read at its full length.
std::string WindowText(HWND window);
// The text of a dialog's control, read at its full length, also of another process's dialog.
std::string ControlText(HWND dialog, int id);
// A combo box's list entries, in list order, each read at its full length.
std::string ComboText(HWND combo, int index);
std::vector<std::string> ComboTexts(HWND combo);
// A list view's item text in one column, and that column of every item in list order.
std::string ListItemText(HWND list, int item, int column = 0);
std::vector<std::string> ListColumnTexts(HWND list, int column = 0);
// The texts in one line, separated by commas.
std::string CommaJoined(const std::vector<std::string>& texts);
// A control's rectangle in its dialog's client coordinates.
RECT ClientRectOf(HWND dialog, int id);
