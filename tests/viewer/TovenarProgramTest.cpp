// Tovenar.exe as a whole, started with a command line of switches the way the
// builder starts it, with the test child program as the report script. A
// localized resource library lies beside it (res\Tovenar.dll, texts in German).
#include "viewer/Resource.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {
std::string TestFolder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    return folder.erase(folder.rfind('\\') + 1);
}

class Program {
public:
    explicit Program(const std::string& switches)
    {
        std::string commandLine = "\"" + TestFolder() + "Tovenar.exe\" `E:\"" + TestFolder() + "childproc.exe\" " + switches;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        m_started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                   &m_process) != FALSE;
        if (m_started)
            CloseHandle(m_process.hThread);
    }
    ~Program()
    {
        if (!m_started)
            return;
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(m_process.hProcess, 1);
        CloseHandle(m_process.hProcess);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return m_started; }
    bool HasEnded(DWORD timeoutMs) const { return WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0; }
    DWORD ExitCode() const
    {
        DWORD code = 0;
        GetExitCodeProcess(m_process.hProcess, &code);
        return code;
    }
    // The program's visible top-level window, or null.
    HWND VisibleWindow() const
    {
        Search search = { m_process.dwProcessId, nullptr };
        EnumWindows(&OnWindow, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

private:
    struct Search {
        DWORD process;
        HWND found;
    };
    static BOOL CALLBACK OnWindow(HWND window, LPARAM data)
    {
        Search* search = reinterpret_cast<Search*>(data);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == search->process && IsWindowVisible(window))
            search->found = window;
        return search->found == nullptr;
    }

    PROCESS_INFORMATION m_process = {};
    bool m_started = false;
};

std::string Text(HWND window)
{
    char text[256] = "";
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 20000)
{
    for (DWORD start = GetTickCount(); !done(); Sleep(20))
        if (GetTickCount() - start > timeoutMs)
            return false;
    return true;
}
}

TEST(TovenarProgram, WithoutFieldsRunsTheReportWithNoWindowAndEndsWithIt)
{
    DWORD start = GetTickCount();
    Program program("`D:\"C:\\\" `P:sleep:500 `T:Windowless ");
    ASSERT_TRUE(program.Started());
    bool windowSeen = false;
    ASSERT_TRUE(WaitFor([&] {
        windowSeen = windowSeen || program.VisibleWindow() != nullptr;
        return program.HasEnded(0);
    }));
    EXPECT_FALSE(windowSeen);
    EXPECT_GE(GetTickCount() - start, 450u) << "the program ends when the script ends";
}

TEST(TovenarProgram, WithFieldsShowsTheRowsInTheLocalizedDialogUntilItIsClosed)
{
    Program program("`P:out:a;1 out:b;2 `F:\"Name\"(string) \"Size\"(Integer) `T:Program run ");
    ASSERT_TRUE(program.Started());
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (dialog = program.VisibleWindow()) != nullptr; }));
    EXPECT_EQ("Korvast Berichtanzeige - Program run ", Text(dialog));
    EXPECT_EQ("Ergebnisse filtern:", Text(GetDlgItem(dialog, IDC_FILTER_LABEL)));
    ASSERT_TRUE(WaitFor([&] { return Text(GetDlgItem(dialog, IDC_STATUS)) == "Fertig"; }));
    EXPECT_EQ("Verarbeitete Zeilen: 2", Text(GetDlgItem(dialog, IDC_ROWS_PROCESSED)));
    // The library's list is one of an older build, without LVS_OWNERDATA.
    HWND list = GetDlgItem(dialog, IDC_RESULTS);
    EXPECT_EQ(2, ListView_GetItemCount(list));
    EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & LVS_OWNERDATA);
    EXPECT_FALSE(program.HasEnded(0));
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.HasEnded(10000));
    EXPECT_EQ(0u, program.ExitCode());
}

namespace {
// The functions a program imports from one DLL, read from its mapped image.
std::vector<std::string> ImportsFrom(const std::string& program, const char* dll)
{
    std::vector<std::string> names;
    HMODULE image = LoadLibraryExA(program.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    if (!image)
        return names;
    auto base = reinterpret_cast<const BYTE*>(image);
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    DWORD importsAt = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + importsAt); importsAt && entry->Name;
         ++entry) {
        if (_stricmp(reinterpret_cast<const char*>(base + entry->Name), dll) != 0)
            continue;
        for (auto thunk = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
             thunk->u1.AddressOfData; ++thunk)
            if (!(thunk->u1.Ordinal & IMAGE_ORDINAL_FLAG))
                names.push_back(reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + thunk->u1.AddressOfData)->Name);
    }
    FreeLibrary(image);
    return names;
}
}

// Wine registers every common control when comctl32 loads; on Windows the
// program must ask for the ones it uses, whichever DLL happens to load it.
TEST(TovenarProgram, RegistersTheCommonControlsItUses)
{
    std::vector<std::string> imports = ImportsFrom(TestFolder() + "Tovenar.exe", "comctl32.dll");
    EXPECT_NE(imports.end(), std::find(imports.begin(), imports.end(), "InitCommonControlsEx"));
}
