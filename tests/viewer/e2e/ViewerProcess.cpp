#include "tests/viewer/e2e/ViewerProcess.h"
#include "viewer/Resource.h"
#include <cstring>

namespace {
const char kDialogClass[] = "#32770";
const char kMenuClass[] = "#32768";
const char kCaptionStart[] = "Korvast Report Viewer";

struct WindowSearch {
    DWORD processId;
    const char* windowClass;
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM searchAddress)
{
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(searchAddress);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char windowClass[64] = "";
    char title[256] = "";
    GetClassNameA(window, windowClass, sizeof windowClass);
    GetWindowTextA(window, title, sizeof title);
    if (processId != search.processId || !IsWindowVisible(window) || lstrcmpA(windowClass, search.windowClass) != 0
        || (search.title && strncmp(title, search.title, strlen(search.title)) != 0))
        return TRUE;
    search.found = window;
    return FALSE;
}
}

ViewerProcess::ViewerProcess(const std::string& program, const std::string& switches)
{
    std::string commandLine = "\"" + program + "\" " + switches;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_process))
        m_process = {};
}

ViewerProcess::~ViewerProcess()
{
    if (!m_process.hProcess)
        return;
    if (m_dialog && IsWindow(m_dialog))
        PostMessageA(m_dialog, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(m_process.hProcess, 1);
    m_list.reset();
    CloseHandle(m_process.hProcess);
    CloseHandle(m_process.hThread);
}

bool ViewerProcess::WaitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
    return true;
}

HWND ViewerProcess::FindWindowOfClass(const char* windowClass, const char* title) const
{
    WindowSearch search = { m_process.dwProcessId, windowClass, title, nullptr };
    EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ViewerProcess::WaitForDialog(DWORD timeoutMs)
{
    if (!Started())
        return nullptr;
    WaitUntil([&] { return (m_dialog = FindWindowOfClass(kDialogClass, kCaptionStart)) != nullptr; }, timeoutMs);
    if (m_dialog && !m_list)
        m_list = std::make_unique<RemoteListView>(GetDlgItem(m_dialog, IDC_RESULTS), m_process.hProcess);
    return m_dialog;
}

bool ViewerProcess::WaitForRunEnd(DWORD timeoutMs)
{
    if (!WaitForDialog())
        return false;
    return WaitUntil(
        [&] {
            std::string status = ControlText(IDC_STATUS);
            if (status != "Completed" && status != "Canceled" && status != "Failed")
                return false;
            return ControlText(IDC_ROWS_PROCESSED) == "Rows Processed: " + std::to_string(m_list->ItemCount());
        },
        timeoutMs);
}

bool ViewerProcess::WaitForExit(DWORD timeoutMs)
{
    return Started() && WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

std::string ViewerProcess::ControlText(int id) const
{
    char text[4096] = "";
    GetDlgItemTextA(m_dialog, id, text, sizeof text);
    return text;
}

bool ViewerProcess::IsControlEnabled(int id) const
{
    return IsWindowEnabled(GetDlgItem(m_dialog, id)) != FALSE;
}

std::string ViewerProcess::Caption() const
{
    char text[256] = "";
    GetWindowTextA(m_dialog, text, sizeof text);
    return text;
}

// Sent, not posted: the header handles both buttons, and the list sorts,
// before the second message returns.
void ViewerProcess::ClickHeading(int column)
{
    const POINT point = m_list->HeadingPoint(column);
    const HWND header = m_list->Header();
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

void ViewerProcess::TypeFilter(const std::string& text)
{
    SetDlgItemTextA(m_dialog, IDC_FILTER, text.c_str());
}

bool ViewerProcess::ChooseFromItemMenu(int item, int position)
{
    const POINT point = m_list->ItemPoint(item);
    const HWND list = GetDlgItem(m_dialog, IDC_RESULTS);
    PostMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(point.x, point.y));
    PostMessageA(list, WM_RBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    HWND menu = nullptr;
    if (!WaitUntil([&] { return (menu = FindWindowOfClass(kMenuClass)) != nullptr; }, 15000))
        return false;
    for (int step = 0; step <= position; ++step)
        PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    return WaitUntil([&] { return !IsWindowVisible(menu); }, 15000);
}

void ViewerProcess::Press(int id)
{
    PostMessageA(m_dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(m_dialog, id)));
}

void ViewerProcess::Close()
{
    Press(IDOK);
}
