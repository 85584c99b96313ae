#include "afx/WaitCursor.h"
#include <windows.h>
#include <atomic>

namespace {
std::atomic<int> g_waitCursorCount{0};
std::atomic<HCURSOR> g_cursorBeforeWait{nullptr};

HCURSOR WaitCursor()
{
    return LoadCursorA(nullptr, IDC_WAIT);
}
}

void AfxBeginWaitCursor()
{
    HCURSOR previous = SetCursor(WaitCursor());
    if (g_waitCursorCount++ == 0)
        g_cursorBeforeWait = previous;
}

void AfxRestoreWaitCursor()
{
    if (g_waitCursorCount > 0)
        SetCursor(WaitCursor());
}

void AfxEndWaitCursor()
{
    if (g_waitCursorCount > 0 && --g_waitCursorCount == 0)
        SetCursor(g_cursorBeforeWait);
}
