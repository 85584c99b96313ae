// Runs a modal dialog and drives it from inside its own message loop: a timer
// of the thread starts the test's steps once the dialog's window is up and
// `ready` holds. Handlers of the dialog dispatch messages themselves (a long
// insertion does), and steps started inside such a handler would stall it, so
// `ready` should hold only once the dialog is idle. The
// steps send messages, wait for conditions while messages keep flowing, and
// read the controls. When the steps return, the dialog is ended with IDOK
// unless the steps ended it already.
#pragma once
#include "afx/CDialog.h"
#include "afx/CWinApp.h"
#include <functional>
#include <string>

namespace DialogDriver {

// Dispatches this thread's messages until `done` holds or the time is up; returns `done()`.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000)
{
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    }
    return true;
}

inline void PumpFor(DWORD milliseconds)
{
    DWORD start = GetTickCount();
    PumpUntil([&] { return GetTickCount() - start >= milliseconds; }, milliseconds + 1000);
}

inline std::string ControlText(HWND dialog, int id)
{
    char text[4096] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

inline RECT ClientRectOf(HWND dialog, int id)
{
    RECT rect = {};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

struct Session {
    CDialog* dialog;
    std::function<bool(HWND)> ready;
    std::function<void(HWND)> steps;
    bool ran = false;
};

inline Session*& CurrentSession()
{
    static Session* session = nullptr;
    return session;
}

inline void CALLBACK OnStartTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    Session* session = CurrentSession();
    if (!session || session->ran || !session->dialog->m_hWnd || !IsWindowVisible(session->dialog->m_hWnd)
        || !session->ready(session->dialog->m_hWnd))
        return;
    KillTimer(nullptr, timer);
    session->ran = true;
    HWND window = session->dialog->m_hWnd;
    session->steps(window);
    if (IsWindow(window))
        EndDialog(window, IDOK);
}

// Shows the dialog modally and runs `steps` on its window; returns DoModal's result.
inline INT_PTR RunModal(CDialog& dialog, std::function<bool(HWND)> ready, std::function<void(HWND)> steps)
{
    Session session{ &dialog, std::move(ready), std::move(steps) };
    CurrentSession() = &session;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, &OnStartTimer);
    INT_PTR result = dialog.DoModal();
    KillTimer(nullptr, timer);
    CurrentSession() = nullptr;
    return result;
}

// The application object the dialogs reach through AfxGetApp, with its
// private profile in a file of the temporary folder.
class TestApp : public CWinApp {
public:
    TestApp()
    {
        char folder[MAX_PATH] = "";
        GetTempPathA(sizeof folder, folder);
        m_profile = std::string(folder) + "viewer_tests_" + std::to_string(GetCurrentProcessId()) + ".ini";
        m_pszProfileName = m_profile.c_str();
        DeleteFileA(m_profile.c_str());
    }
    ~TestApp() override { DeleteFileA(m_profile.c_str()); }

private:
    std::string m_profile;
};

}
