#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/WindowPump.h"
#include <algorithm>

namespace {
// The id that the system's message box gives its text control.
const int kMessageBoxTextId = 0xFFFF;
}

MessageBoxWatcher::MessageBoxWatcher(int answer) : m_answer(answer), m_thread(&MessageBoxWatcher::Watch, this) {}

MessageBoxWatcher::~MessageBoxWatcher()
{
    m_stop = true;
    m_thread.join();
}

std::vector<RecordedBox> MessageBoxWatcher::Boxes() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_boxes;
}

std::vector<RecordedBox> MessageBoxWatcher::WaitForBoxes(size_t count, DWORD timeoutMs) const
{
    WaitUntil([&] { return Boxes().size() >= count; }, timeoutMs);
    return Boxes();
}

void MessageBoxWatcher::Watch()
{
    while (!m_stop) {
        EnumWindows(&MessageBoxWatcher::OnWindow, reinterpret_cast<LPARAM>(this));
        Sleep(20);
    }
}

BOOL CALLBACK MessageBoxWatcher::OnWindow(HWND window, LPARAM self)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (process == GetCurrentProcessId() && strcmp(className, "#32770") == 0 && IsWindowVisible(window)
        && GetDlgItem(window, kMessageBoxTextId) != nullptr)
        reinterpret_cast<MessageBoxWatcher*>(self)->Answer(window);
    return TRUE;
}

void MessageBoxWatcher::Answer(HWND box)
{
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (std::find(m_answered.begin(), m_answered.end(), box) == m_answered.end()) {
            m_answered.push_back(box);
            m_boxes.push_back({ WindowText(box), WindowText(GetDlgItem(box, kMessageBoxTextId)) });
        }
    }
    int button = GetDlgItem(box, m_answer) ? m_answer : IDCANCEL;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
}

std::vector<RecordedBox> MessageBoxWatcher::NewBoxes(size_t count)
{
    std::vector<RecordedBox> boxes = WaitForBoxes(m_boxesTaken + count, count ? kPatientMs : 0);
    boxes.erase(boxes.begin(), boxes.begin() + static_cast<long>(m_boxesTaken));
    m_boxesTaken += boxes.size();
    return boxes;
}
