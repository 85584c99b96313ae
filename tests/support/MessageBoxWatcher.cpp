#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/WindowPump.h"
#include <gtest/gtest.h>
#include <algorithm>

namespace {
// The id that the system's message box gives its text control.
const int kMessageBoxTextId = 0xFFFF;

// What every watcher shares: how many await boxes, and which boxes were answered.
std::atomic<int> g_awaitingWatchers{ 0 };
std::mutex g_answeredLock;
std::vector<HWND> g_answeredBoxes;

bool WasAnswered(HWND box)
{
    std::lock_guard<std::mutex> guard(g_answeredLock);
    return std::find(g_answeredBoxes.begin(), g_answeredBoxes.end(), box) != g_answeredBoxes.end();
}

void MarkAnswered(HWND box)
{
    std::lock_guard<std::mutex> guard(g_answeredLock);
    if (std::find(g_answeredBoxes.begin(), g_answeredBoxes.end(), box) == g_answeredBoxes.end())
        g_answeredBoxes.push_back(box);
}

int g_unexpectedScopes = 0;
}

bool IsMessageBox(HWND window)
{
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    return strcmp(className, "#32770") == 0 && GetDlgItem(window, kMessageBoxTextId) != nullptr;
}

MessageBoxWatcher::MessageBoxWatcher(int answer) : MessageBoxWatcher(answer, Role::kAwaiting) {}

MessageBoxWatcher::MessageBoxWatcher(int answer, Role role) : m_answer(answer), m_role(role)
{
    if (m_role == Role::kAwaiting)
        ++g_awaitingWatchers;
    m_thread = std::thread(&MessageBoxWatcher::Watch, this);
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    m_stop = true;
    m_thread.join();
    if (m_role == Role::kAwaiting)
        --g_awaitingWatchers;
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
    auto& watcher = *reinterpret_cast<MessageBoxWatcher*>(self);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && IsMessageBox(window) && watcher.Takes(window))
        watcher.Answer(window);
    return TRUE;
}

bool MessageBoxWatcher::Takes(HWND box) const
{
    if (m_role == Role::kAwaiting)
        return true;
    if (g_awaitingWatchers > 0)
        return false;
    std::lock_guard<std::mutex> guard(m_lock);
    bool mine = std::find(m_answered.begin(), m_answered.end(), box) != m_answered.end();
    return mine || !WasAnswered(box);
}

void MessageBoxWatcher::Answer(HWND box)
{
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (std::find(m_answered.begin(), m_answered.end(), box) == m_answered.end()) {
            m_answered.push_back(box);
            m_boxes.push_back({ WindowText(box), WindowText(GetDlgItem(box, kMessageBoxTextId)), GetWindow(box, GW_OWNER) });
            MarkAnswered(box);
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

AwaitedBoxes::~AwaitedBoxes()
{
    for (const RecordedBox& box : NewBoxes(0))
        ADD_FAILURE() << "a message box that the test did not await: \"" << box.caption << "\": \"" << box.text << "\"";
}

UnexpectedBoxes::UnexpectedBoxes()
{
    if (g_unexpectedScopes++ == 0)
        m_watcher.reset(new MessageBoxWatcher(IDCANCEL, MessageBoxWatcher::Role::kCatchingStrays));
}

UnexpectedBoxes::~UnexpectedBoxes()
{
    --g_unexpectedScopes;
    if (!m_watcher)
        return;
    std::vector<RecordedBox> boxes = m_watcher->Boxes();
    m_watcher.reset();
    for (const RecordedBox& box : boxes)
        ADD_FAILURE() << "a message box that no test awaited, answered with Cancel: \"" << box.caption << "\": \""
                      << box.text << "\"";
}
