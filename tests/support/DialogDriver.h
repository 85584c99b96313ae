// Runs a modal dialog and drives it from inside its own message loop: a timer
// of the thread starts the test's steps once the dialog's window is up and
// `ready` holds. Handlers of the dialog dispatch messages themselves (a long
// insertion does), and steps started inside such a handler would stall it, so
// `ready` should hold only once the dialog is idle. The
// steps send messages, wait for conditions while messages keep flowing, and
// read the controls. When the steps return with the dialog still open, the
// driver ends it with kLeftOpen; a message box that no watcher awaits is
// answered and fails the test. A run whose steps never ran fails the test too:
// the checks are in the steps.
#pragma once
#include "afx/CDialog.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/TestApp.h"
#include "tests/support/WindowPump.h"
#include <gtest/gtest.h>
#include <functional>
#include <string>

namespace DialogDriver {

// What RunModal returns when the steps left the dialog open, and when it never became ready.
const INT_PTR kLeftOpen = -2;
const INT_PTR kNeverReady = -3;

struct Session {
    CDialog* dialog;
    std::function<bool(HWND)> ready;
    std::function<void(HWND)> steps;
    UINT_PTR timer = 0;
    bool shown = false;
    bool ran = false;
    HWND window = nullptr;
    DWORD startTick = GetTickCount();
};

const DWORD kReadyTimeoutMs = kPatientMs;
// An ended dialog leaves its loop as soon as the handler that ended it
// returns; one whose loop still runs this long after the steps hid itself
// without ending.
const DWORD kEndingTimeoutMs = 2000;

// Whether the dialog's modal loop goes on: an ended dialog is hidden at once,
// but stays a window until its loop returns.
inline bool IsOpen(HWND dialog)
{
    return IsWindow(dialog) && IsWindowVisible(dialog);
}

inline Session*& CurrentSession()
{
    static Session* session = nullptr;
    return session;
}

inline void SetSessionTimer(Session& session, UINT milliseconds, TIMERPROC onTimer)
{
    KillTimer(nullptr, session.timer);
    session.timer = SetTimer(nullptr, 0, milliseconds, onTimer);
}

// The dialog's loop outlived the steps with the dialog hidden: nothing else would end it.
inline void CALLBACK OnLoopAfterSteps(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    Session* session = CurrentSession();
    if (!session || !IsWindow(session->window))
        return;
    ADD_FAILURE() << "the dialog hid itself during the test's steps without ending; the test ended it";
    EndDialog(session->window, kLeftOpen);
}

inline void RunSteps(Session& session)
{
    KillTimer(nullptr, session.timer);
    session.ran = true;
    session.window = session.dialog->m_hWnd;
    session.steps(session.window);
    if (IsOpen(session.window))
        EndDialog(session.window, kLeftOpen);
    else if (IsWindow(session.window))
        SetSessionTimer(session, kEndingTimeoutMs, &OnLoopAfterSteps);
}

inline void CALLBACK OnStartTimer(HWND, UINT, UINT_PTR, DWORD)
{
    Session* session = CurrentSession();
    HWND window = session ? session->dialog->m_hWnd : nullptr;
    if (!window || session->ran)
        return;
    if (GetTickCount() - session->startTick > kReadyTimeoutMs) {
        KillTimer(nullptr, session->timer);
        EndDialog(window, kNeverReady);
        return;
    }
    if (!IsWindowVisible(window))
        return;
    session->shown = true;
    if (session->ready(window))
        RunSteps(*session);
}

// Why the steps of a dialog run never ran, from what DoModal returned.
inline std::string WhyTheStepsNeverRan(const Session& session, INT_PTR result)
{
    std::string why = result == kNeverReady ? "the dialog never became ready for the test's steps"
                      : session.shown       ? "the dialog ended before it was ready for the test's steps"
                                            : "the dialog never showed";
    return why + " (DoModal returned " + std::to_string(result) + ")";
}

// Shows the dialog modally and runs `steps` on its window; returns DoModal's
// result: what the steps ended the dialog with, or kLeftOpen. A run whose
// steps never ran fails the test, saying why.
inline INT_PTR RunModal(CDialog& dialog, std::function<bool(HWND)> ready, std::function<void(HWND)> steps)
{
    UnexpectedBoxes unexpectedBoxes;
    Session session{ &dialog, std::move(ready), std::move(steps) };
    CurrentSession() = &session;
    SetSessionTimer(session, 20, &OnStartTimer);
    INT_PTR result = dialog.DoModal();
    KillTimer(nullptr, session.timer);
    CurrentSession() = nullptr;
    if (!session.ran)
        ADD_FAILURE() << WhyTheStepsNeverRan(session, result);
    return result;
}

}
