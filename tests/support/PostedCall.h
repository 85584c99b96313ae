// Work queued to this thread as a click behind a box would be: it runs the
// next time the thread dispatches messages, for example inside the modal loop
// of a message box that the code under test shows.
#pragma once
#include <windows.h>
#include <functional>

class PostedCall {
public:
    explicit PostedCall(std::function<void()> call);
    ~PostedCall();
    PostedCall(const PostedCall&) = delete;
    PostedCall& operator=(const PostedCall&) = delete;

    bool HasRun() const { return m_hasRun; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::function<void()> m_call;
    bool m_hasRun = false;
    HWND m_window = nullptr;
};
