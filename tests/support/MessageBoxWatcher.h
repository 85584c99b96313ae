// Watches this process's top-level windows for message boxes, records each
// box's caption and text, and answers it, so a test can run code that shows
// boxes and then assert exactly what was shown.
#pragma once
#include "tests/support/WindowPump.h"
#include <windows.h>
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct RecordedBox {
    std::string caption;
    std::string text;
};

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
    void Watch();
    void Answer(HWND box);
    static BOOL CALLBACK OnWindow(HWND window, LPARAM self);

    int m_answer;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_lock;
    std::vector<RecordedBox> m_boxes;
    std::vector<HWND> m_answered;
    size_t m_boxesTaken = 0;
    std::thread m_thread;
};
