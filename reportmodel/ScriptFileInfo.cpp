#include "reportmodel/ScriptFileInfo.h"
#include <cstdlib>
#include <vector>

namespace {
const char kScriptHost[] = "cscript \"/nologo\" ";
const char kBlanks[] = " \t";

struct ScriptKind {
    const char* extension;
    const char* commandPrefix;
};

const ScriptKind kScriptKinds[] = {
    { ".prl", "kvperl " },
    { ".pl", "perl " },
    { ".vbs", kScriptHost },
    { ".js", kScriptHost },
    { ".exe", "" },
};

const ScriptKind* FindScriptKind(const CString& extension)
{
    for (const ScriptKind& kind : kScriptKinds)
        if (extension.CompareNoCase(kind.extension) == 0)
            return &kind;
    return nullptr;
}

void CloseIfOpen(HANDLE handle)
{
    if (handle)
        CloseHandle(handle);
}

CString ReadUntilBroken(HANDLE readEnd)
{
    CString text;
    char chunk[256];
    DWORD bytesRead = 0;
    while (ReadFile(readEnd, chunk, sizeof chunk, &bytesRead, nullptr))
        text += CString(chunk, static_cast<int>(bytesRead));
    return text;
}

// A script that cannot start simply has no description; the reason goes to
// the debugger's output (under Wine: WINEDEBUG=+debugstr).
void ReportStartFailure(const CString& commandLine)
{
    CString message;
    message.Format("cannot start %s: error %lu\n", commandLine.GetString(), GetLastError());
    OutputDebugStringA(message);
}

// Runs the command line hidden, with standard output and standard error mixed
// on one pipe and an input that ends at once; returns all it printed.
CString ReadProgramOutput(const CString& commandLine)
{
    SECURITY_ATTRIBUTES inherit = { sizeof inherit, nullptr, TRUE };
    HANDLE outputRead = nullptr, outputWrite = nullptr, inputRead = nullptr, inputWrite = nullptr;
    if (!CreatePipe(&outputRead, &outputWrite, &inherit, 0) || !CreatePipe(&inputRead, &inputWrite, &inherit, 0)) {
        for (HANDLE handle : { outputRead, outputWrite, inputRead, inputWrite })
            CloseIfOpen(handle);
        return CString();
    }
    // The parent's ends stay out of the child: an inherited write end of its own
    // input would keep a script that reads it from ever seeing the end.
    SetHandleInformation(outputRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(inputWrite, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = inputRead;
    startup.hStdOutput = outputWrite;
    startup.hStdError = outputWrite;
    std::vector<char> writableCommandLine(commandLine.GetString(),
                                          commandLine.GetString() + commandLine.GetLength() + 1);
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessA(nullptr, writableCommandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    if (!started)
        ReportStartFailure(commandLine);
    for (HANDLE handle : { outputWrite, inputRead, inputWrite })
        CloseHandle(handle);

    const CString text = ReadUntilBroken(outputRead);
    if (started) {
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(outputRead);
    return text;
}

CString RemoveEnclosingQuotes(CString text)
{
    if (!text.IsEmpty() && text[0] == '"')
        text = text.Mid(1);
    if (!text.IsEmpty() && text[text.GetLength() - 1] == '"')
        text = text.Left(text.GetLength() - 1);
    return text;
}

bool IsLineEnd(char ch)
{
    return ch == '\r' || ch == '\n';
}

int ReadDecimal(const CString& text)
{
    const char* start = text;
    char* end = nullptr;
    const long value = strtol(start, &end, 10);
    return end == start ? 0 : static_cast<int>(value);
}
}

CScriptFileInfo::CScriptFileInfo(const CFileInfo& file) : CFileInfo(file), m_info(""), m_description("") {}

void CScriptFileInfo::Create(const char* path, DWORD callerWord)
{
    CFileInfo::Create(path, callerWord);
    QueryInfoUnlessFolder();
}

void CScriptFileInfo::Create(const WIN32_FIND_DATAA& entry, const char* folder, DWORD callerWord)
{
    CFileInfo::Create(entry, folder, callerWord);
    QueryInfoUnlessFolder();
}

void CScriptFileInfo::QueryInfoUnlessFolder()
{
    // A record whose path was never found has unknown attributes, which read as a folder.
    if (!IsFolder())
        QueryInfo();
}

bool CScriptFileInfo::IsScript() const
{
    return !IsFolder() && FindScriptKind(GetFileExt()) != nullptr;
}

CString CScriptFileInfo::GetCommandLine() const
{
    const ScriptKind* kind = FindScriptKind(GetFileExt());
    return CString(kind ? kind->commandPrefix : "") + '"' + GetFilePath() + "\" ";
}

void CScriptFileInfo::QueryInfo()
{
    RunInfoQuery("-i");
}

void CScriptFileInfo::RunInfoQuery(const char* argument)
{
    ParseInfo(ReadProgramOutput(GetCommandLine() + ' ' + argument));
}

void CScriptFileInfo::ParseInfo(const char* text)
{
    m_info = text;
    m_description = RemoveEnclosingQuotes(GetInfoValue("description"));
    m_id = ReadDecimal(GetInfoValue("id"));
    m_helpFile = GetInfoValue("helpfile");
    m_parameters = GetInfoValue("parameters");
    m_rightClick = GetInfoValue("rightclick");
    m_fields = GetInfoValue("fields");
}

CString CScriptFileInfo::GetInfoValue(const char* key) const
{
    const int length = m_info.GetLength();
    int position = 0;
    while (position < length) {
        const int lineStart = position;
        while (position < length && !IsLineEnd(m_info[position]))
            ++position;
        CString line = m_info.Mid(lineStart, position - lineStart);
        while (position < length && IsLineEnd(m_info[position]))
            ++position;
        line.Trim(kBlanks);
        const int colon = line.Find(':');
        if (colon < 0)
            continue;
        CString lineKey = line.Left(colon);
        if (lineKey.Trim(kBlanks).CompareNoCase(key) == 0) {
            CString value = line.Mid(colon + 1);
            return value.Trim(kBlanks);
        }
    }
    return CString();
}
