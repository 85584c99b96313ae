// Waiting in a test while this thread's windows keep working, and reading
// what a dialog's controls show.
#pragma once
#include <windows.h>
#include <functional>
#include <string>

// Dispatches this thread's messages until `done` holds or the time is up; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);
void PumpFor(DWORD milliseconds);
// The text of a dialog's control, read at its full length.
std::string ControlText(HWND dialog, int id);
// A control's rectangle in its dialog's client coordinates.
RECT ClientRectOf(HWND dialog, int id);
