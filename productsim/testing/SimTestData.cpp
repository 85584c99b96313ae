#include "productsim/testing/SimTestData.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestFiles.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <memory>
#include <sstream>
#include <vector>

namespace {
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

// The word of a data line that begins at or after `at`, taken as the product
// reads it: it ends at a blank or tab outside double quotes, and its quotes
// are dropped, so a quoted name with blanks is one word.
std::string NextWord(const std::string& line, size_t& at)
{
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
        ++at;
    std::string word;
    bool quoted = false;
    for (; at < line.size() && (quoted || (line[at] != ' ' && line[at] != '\t')); ++at) {
        if (line[at] == '"')
            quoted = !quoted;
        else
            word += line[at];
    }
    return word;
}

// The record word and the name: the first two words of a line.
std::string RecordKey(const std::string& line)
{
    size_t at = 0;
    std::string word = NextWord(line, at);
    std::string name = NextWord(line, at);
    return word + " " + name;
}

// The folder of the data files, made with the first of them and removed as
// the test program's tests end, where a folder that cannot be removed still
// fails the run.
class DataFolder : public testing::Environment {
public:
    static const ScratchFolder& Get()
    {
        static DataFolder* const environment =
            static_cast<DataFolder*>(testing::AddGlobalTestEnvironment(new DataFolder));
        if (!environment->m_folder)
            environment->m_folder = std::make_unique<ScratchFolder>("simdata");
        return *environment->m_folder;
    }

    void TearDown() override { m_folder.reset(); }

private:
    std::unique_ptr<ScratchFolder> m_folder;
};
}

std::string CSimTestData::Use(const std::string& text)
{
    // A new file each time: a rewrite of the same size within the file
    // system's time granularity would look unchanged to the product.
    const ScratchFolder& folder = DataFolder::Get();
    static int generation = 0;
    DeleteFileA((folder / (std::to_string(generation) + ".txt")).c_str());
    std::string path = folder / (std::to_string(++generation) + ".txt");
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(file);
    }
    SetEnvironmentVariableA("KORVAST_SIM_DATA", path.c_str());
    return path;
}

bool CSimTestData::RegisterServer()
{
    HMODULE server = LoadLibraryA((ProgramFolder() + "KorvastQel.dll").c_str());
    if (server == nullptr)
        return false;
    typedef HRESULT(STDAPICALLTYPE * RegisterFunction)();
    RegisterFunction registerServer = reinterpret_cast<RegisterFunction>(reinterpret_cast<void*>(GetProcAddress(server, "DllRegisterServer")));
    bool registered = registerServer != nullptr && SUCCEEDED(registerServer());
    FreeLibrary(server);
    return registered;
}

void CSimTestData::StartServerOnce()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    RegisterServer();
}

std::string CSimTestData::WithRecords(const std::string& base, const std::string& records)
{
    std::vector<std::string> lines = Lines(base);
    for (const std::string& record : Lines(records)) {
        bool replaced = false;
        for (std::string& line : lines) {
            if (!replaced && RecordKey(line) == RecordKey(record)) {
                line = record;
                replaced = true;
            }
        }
        if (!replaced)
            lines.push_back(record);
    }
    std::string data;
    for (const std::string& line : lines)
        data += line + "\n";
    return data;
}
