#include "tests/viewer/e2e/ViewerProcess.h"
#include "viewer/Resource.h"
#include <cstring>

namespace {
const char kDialogClass[] = "#32770";
const char kMenuClass[] = "#32768";
const char kCaptionStart[] = "Korvast Report Viewer";

}

ViewerProcess::ViewerProcess(const std::string& program, const std::string& switches)
    : ProgramProcess("\"" + program + "\" " + switches)
{
}

// The list's block of the viewer's memory goes before the process.
ViewerProcess::~ViewerProcess()
{
    m_list.reset();
}

HWND ViewerProcess::WaitForDialog(DWORD timeoutMs)
{
    if (!Started())
        return nullptr;
    WaitUntil([&] { return (m_dialog = FindWindowOfClass(kDialogClass, kCaptionStart)) != nullptr; }, timeoutMs);
    SetMainWindow(m_dialog);
    if (m_dialog && !m_list)
        m_list = std::make_unique<RemoteListView>(GetDlgItem(m_dialog, IDC_RESULTS), Process());
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

std::string ViewerProcess::ControlText(int id) const
{
    return ::ControlText(m_dialog, id);
}

bool ViewerProcess::IsControlEnabled(int id) const
{
    return IsWindowEnabled(GetDlgItem(m_dialog, id)) != FALSE;
}

std::string ViewerProcess::Caption() const
{
    return WindowText(m_dialog);
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
    if (!WaitUntil([&] { return (menu = FindWindowOfClass(kMenuClass)) != nullptr; }))
        return false;
    for (int step = 0; step <= position; ++step)
        PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    return WaitUntil([&] { return !IsWindowVisible(menu); });
}

void ViewerProcess::Press(int id)
{
    PostMessageA(m_dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(m_dialog, id)));
}

void ViewerProcess::Close()
{
    Press(IDOK);
}
