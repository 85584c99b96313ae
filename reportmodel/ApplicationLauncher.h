// Starts one program or report script as a hidden child process. On request it
// feeds the child a text on its standard input and hands what the child prints
// to a callback, block by block, from one reader thread per output stream. It
// also waits for the child while the calling thread's window messages keep
// flowing, and can kill it.
#pragma once
#include "afx/CSingleLock.h"
#include "afx/CString.h"
#include <atomic>
#include <memory>
#include <string>

class CApplicationLauncher {
public:
    // Called on a reader thread with the caller's context and a copy of a block
    // of output; stream 0 is standard output, 1 standard error. Both streams
    // may call at the same time.
    typedef bool (*OutputCallback)(void* context, const CString& block, int streamId);

    CApplicationLauncher();
    CApplicationLauncher(const char* application, const char* arguments, const char* workingFolder);
    // Waits for the readers: until the last writer has closed the output, or
    // the abort flag is set.
    virtual ~CApplicationLauncher();
    CApplicationLauncher(const CApplicationLauncher&) = delete;
    CApplicationLauncher& operator=(const CApplicationLauncher&) = delete;

    // The application, then one blank and the arguments when there are any.
    virtual CString GetCommandLine() const;

    // Never throws: failures are shown in the API error box and leave no process.
    void Start();
    // Time-out in milliseconds, INFINITE (-1) for none; the child keeps running after a time-out.
    void Wait(DWORD timeoutMs);
    void Run(DWORD timeoutMs);
    bool IsRunning() const;
    // Throws CFileException when the exit code cannot be read.
    DWORD GetExitCode() const;
    // Safe from any thread at any moment: a child not yet created is ended as soon as it exists.
    void Terminate();

    // Set by the caller before Start.
    CString m_application;
    CString m_arguments;
    // Kept for the caller; the child starts in the caller's current folder.
    CString m_workingFolder;
    CString m_inputText;
    // Owned by the caller; once it reads true the readers stop and the callback
    // is no longer called, also while some other program still holds the output.
    const std::atomic<bool>* m_abortFlag = nullptr;
    // Deliver output in blocks ending at a line end; off, it all arrives when the stream ends.
    bool m_lineMode = true;
    // Output is captured exactly when a callback is set.
    OutputCallback m_outputCallback = nullptr;
    // Handed to the callback as it is; the caller's own run state.
    void* m_outputContext = nullptr;

private:
    struct ReaderBlock {
        CApplicationLauncher* launcher;
        int streamId;
        HANDLE readEnd;
    };
    struct ChildEnds {
        HANDLE input = nullptr;
        HANDLE output = nullptr;
        HANDLE error = nullptr;
    };

    void CreateChild(const ChildEnds& child);
    void WriteInput(HANDLE writeEnd);
    void StartReader(int streamId);
    static unsigned __stdcall ReaderThread(void* block);
    void ReadStream(int streamId, HANDLE readEnd);
    void WaitForReaders() const;
    void DeliverCompleteLines(std::string& pending, int streamId);
    void Deliver(const std::string& block, int streamId);
    bool IsAborted() const { return m_abortFlag && *m_abortFlag; }

    // Guards the process handle and the terminate request between Start and Terminate.
    CCriticalSection m_processLock;
    HANDLE m_process = nullptr;
    bool m_terminateRequested = false;
    HANDLE m_outputReadEnds[2] = {};
    HANDLE m_readerThreads[2] = {};
    std::unique_ptr<ReaderBlock> m_readerBlocks[2];
};

// Shows the API error box for the last error of the named Windows call.
void ShowApiError(const char* apiName);
