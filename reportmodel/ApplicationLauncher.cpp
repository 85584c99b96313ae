#include "reportmodel/ApplicationLauncher.h"
#include "reportmodel/ReportModelStrings.h"
#include "afx/FileException.h"
#include "afx/MessagePump.h"
#include "afx/WaitCursor.h"
#include <process.h>
#include <cstring>
#include <vector>

namespace {
const int kStandardOutput = 0;
const int kStandardError = 1;
const DWORD kReadBufferSize = 0x10000;
// How long a reader lets the child's output gather after a read that found
// little of it, so that it takes the output in large blocks.
const DWORD kOutputGatherMs = 20;
const int kCommandLineLimit = 0x8000;
const DWORD kWaitRoundMs = 100;

void CloseHandleChecked(HANDLE& handle)
{
    if (handle && !CloseHandle(handle))
        ShowApiError("CloseHandle");
    handle = nullptr;
}

// Replaces an inheritable handle by a copy that the child does not inherit.
HANDLE KeepFromChild(HANDLE inheritable)
{
    HANDLE own = nullptr;
    // The box's name is spelt as it has always read: support notes quote the text.
    if (!DuplicateHandle(GetCurrentProcess(), inheritable, GetCurrentProcess(), &own, 0, FALSE,
                         DUPLICATE_SAME_ACCESS))
        ShowApiError("DupliateHandle");
    CloseHandleChecked(inheritable);
    return own;
}

bool CreateInheritablePipe(HANDLE& readEnd, HANDLE& writeEnd)
{
    SECURITY_ATTRIBUTES inherit = { sizeof inherit, nullptr, TRUE };
    if (CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return true;
    ShowApiError("CreatePipe");
    readEnd = writeEnd = nullptr;
    return false;
}

// A file of the user's temporary folder that the child writes its output to
// and that is gone once the child and its reader have closed it. Under Wine
// every write to a pipe costs the writer two round trips to the Wine server,
// which makes a report that writes line by line run several times slower
// than its rows can be listed; a write to a file costs none.
bool CreateInheritableOutputFile(HANDLE& readEnd, HANDLE& writeEnd)
{
    char folder[MAX_PATH] = "";
    char path[MAX_PATH] = "";
    const DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    SECURITY_ATTRIBUTES inherit = { sizeof inherit, nullptr, TRUE };
    readEnd = writeEnd = nullptr;
    if (!GetTempPathA(sizeof folder, folder) || !GetTempFileNameA(folder, "kvo", 0, path)) {
        ShowApiError("CreateFile");
        return false;
    }
    writeEnd = CreateFileA(path, GENERIC_WRITE, shareAll, &inherit, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (writeEnd == INVALID_HANDLE_VALUE) {
        ShowApiError("CreateFile");
        writeEnd = nullptr;
        DeleteFileA(path);
        return false;
    }
    readEnd = CreateFileA(path, GENERIC_READ, shareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (readEnd == INVALID_HANDLE_VALUE) {
        ShowApiError("CreateFile");
        readEnd = nullptr;
        CloseHandleChecked(writeEnd);
        return false;
    }
    return true;
}

int FindNoCase(CString text, CString sub)
{
    return text.MakeLower().Find(sub.MakeLower());
}

// Turns every blank after the quoted script path into '%', so that the script
// receives its argument text as one word. The path, which may hold blanks, is
// kept up to the extension, its closing quote and the blank after it.
CString ProtectArgumentBlanks(const CString& commandLine, const char* extension)
{
    const int pathEnd = FindNoCase(commandLine, CString(extension) + '"');
    if (pathEnd < 0)
        return commandLine;
    const int headLength = pathEnd + static_cast<int>(strlen(extension)) + 2;
    CString arguments = commandLine.Mid(headLength);
    arguments.Replace(' ', '%');
    return commandLine.Left(headLength) + arguments;
}

// The interpreters kvperl and perl and report programs get their arguments with
// blanks protected; cscript and the viewer get them as they are.
CString RewriteArgumentBlanks(CString commandLine)
{
    if (commandLine.Find("kvperl") == 0)
        commandLine = ProtectArgumentBlanks(commandLine, ".prl");
    if (commandLine.Find("perl") == 0)
        commandLine = ProtectArgumentBlanks(commandLine, ".pl");
    if (FindNoCase(commandLine, ".exe") > 0 && commandLine.Find("Tovenar.exe") < 1)
        commandLine = ProtectArgumentBlanks(commandLine, ".exe");
    return commandLine;
}

void ShowCommandLineTooLong()
{
    CString text;
    CString caption;
    text.LoadString(IDS_ARGUMENTS_TOO_LONG_TEXT);
    caption.LoadString(IDS_ARGUMENTS_TOO_LONG_CAPTION);
    MessageBoxA(nullptr, text, caption, MB_OK);
}

class WaitCursorScope {
public:
    WaitCursorScope() { AfxBeginWaitCursor(); }
    ~WaitCursorScope() { AfxEndWaitCursor(); }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;
};
}

void ShowApiError(const char* apiName)
{
    const DWORD error = GetLastError();
    char message[1024] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), message,
                   sizeof message, nullptr);
    CString text;
    text.Format("ERROR: API    = %s.\n   error code = %d.\n   message    = %s.\n", apiName, static_cast<int>(error),
                message);
    MessageBoxA(nullptr, text, "Error", MB_OK);
}

CApplicationLauncher::CApplicationLauncher() = default;

CApplicationLauncher::CApplicationLauncher(const char* application, const char* arguments,
                                           const char* workingFolder)
    : m_application(application), m_arguments(arguments), m_workingFolder(workingFolder)
{
}

CApplicationLauncher::~CApplicationLauncher()
{
    for (HANDLE& thread : m_readerThreads) {
        if (thread) {
            WaitForSingleObject(thread, INFINITE);
            CloseHandle(thread);
        }
    }
    for (HANDLE& readEnd : m_outputReadEnds)
        CloseHandleChecked(readEnd);
    CloseHandleChecked(m_process);
}

CString CApplicationLauncher::GetCommandLine() const
{
    return m_arguments.IsEmpty() ? m_application : m_application + ' ' + m_arguments;
}

void CApplicationLauncher::Start()
{
    // Right-click scripts report nothing back to the viewer. Only the program
    // and script part counts: an argument may hold any text.
    if (m_application.Find("\\scripts_rightclick\\") > 0)
        m_outputCallback = nullptr;
    ChildEnds child;
    if (m_outputCallback) {
        CreateInheritableOutputFile(m_outputReadEnds[kStandardError], child.error);
        CreateInheritableOutputFile(m_outputReadEnds[kStandardOutput], child.output);
    }
    HANDLE inputWriteEnd = nullptr;
    if (!m_inputText.IsEmpty())
        inputWriteEnd = CreateInputPipe(child.input);
    CreateChild(child);
    CloseHandleChecked(child.output);
    CloseHandleChecked(child.input);
    CloseHandleChecked(child.error);
    if (!m_inputText.IsEmpty()) {
        WriteInput(inputWriteEnd);
        CloseHandleChecked(inputWriteEnd);
    }
    if (m_outputCallback) {
        StartReader(kStandardOutput);
        StartReader(kStandardError);
    }
}

HANDLE CApplicationLauncher::CreateInputPipe(HANDLE& childReadEnd)
{
    HANDLE writeEnd = nullptr;
    if (!CreateInheritablePipe(childReadEnd, writeEnd))
        return nullptr;
    return KeepFromChild(writeEnd);
}

void CApplicationLauncher::CreateChild(const ChildEnds& child)
{
    const CString commandLine = RewriteArgumentBlanks(GetCommandLine());
    if (commandLine.GetLength() >= kCommandLineLimit) {
        ShowCommandLineTooLong();
        return;
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = child.input;
    startup.hStdOutput = child.output;
    startup.hStdError = child.error;
    // CreateProcessA may write into the command line it is given.
    std::vector<char> writableCommandLine(commandLine.GetString(),
                                          commandLine.GetString() + commandLine.GetLength() + 1);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, writableCommandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process)) {
        ShowApiError("CreateProcess");
        return;
    }
    CloseHandleChecked(process.hThread);
    CSingleLock lock(&m_processLock, TRUE);
    m_process = process.hProcess;
    if (m_terminateRequested)
        TerminateProcess(m_process, 1);
}

void CApplicationLauncher::WriteInput(HANDLE writeEnd)
{
    DWORD written = 0;
    if (!WriteFile(writeEnd, m_inputText.GetString(), m_inputText.GetLength(), &written, nullptr)
        && GetLastError() != ERROR_NO_DATA)
        ShowApiError("WriteFile");
}

void CApplicationLauncher::StartReader(int streamId)
{
    if (!m_outputReadEnds[streamId])
        return;
    m_readerBlocks[streamId].reset(new ReaderBlock{ this, streamId, m_outputReadEnds[streamId] });
    m_readerThreads[streamId] = reinterpret_cast<HANDLE>(
        _beginthreadex(nullptr, 0, &CApplicationLauncher::ReaderThread, m_readerBlocks[streamId].get(), 0, nullptr));
}

unsigned __stdcall CApplicationLauncher::ReaderThread(void* block)
{
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
    const ReaderBlock& reader = *static_cast<ReaderBlock*>(block);
    try {
        reader.launcher->ReadStream(reader.streamId, reader.readEnd);
    } catch (...) {
    }
    return 0;
}

// Reads the output as the child writes it, until the child has ended and
// everything it wrote is read.
void CApplicationLauncher::ReadStream(int streamId, HANDLE readEnd)
{
    std::vector<char> buffer(kReadBufferSize);
    std::string pending;
    while (!IsAborted()) {
        const bool childEnded = HasChildEnded();
        DWORD bytesRead = 0;
        if (!ReadFile(readEnd, buffer.data(), kReadBufferSize, &bytesRead, nullptr)) {
            ShowApiError("ReadFile");
            break;
        }
        if (bytesRead == 0 && childEnded)
            break;
        const DWORD readAt = GetTickCount();
        pending.append(buffer.data(), bytesRead);
        if (m_lineMode)
            DeliverCompleteLines(pending, streamId);
        if (bytesRead < kReadBufferSize / 2)
            LetOutputGather(readAt);
    }
    // A last line without a line end still belongs to the output.
    Deliver(pending, streamId);
}

bool CApplicationLauncher::HasChildEnded() const
{
    return !m_process || WaitForSingleObject(m_process, 0) != WAIT_TIMEOUT;
}

// After a read that found little output, the next one waits until the child
// has had some milliseconds to write more; the callback's time counts towards them.
void CApplicationLauncher::LetOutputGather(DWORD readAt) const
{
    const DWORD elapsed = GetTickCount() - readAt;
    if (elapsed < kOutputGatherMs && !IsAborted())
        Sleep(kOutputGatherMs - elapsed);
}

void CApplicationLauncher::DeliverCompleteLines(std::string& pending, int streamId)
{
    const size_t lastLineEnd = pending.rfind('\n');
    if (lastLineEnd == std::string::npos)
        return;
    Deliver(pending.substr(0, lastLineEnd + 1), streamId);
    pending.erase(0, lastLineEnd + 1);
}

void CApplicationLauncher::Deliver(const std::string& block, int streamId)
{
    if (block.empty() || !m_outputCallback || IsAborted())
        return;
    m_outputCallback(m_outputContext, CString(block.data(), static_cast<int>(block.size())), streamId);
}

void CApplicationLauncher::Wait(DWORD timeoutMs)
{
    WaitCursorScope waitCursor;
    const DWORD start = GetTickCount();
    while (IsRunning()) {
        if (MsgWaitForMultipleObjects(1, &m_process, FALSE, kWaitRoundMs, QS_ALLINPUT) == WAIT_FAILED)
            CFileException::ThrowOsError(GetLastError(), m_application);
        if (timeoutMs != INFINITE && GetTickCount() - start > timeoutMs)
            return;
        if (!AfxPumpWaitingMessages())
            return;
        AfxRestoreWaitCursor();
    }
}

void CApplicationLauncher::Run(DWORD timeoutMs)
{
    Start();
    Wait(timeoutMs);
}

bool CApplicationLauncher::IsRunning() const
{
    DWORD exitCode = 0;
    return m_process && GetExitCodeProcess(m_process, &exitCode) && exitCode == STILL_ACTIVE;
}

DWORD CApplicationLauncher::GetExitCode() const
{
    DWORD exitCode = 0;
    if (!GetExitCodeProcess(m_process, &exitCode))
        CFileException::ThrowOsError(GetLastError(), m_application);
    return exitCode;
}

void CApplicationLauncher::Terminate()
{
    CSingleLock lock(&m_processLock, TRUE);
    m_terminateRequested = true;
    if (m_process)
        TerminateProcess(m_process, 1);
}
