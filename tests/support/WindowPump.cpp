#include "tests/support/WindowPump.h"

namespace {
bool Wait(const std::function<bool()>& done, DWORD timeoutMs, bool pump)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return done();
        MSG message;
        while (pump && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(pump ? 5 : 20);
    }
    return true;
}

bool g_timerFired = false;
void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    g_timerFired = true;
}
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    return Wait(done, timeoutMs, false);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    return Wait(done, timeoutMs, true);
}

void PumpPastTimer(DWORD milliseconds)
{
    g_timerFired = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, milliseconds, &OnTimer);
    PumpUntil([] { return g_timerFired; }, milliseconds + kPatientMs);
    KillTimer(nullptr, timer);
}

void PumpPostedMessages()
{
    const DWORD start = GetTickCount();
    MSG message;
    while ((PeekMessageA(&message, nullptr, 0, WM_TIMER - 1, PM_REMOVE)
            || PeekMessageA(&message, nullptr, WM_TIMER + 1, ~0u, PM_REMOVE))
           && GetTickCount() - start < kPatientMs) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::string WindowText(HWND window)
{
    std::string text(GetWindowTextLengthA(window) + 1, '\0');
    text.resize(GetWindowTextA(window, &text[0], static_cast<int>(text.size())));
    return text;
}

std::string ControlText(HWND dialog, int id)
{
    return WindowText(GetDlgItem(dialog, id));
}

RECT ClientRectOf(HWND dialog, int id)
{
    RECT rect = {};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
