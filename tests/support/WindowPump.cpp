#include "tests/support/WindowPump.h"
#include <commctrl.h>

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

// Asked of the control itself, which also answers from another process, where
// GetWindowText gives only the text the control was created with.
std::string ControlText(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    std::string text(static_cast<size_t>(SendMessageA(control, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
    text.resize(static_cast<size_t>(
        SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]))));
    return text;
}

std::string ComboText(HWND combo, int index)
{
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR)
        return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]))));
    return text;
}

std::vector<std::string> ComboTexts(HWND combo)
{
    std::vector<std::string> texts;
    for (int index = 0; index < SendMessageA(combo, CB_GETCOUNT, 0, 0); ++index)
        texts.push_back(ComboText(combo, index));
    return texts;
}

// A list view tells no text's length: the buffer grows until the text fits with room to spare.
std::string ListItemText(HWND list, int item, int column)
{
    for (size_t size = 256;; size *= 2) {
        std::string text(size, '\0');
        LVITEMA entry = {};
        entry.iSubItem = column;
        entry.pszText = &text[0];
        entry.cchTextMax = static_cast<int>(size);
        const size_t length =
            static_cast<size_t>(SendMessageA(list, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&entry)));
        if (length + 1 < size)
            return text.substr(0, length);
    }
}

std::vector<std::string> ListColumnTexts(HWND list, int column)
{
    std::vector<std::string> texts;
    for (int item = 0; item < SendMessageA(list, LVM_GETITEMCOUNT, 0, 0); ++item)
        texts.push_back(ListItemText(list, item, column));
    return texts;
}

std::string CommaJoined(const std::vector<std::string>& texts)
{
    std::string line;
    for (const std::string& text : texts)
        line += (line.empty() ? "" : ",") + text;
    return line;
}

RECT ClientRectOf(HWND dialog, int id)
{
    RECT rect = {};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
