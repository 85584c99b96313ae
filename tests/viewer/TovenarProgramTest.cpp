// Tovenar.exe as a whole, started with a command line of switches the way the
// builder starts it, with the test child program as the report script. A
// localized resource library lies beside it (res\Tovenar.dll, texts in German).
#include "tests/support/ChildGate.h"
#include "tests/support/ProgramProcess.h"
#include "tests/support/WindowPump.h"
#include "viewer/Resource.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
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

// Tovenar.exe beside the test program, with the test child program as its report script.
class Program : public ProgramProcess {
public:
    explicit Program(const std::string& switches)
        : ProgramProcess("\"" + TestFolder() + "Tovenar.exe\" `E:\"" + TestFolder() + "childproc.exe\" " + switches)
    {
    }
};

std::string Text(HWND window)
{
    char text[256] = "";
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}
}

TEST(TovenarProgram, WithoutFieldsRunsTheReportWithNoWindowAndEndsWithIt)
{
    ChildGate release;
    Program program("`D:\"C:\\\" `P:" + release.Wait() + " `T:Windowless ");
    ASSERT_TRUE(program.Started());
    // The script waits at the gate: the program waits with it, showing nothing.
    EXPECT_FALSE(program.HasEnded(500)) << "the program ends when the script ends";
    bool windowSeen = program.FindWindowOfClass(nullptr) != nullptr;
    release.Open();
    ASSERT_TRUE(WaitUntil([&] {
        windowSeen = windowSeen || program.FindWindowOfClass(nullptr) != nullptr;
        return program.HasEnded(0);
    }));
    EXPECT_FALSE(windowSeen);
    EXPECT_EQ(0u, program.ExitCode());
}

TEST(TovenarProgram, WithFieldsShowsTheRowsInTheLocalizedDialogUntilItIsClosed)
{
    Program program("`P:out:a;1 out:b;2 `F:\"Name\"(string) \"Size\"(Integer) `T:Program run ");
    ASSERT_TRUE(program.Started());
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = program.FindWindowOfClass("#32770")) != nullptr; }));
    EXPECT_EQ("Korvast Berichtanzeige - Program run ", Text(dialog));
    EXPECT_EQ("Ergebnisse filtern:", Text(GetDlgItem(dialog, IDC_FILTER_LABEL)));
    ASSERT_TRUE(WaitUntil([&] { return Text(GetDlgItem(dialog, IDC_STATUS)) == "Fertig"; }));
    EXPECT_EQ("Verarbeitete Zeilen: 2", Text(GetDlgItem(dialog, IDC_ROWS_PROCESSED)));
    // The library's list is one of an older build, without LVS_OWNERDATA.
    HWND list = GetDlgItem(dialog, IDC_RESULTS);
    EXPECT_EQ(2, ListView_GetItemCount(list));
    EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & LVS_OWNERDATA);
    EXPECT_FALSE(program.HasEnded(0));
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.HasEnded(kPatientMs));
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
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    DWORD importsAt = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + importsAt); importsAt && entry->Name;
         ++entry) {
        if (_stricmp(reinterpret_cast<const char*>(base + entry->Name), dll) != 0)
            continue;
        for (auto thunk = reinterpret_cast<const IMAGE_THUNK_DATA32*>(base + entry->OriginalFirstThunk);
             thunk->u1.AddressOfData; ++thunk)
            if (!(thunk->u1.Ordinal & IMAGE_ORDINAL_FLAG32))
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
