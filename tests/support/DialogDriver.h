// Runs a modal dialog and drives it from inside its own message loop: a timer
// of the thread starts the test's steps once the dialog's window is up and
// `ready` holds. Handlers of the dialog dispatch messages themselves (a long
// insertion does), and steps started inside such a handler would stall it, so
// `ready` should hold only once the dialog is idle. The
// steps send messages, wait for conditions while messages keep flowing, and
// read the controls. When the steps return with the dialog still open, the
// driver ends it with kLeftOpen; a message box that no watcher awaits is
// answered and fails the test.
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
    bool ran = false;
    DWORD startTick = GetTickCount();
};

const DWORD kReadyTimeoutMs = kPatientMs;

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

inline void CALLBACK OnStartTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    Session* session = CurrentSession();
    if (!session || session->ran || !session->dialog->m_hWnd)
        return;
    if (GetTickCount() - session->startTick > kReadyTimeoutMs) {
        KillTimer(nullptr, timer);
        session->ran = true;
        ADD_FAILURE() << "the dialog never became ready for the test's steps";
        EndDialog(session->dialog->m_hWnd, kNeverReady);
        return;
    }
    if (!IsWindowVisible(session->dialog->m_hWnd) || !session->ready(session->dialog->m_hWnd))
        return;
    KillTimer(nullptr, timer);
    session->ran = true;
    HWND window = session->dialog->m_hWnd;
    session->steps(window);
    if (IsOpen(window))
        EndDialog(window, kLeftOpen);
}

// Shows the dialog modally and runs `steps` on its window; returns DoModal's
// result: what the steps ended the dialog with, or kLeftOpen.
inline INT_PTR RunModal(CDialog& dialog, std::function<bool(HWND)> ready, std::function<void(HWND)> steps)
{
    UnexpectedBoxes unexpectedBoxes;
    Session session{ &dialog, std::move(ready), std::move(steps) };
    CurrentSession() = &session;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, &OnStartTimer);
    INT_PTR result = dialog.DoModal();
    KillTimer(nullptr, timer);
    CurrentSession() = nullptr;
    return result;
}

}
