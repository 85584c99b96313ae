// Watches this process's top-level windows for message boxes, records each
// box's caption and text, and answers it, so a test can run code that shows
// boxes and then assert exactly what was shown.
//
// UnexpectedBoxes guards a stretch of a test in which no box should show: a
// box there that no watcher awaits would hold its thread for ever, so it is
// answered with Cancel and fails the test.
#pragma once
#include "tests/support/WindowPump.h"
#include <windows.h>
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct RecordedBox {
    std::string caption;
    std::string text;
    HWND owner;
};

// Whether the window is a message box of the system's.
bool IsMessageBox(HWND window);

class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(int answer = IDOK);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<RecordedBox> Boxes() const;
    // Waits until at least `count` boxes were seen or the time is up; returns the boxes seen.
    std::vector<RecordedBox> WaitForBoxes(size_t count, DWORD timeoutMs = kPatientMs) const;
    // The boxes since the last call, once there are `count` of them or the time
    // is up (at once when none is awaited).
    std::vector<RecordedBox> NewBoxes(size_t count);

private:
    friend class UnexpectedBoxes;
    // A watcher of boxes that nobody awaits: it takes a box only while no
    // other watcher lives and no watcher has answered that box already.
    enum class Role { kAwaiting, kCatchingStrays };
    MessageBoxWatcher(int answer, Role role);

    void Watch();
    void Answer(HWND box);
    bool Takes(HWND box) const;
    static BOOL CALLBACK OnWindow(HWND window, LPARAM self);

    int m_answer;
    Role m_role;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_lock;
    std::vector<RecordedBox> m_boxes;
    std::vector<HWND> m_answered;
    size_t m_boxesTaken = 0;
    std::thread m_thread;
};

// A watcher for the whole of a test: the test takes each box it awaits with
// NewBoxes, and a box still untaken at the end fails the test with its
// caption and text.
class AwaitedBoxes : public MessageBoxWatcher {
public:
    AwaitedBoxes() = default;
    ~AwaitedBoxes();
};

// While one lives, every box that no MessageBoxWatcher awaits is answered
// with Cancel; at its end each such box fails the test with its caption and
// text. Scopes nest: the outermost one watches and reports.
class UnexpectedBoxes {
public:
    UnexpectedBoxes();
    ~UnexpectedBoxes();
    UnexpectedBoxes(const UnexpectedBoxes&) = delete;
    UnexpectedBoxes& operator=(const UnexpectedBoxes&) = delete;

private:
    std::unique_ptr<MessageBoxWatcher> m_watcher;
};
