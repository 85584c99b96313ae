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
const DWORD kReadSize = 0xFFFF;
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

// The end the child writes to is inheritable; the returned end the launcher reads from is not.
HANDLE CreateOutputPipe(HANDLE& childWriteEnd)
{
    HANDLE readEnd = nullptr;
    if (!CreateInheritablePipe(readEnd, childWriteEnd))
        return nullptr;
    return KeepFromChild(readEnd);
}

// The end the child reads from is inheritable; the returned end the launcher writes to is not.
HANDLE CreateInputPipe(HANDLE& childReadEnd)
{
    HANDLE writeEnd = nullptr;
    if (!CreateInheritablePipe(childReadEnd, writeEnd))
        return nullptr;
    return KeepFromChild(writeEnd);
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
    CString text;
    text.Format("ERROR: API    = %s.\n   error code = %d.\n   message    = %s.\n", apiName, static_cast<int>(error),
                SystemErrorText(error).GetString());
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
    WaitForReaders();
    for (HANDLE& thread : m_readerThreads) {
        if (thread)
            CloseHandle(thread);
    }
    for (HANDLE& readEnd : m_outputReadEnds)
        CloseHandleChecked(readEnd);
    CloseHandleChecked(m_process);
}

// Readers blocked in a read wait for as long as any program holds the
// output's write end: the child, or a helper that inherited it and may never
// end. Once the abort flag is set their reads are cancelled, round after
// round, since a reader may have been just about to start one.
void CApplicationLauncher::WaitForReaders() const
{
    std::vector<HANDLE> readers;
    for (HANDLE thread : m_readerThreads) {
        if (thread)
            readers.push_back(thread);
    }
    if (readers.empty())
        return;
    do {
        if (IsAborted()) {
            for (HANDLE reader : readers)
                CancelSynchronousIo(reader);
        }
    } while (WaitForMultipleObjects(static_cast<DWORD>(readers.size()), readers.data(), TRUE, kWaitRoundMs)
             == WAIT_TIMEOUT);
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
        m_outputReadEnds[kStandardError] = CreateOutputPipe(child.error);
        m_outputReadEnds[kStandardOutput] = CreateOutputPipe(child.output);
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

// Reads until the last writer has closed the pipe: the child, or a program
// that has inherited its output, which may write on after the child has ended.
void CApplicationLauncher::ReadStream(int streamId, HANDLE readEnd)
{
    std::vector<char> buffer(kReadSize);
    std::string pending;
    while (!IsAborted()) {
        DWORD bytesRead = 0;
        if (!ReadFile(readEnd, buffer.data(), kReadSize, &bytesRead, nullptr)) {
            // A read cancelled on abort ends the reader as quietly as the child's end does.
            if (GetLastError() != ERROR_BROKEN_PIPE && !IsAborted())
                ShowApiError("ReadFile");
            break;
        }
        if (bytesRead == 0)
            break;
        pending.append(buffer.data(), bytesRead);
        if (m_lineMode)
            DeliverCompleteLines(pending, streamId);
    }
    // A last line without a line end still belongs to the output.
    Deliver(pending, streamId);
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

// Asked of the process handle: a child may end with the exit code that reads as running.
bool CApplicationLauncher::IsRunning() const
{
    return m_process && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT;
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
