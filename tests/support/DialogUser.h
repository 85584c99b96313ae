// Plays the user of the system's dialogs from a second thread while the test's
// thread sits in a modal dialog: waits for each dialog of the thread that
// started it by its title, acts on it, and waits until it has gone before
// looking for the next one. A dialog that never comes ends the user's steps.
// So that a failing test ends instead of waiting in a dialog, a dialog that
// stays after its step, and one that comes up without being awaited before
// Join, is cancelled and fails the test; so does a message box that no
// watcher awaits. When the thread has not come back to Join a while after the
// last step, every dialog it has, hidden or not, is cancelled once, and the
// test fails.
#pragma once
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/WindowPump.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

class DialogUser {
public:
    DialogUser() = default;
    DialogUser(const DialogUser&) = delete;
    DialogUser& operator=(const DialogUser&) = delete;
    ~DialogUser()
    {
        if (m_thread.joinable())
            Join();
    }

    void Then(const char* title, std::function<void(HWND)> action) { m_steps.push_back({ title, action }); }
    // Starts playing the dialogs that this thread shows from now on.
    void Start()
    {
        m_dialogThread = GetCurrentThreadId();
        m_alreadyOpen = Dialogs(m_dialogThread);
        m_thread = std::thread([this] {
            PlaySteps();
            if (!WaitUntil(
                    [this] {
                        CloseUnawaited(nullptr);
                        return m_joining.load();
                    },
                    kJoinTimeoutMs))
                CancelEveryDialog();
        });
    }
    // The titles of the dialogs that came up, in order; one still open after
    // its step is listed again as "(still open) " and its title, one that
    // came up unawaited as "(unexpected) " and its title.
    std::vector<std::string> Join()
    {
        m_joining = true;
        m_thread.join();
        for (const std::string& seen : m_seen) {
            if (seen.rfind("(", 0) == 0)
                ADD_FAILURE() << "a dialog was cancelled to end the test: " << seen;
        }
        return m_seen;
    }

    static void Press(HWND dialog, int button)
    {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    }
    // Picks an entry of a file dialog's type list the way a user's pick ends.
    static void PickFileType(HWND dialog, int index)
    {
        HWND types = GetDlgItem(dialog, kFileTypeBox);
        SendMessageA(types, CB_SETCURSEL, index, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kFileTypeBox, CBN_SELENDOK), reinterpret_cast<LPARAM>(types));
    }
    // The visible dialogs of the thread (message boxes aside).
    static std::vector<HWND> Dialogs(DWORD thread)
    {
        std::vector<HWND> dialogs;
        EnumThreadWindows(thread, &AddDialog, reinterpret_cast<LPARAM>(&dialogs));
        return dialogs;
    }
    // Read without a message to the window, whose thread may be waiting for this one.
    static std::string Title(HWND window)
    {
        wchar_t wide[256] = L"";
        InternalGetWindowText(window, wide, 256);
        char title[512] = "";
        WideCharToMultiByte(CP_ACP, 0, wide, -1, title, sizeof title, nullptr, nullptr);
        return title;
    }

    static const int kFileNameBox = 1148;
    static const int kFileTypeBox = 1136;
    // How long after the last step the thread may take to come back to Join.
    static const DWORD kJoinTimeoutMs = 2 * kPatientMs;

private:
    void PlaySteps()
    {
        for (const Step& step : m_steps) {
            HWND dialog = nullptr;
            WaitUntil([&] { return (dialog = OpenDialog(step.title)) != nullptr || CloseUnawaited(step.title); });
            if (!dialog)
                return;
            m_seen.push_back(step.title);
            step.action(dialog);
            if (!WaitUntil([dialog] { return !IsWindow(dialog); })) {
                m_seen.push_back(std::string("(still open) ") + step.title);
                CloseStuck(dialog);
                return;
            }
        }
    }

    HWND OpenDialog(const char* title) const
    {
        for (HWND dialog : Dialogs(m_dialogThread)) {
            if (Title(dialog) == title)
                return dialog;
        }
        return nullptr;
    }

    // Cancels the first dialog of the thread that came up since Start and is
    // not the one awaited (null: none is); true when there was one.
    bool CloseUnawaited(const char* awaited)
    {
        for (HWND dialog : Dialogs(m_dialogThread)) {
            bool wasOpen = std::find(m_alreadyOpen.begin(), m_alreadyOpen.end(), dialog) != m_alreadyOpen.end();
            std::string title = Title(dialog);
            if (wasOpen || (awaited && title == awaited))
                continue;
            m_seen.push_back("(unexpected) " + title);
            CloseStuck(dialog);
            return true;
        }
        return false;
    }

    static BOOL CALLBACK AddDialog(HWND window, LPARAM dialogs)
    {
        char className[64] = "";
        GetClassNameA(window, className, sizeof className);
        if (strcmp(className, "#32770") == 0 && IsWindowVisible(window) && !IsMessageBox(window))
            reinterpret_cast<std::vector<HWND>*>(dialogs)->push_back(window);
        return TRUE;
    }

    // The thread is held in a dialog that no step ends, shown or hidden.
    void CancelEveryDialog()
    {
        m_seen.push_back("(not back at Join) every dialog of the thread");
        EnumThreadWindows(m_dialogThread, &CancelDialog, 0);
    }

    static BOOL CALLBACK CancelDialog(HWND window, LPARAM)
    {
        char className[64] = "";
        GetClassNameA(window, className, sizeof className);
        if (strcmp(className, "#32770") == 0)
            Press(window, IDCANCEL);
        return TRUE;
    }

    static void CloseStuck(HWND dialog)
    {
        Press(dialog, IDCANCEL);
        if (!WaitUntil([dialog] { return !IsWindow(dialog); }))
            PostMessageA(dialog, WM_CLOSE, 0, 0);
    }

    struct Step {
        const char* title;
        std::function<void(HWND)> action;
    };
    UnexpectedBoxes m_unexpectedBoxes;
    std::vector<Step> m_steps;
    std::vector<std::string> m_seen;
    DWORD m_dialogThread = 0;
    std::vector<HWND> m_alreadyOpen;
    std::atomic<bool> m_joining{ false };
    std::thread m_thread;
};
