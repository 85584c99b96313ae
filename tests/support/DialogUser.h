// Plays the user of the system's dialogs from a second thread while the test's
// thread sits in a modal dialog: waits for each dialog by its title, acts on
// it, and waits until it has gone before looking for the next one. A dialog
// that never comes ends the user's steps; one that stays after its step is
// cancelled, so a failing test ends instead of waiting in the dialog.
#pragma once
#include "tests/support/WindowPump.h"
#include <windows.h>
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
            m_thread.join();
    }

    void Then(const char* title, std::function<void(HWND)> action) { m_steps.push_back({ title, action }); }
    void Start()
    {
        m_thread = std::thread([this] {
            for (const Step& step : m_steps) {
                HWND dialog = WaitForDialog(step.title);
                if (!dialog)
                    return;
                m_seen.push_back(step.title);
                step.action(dialog);
                // A dialog the step did not end would hold the test's thread
                // in its modal loop: it is cancelled, and the user stops.
                if (!WaitUntil([dialog] { return !IsWindow(dialog); })) {
                    m_seen.push_back(std::string("(still open) ") + step.title);
                    CloseStuck(dialog);
                    return;
                }
            }
        });
    }
    // The titles of the dialogs that came up, in order; one still open after
    // its step is listed again as "(still open) " and its title.
    std::vector<std::string> Join()
    {
        m_thread.join();
        return m_seen;
    }

    // The visible dialog with the title; null when none came in time.
    static HWND WaitForDialog(const char* title)
    {
        HWND dialog = nullptr;
        WaitUntil([&] { return (dialog = FindWindowA("#32770", title)) != nullptr && IsWindowVisible(dialog); });
        return dialog && IsWindowVisible(dialog) ? dialog : nullptr;
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

    static const int kFileNameBox = 1148;
    static const int kFileTypeBox = 1136;

private:
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
    std::vector<Step> m_steps;
    std::vector<std::string> m_seen;
    std::thread m_thread;
};
