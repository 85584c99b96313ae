#include "tests/builder/e2e/BuilderProcess.h"
#include "tests/support/WindowPump.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>

namespace {
const char kFrameClass[] = "AfxFrameWnd";
const int kTreeId = 1000;
const int kListId = 1001;
const int kToolBarId = 0xE800;
const char kViewerCaption[] = "Korvast Report Viewer";
const int kViewerResults = 1070;
const int kViewerStatus = 1002;
const int kViewerErrors = 1027;
const int kClickStep = 6;
// How long the clicks along a line may take together: each is answered in milliseconds.
const DWORD kClickValueLimitMs = 15000;
// Report > Run, always on the toolbar: its state shows when the program went idle.
const UINT kIdleProbe = 32771;

// What the clicks of ClickValue have seen handled, counted as the program answers them.
int g_clicksHandled = 0;
void CALLBACK OnClickHandled(HWND, UINT, ULONG_PTR, LRESULT)
{
    ++g_clicksHandled;
}
}

BuilderProcess::BuilderProcess(const std::string& program) : ProgramProcess("\"" + program + "\"") {}

// The blocks of the program's memory go before the program.
BuilderProcess::~BuilderProcess()
{
    m_tree.reset();
    m_reports.reset();
}

HWND BuilderProcess::WaitForFrame(DWORD timeoutMs)
{
    PumpUntil(
        [&] {
            m_frame = FindWindowOfClass(kFrameClass);
            return m_frame && FindDescendant(m_frame, kTreeId, WC_TREEVIEWA);
        },
        timeoutMs);
    if (!m_frame)
        return nullptr;
    SetMainWindow(m_frame);
    m_tree = std::make_unique<RemoteTreeView>(FindDescendant(m_frame, kTreeId, WC_TREEVIEWA), Process());
    m_reports = std::make_unique<RemoteListView>(FindDescendant(m_frame, kListId, WC_LISTVIEWA), Process());
    // The tree is filled before the frame shows, under the same message.
    SendMessageA(m_frame, WM_NULL, 0, 0);
    return m_frame;
}

std::vector<std::string> BuilderProcess::ParameterLines() const
{
    HWND list = FindDescendant(m_frame, kListId, "ListBox");
    std::vector<std::string> lines;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        // The text crosses the process boundary reliably in wide characters only.
        wchar_t wide[4096] = L"";
        SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(wide));
        char text[4096] = "";
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        lines.push_back(text);
    }
    return lines;
}

bool BuilderProcess::ShowsCommand(UINT id, bool enabled) const
{
    HWND toolBar = FindDescendant(m_frame, kToolBarId, TOOLBARCLASSNAMEA);
    SendMessageA(toolBar, TB_ENABLEBUTTON, id, MAKELPARAM(enabled ? FALSE : TRUE, 0));
    PostMessageA(m_frame, WM_NULL, 0, 0);
    return WaitUntil([&] { return (SendMessageA(toolBar, TB_ISBUTTONENABLED, id, 0) != 0) == enabled; });
}

bool BuilderProcess::WaitForIdle() const
{
    HWND toolBar = FindDescendant(m_frame, kToolBarId, TOOLBARCLASSNAMEA);
    return ShowsCommand(kIdleProbe, SendMessageA(toolBar, TB_ISBUTTONENABLED, kIdleProbe, 0) != 0);
}

void BuilderProcess::Command(UINT id) const
{
    PostMessageA(m_frame, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

std::string BuilderProcess::Caption() const
{
    return WindowText(m_frame);
}

ShownWindow BuilderProcess::WaitForWindow(const std::string& caption, DWORD timeoutMs) const
{
    ShownWindow shown;
    PumpUntil(
        [&] {
            shown.window = FindWindowOfClass("#32770", caption.c_str());
            return shown.window && WindowText(shown.window) == caption;
        },
        timeoutMs);
    if (!shown.window || WindowText(shown.window) != caption)
        return ShownWindow();
    shown.caption = WindowText(shown.window);
    // A message box's text is its static control 0xFFFF.
    shown.text = ControlText(shown.window, 0xFFFF);
    return shown;
}

bool BuilderProcess::Press(HWND window, int id)
{
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
    return PumpUntil([&] { return !IsWindow(window); });
}

bool BuilderProcess::ClickValue(int line) const
{
    HWND list = FindDescendant(m_frame, kListId, "ListBox");
    const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    RECT client = {};
    GetClientRect(list, &client);
    const LPARAM y = height * line + height / 2;
    const DWORD start = GetTickCount();
    for (int x = kClickStep; x < client.right && GetTickCount() - start < kClickValueLimitMs; x += kClickStep) {
        const LPARAM point = MAKELPARAM(x, y);
        SendMessageA(list, WM_MOUSEMOVE, 0, point);
        // A click that opens a dialog comes back only once the dialog has gone.
        const int handledBefore = g_clicksHandled;
        SendMessageCallbackA(list, WM_LBUTTONDOWN, MK_LBUTTON, point, &OnClickHandled, 0);
        PumpUntil([&] { return g_clicksHandled != handledBefore || FindWindowOfClass("#32770") != nullptr; },
                  kClickValueLimitMs - std::min(GetTickCount() - start, kClickValueLimitMs));
        if (FindWindowOfClass("#32770"))
            return true;
        SendMessageA(list, WM_LBUTTONUP, 0, point);
    }
    return false;
}

void BuilderProcess::SetPickerTime(HWND picker, DWORD kind, const SYSTEMTIME& time) const
{
    const RemoteBlock block(Process());
    block.Put(time);
    SendMessageA(picker, DTM_SETSYSTEMTIME, kind, block.Address());
}

DWORD BuilderProcess::PickerTime(HWND picker, SYSTEMTIME* time) const
{
    const RemoteBlock block(Process());
    const DWORD kind = static_cast<DWORD>(SendMessageA(picker, DTM_GETSYSTEMTIME, 0, block.Address()));
    *time = block.Get<SYSTEMTIME>();
    return kind;
}

std::vector<std::vector<std::string>> BuilderProcess::ViewerRows(size_t rows) const
{
    DWORD viewerProcessId = 0;
    HWND viewer = nullptr;
    if (!PumpUntil([&] { return (viewer = FindWindowOfChild("#32770", kViewerCaption, &viewerProcessId)) != nullptr; })) {
        const HWND box = FindWindowOfClass("#32770");
        ADD_FAILURE() << "no viewer showed; the builder shows " << (box ? WindowText(box) + ": " + ControlText(box, 0xFFFF) : "no box");
        return {};
    }
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, viewerProcessId);
    std::vector<std::vector<std::string>> shown;
    {
        RemoteListView results(GetDlgItem(viewer, kViewerResults), process);
        if (!PumpUntil([&] { return results.ItemCount() >= static_cast<int>(rows); }))
            ADD_FAILURE() << "the viewer shows " << results.ItemCount() << " rows, status \"" << ControlText(viewer, kViewerStatus)
                          << "\", errors \"" << ControlText(viewer, kViewerErrors) << "\"";
        shown = results.Rows();
    }
    PostMessageA(viewer, WM_COMMAND, IDOK, 0);
    WaitForSingleObject(process, kPatientMs);
    CloseHandle(process);
    return shown;
}
