#include "tests/builder/e2e/BuilderProcess.h"
#include "tests/support/WindowPump.h"
#include <commctrl.h>
#include <cstring>

namespace {
const char kFrameClass[] = "AfxFrameWnd";
const int kTreeId = 1000;
const int kListId = 1001;
const int kToolBarId = 0xE800;
const char kViewerCaption[] = "Korvast Report Viewer";
const int kViewerResults = 1070;
const int kClickStep = 6;

struct WindowSearch {
    DWORD processId;  // 0: any process
    const char* windowClass;
    const char* title;
    int id;
    HWND found;
    DWORD foundProcess;
};

std::string TextOf(HWND window)
{
    char text[4096] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool Matches(HWND window, const WindowSearch& search)
{
    char windowClass[64] = "";
    GetClassNameA(window, windowClass, sizeof windowClass);
    if (search.windowClass && lstrcmpA(windowClass, search.windowClass) != 0)
        return false;
    if (search.title && TextOf(window).compare(0, strlen(search.title), search.title) != 0)
        return false;
    return search.id < 0 || GetDlgCtrlID(window) == search.id;
}

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM address)
{
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(address);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if ((search.processId && processId != search.processId) || !IsWindowVisible(window) || !Matches(window, search))
        return TRUE;
    search.found = window;
    search.foundProcess = processId;
    return FALSE;
}

BOOL CALLBACK MatchChild(HWND window, LPARAM address)
{
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(address);
    if (!Matches(window, search))
        return TRUE;
    search.found = window;
    return FALSE;
}
}

BuilderProcess::BuilderProcess(const std::string& program)
{
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_process))
        m_process = {};
}

BuilderProcess::~BuilderProcess()
{
    if (!m_process.hProcess)
        return;
    if (m_frame && IsWindow(m_frame))
        PostMessageA(m_frame, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(m_process.hProcess, 1);
    m_tree.reset();
    m_reports.reset();
    CloseHandle(m_process.hProcess);
    CloseHandle(m_process.hThread);
}

HWND BuilderProcess::FindWindowOfAnyProcess(const char* windowClass, const char* title, DWORD* processId)
{
    WindowSearch search = { 0, windowClass, title, -1, nullptr, 0 };
    EnumWindows(&MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    if (processId)
        *processId = search.foundProcess;
    return search.found;
}

HWND BuilderProcess::FindDescendant(HWND parent, int id, const char* windowClass)
{
    WindowSearch search = { 0, windowClass, nullptr, id, nullptr, 0 };
    EnumChildWindows(parent, &MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND BuilderProcess::WaitForFrame(DWORD timeoutMs)
{
    if (!m_process.hProcess)
        return nullptr;
    PumpUntil(
        [&] {
            WindowSearch search = { m_process.dwProcessId, kFrameClass, nullptr, -1, nullptr, 0 };
            EnumWindows(&MatchTopLevel, reinterpret_cast<LPARAM>(&search));
            m_frame = search.found;
            return m_frame && FindDescendant(m_frame, kTreeId, WC_TREEVIEWA);
        },
        timeoutMs);
    if (!m_frame)
        return nullptr;
    m_tree = std::make_unique<RemoteTreeView>(FindDescendant(m_frame, kTreeId, WC_TREEVIEWA), m_process.hProcess);
    m_reports = std::make_unique<RemoteListView>(FindDescendant(m_frame, kListId, WC_LISTVIEWA), m_process.hProcess);
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

bool BuilderProcess::IsCommandEnabled(UINT id) const
{
    HWND toolBar = FindDescendant(m_frame, kToolBarId, TOOLBARCLASSNAMEA);
    // A message through the queue: the idle update runs once it is handled.
    PostMessageA(m_frame, WM_NULL, 0, 0);
    Sleep(300);
    SendMessageA(m_frame, WM_NULL, 0, 0);
    return SendMessageA(toolBar, TB_ISBUTTONENABLED, id, 0) != 0;
}

void BuilderProcess::Command(UINT id) const
{
    PostMessageA(m_frame, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

std::string BuilderProcess::Caption() const
{
    return TextOf(m_frame);
}

ShownWindow BuilderProcess::WaitForWindow(const std::string& caption, DWORD timeoutMs) const
{
    ShownWindow shown;
    PumpUntil(
        [&] {
            WindowSearch search = { m_process.dwProcessId, "#32770", caption.c_str(), -1, nullptr, 0 };
            EnumWindows(&MatchTopLevel, reinterpret_cast<LPARAM>(&search));
            shown.window = search.found;
            return shown.window && TextOf(shown.window) == caption;
        },
        timeoutMs);
    if (!shown.window)
        return shown;
    shown.caption = TextOf(shown.window);
    // A message box's text is its static control 0xFFFF.
    char text[4096] = "";
    GetDlgItemTextA(shown.window, 0xFFFF, text, sizeof text);
    shown.text = text;
    return shown;
}

bool BuilderProcess::Press(HWND window, int id)
{
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
    return PumpUntil([&] { return !IsWindow(window); }, 5000);
}

bool BuilderProcess::ClickValue(int line) const
{
    HWND list = FindDescendant(m_frame, kListId, "ListBox");
    const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    RECT client = {};
    GetClientRect(list, &client);
    const LPARAM y = height * line + height / 2;
    for (int x = kClickStep; x < client.right; x += kClickStep) {
        const LPARAM point = MAKELPARAM(x, y);
        SendMessageA(list, WM_MOUSEMOVE, 0, point);
        DWORD_PTR ignored = 0;
        if (!SendMessageTimeoutA(list, WM_LBUTTONDOWN, MK_LBUTTON, point, SMTO_NORMAL, 2000, &ignored))
            return true;
        SendMessageA(list, WM_LBUTTONUP, 0, point);
    }
    return false;
}

void BuilderProcess::SetPickerTime(HWND picker, DWORD kind, const SYSTEMTIME& time) const
{
    void* block = VirtualAllocEx(m_process.hProcess, nullptr, sizeof time, MEM_COMMIT, PAGE_READWRITE);
    WriteProcessMemory(m_process.hProcess, block, &time, sizeof time, nullptr);
    SendMessageA(picker, DTM_SETSYSTEMTIME, kind, reinterpret_cast<LPARAM>(block));
    VirtualFreeEx(m_process.hProcess, block, 0, MEM_RELEASE);
}

DWORD BuilderProcess::PickerTime(HWND picker, SYSTEMTIME* time) const
{
    void* block = VirtualAllocEx(m_process.hProcess, nullptr, sizeof *time, MEM_COMMIT, PAGE_READWRITE);
    const DWORD kind = static_cast<DWORD>(SendMessageA(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(block)));
    ReadProcessMemory(m_process.hProcess, block, time, sizeof *time, nullptr);
    VirtualFreeEx(m_process.hProcess, block, 0, MEM_RELEASE);
    return kind;
}

std::vector<std::vector<std::string>> BuilderProcess::ViewerRows(size_t rows)
{
    DWORD viewerProcessId = 0;
    HWND viewer = nullptr;
    if (!PumpUntil([&] { return (viewer = FindWindowOfAnyProcess("#32770", kViewerCaption, &viewerProcessId)) != nullptr; },
                   30000))
        return {};
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, viewerProcessId);
    std::vector<std::vector<std::string>> shown;
    {
        RemoteListView results(GetDlgItem(viewer, kViewerResults), process);
        PumpUntil([&] { return results.ItemCount() >= static_cast<int>(rows); }, 30000);
        shown = results.Rows();
    }
    PostMessageA(viewer, WM_COMMAND, IDOK, 0);
    WaitForSingleObject(process, 10000);
    CloseHandle(process);
    return shown;
}
