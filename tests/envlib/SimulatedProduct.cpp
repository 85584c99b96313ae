#include "tests/envlib/SimulatedProduct.h"
#include "tests/envlib/ChildProcess.h"
#include <windows.h>
#include <fstream>
#include <sstream>
#include <vector>

namespace {
// Once per process: the automation objects live in this thread's apartment,
// and the cached Application object outlives every test.
void StartServerOnce()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HMODULE server = LoadLibraryA((ProgramFolder() + "KorvastQel.dll").c_str());
    auto registerServer = reinterpret_cast<HRESULT(WINAPI*)()>(GetProcAddress(server, "DllRegisterServer"));
    if (registerServer != nullptr)
        registerServer();
}

int g_dataVersion = 0;

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
}

SimulatedProduct::SimulatedProduct(const std::string& data)
{
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    m_dataFile = std::string(temp) + "korvast-envlib-sim-" + std::to_string(GetCurrentProcessId()) + ".txt";
    SetData(data);
    SetEnvironmentVariableA("KORVAST_SIM_DATA", m_dataFile.c_str());
    StartServerOnce();
}

SimulatedProduct::~SimulatedProduct()
{
    DeleteFileA(m_dataFile.c_str());
}

void SimulatedProduct::SetData(const std::string& data)
{
    // A growing version line makes every rewrite differ in size as well as time.
    std::ofstream(m_dataFile, std::ios::binary | std::ios::trunc)
        << "# version " << std::string(++g_dataVersion, '+') << "\n" << data;
}

std::string WithRecords(const std::string& base, const std::string& records)
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
