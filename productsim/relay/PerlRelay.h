// Runs a Perl script with the host's perl on behalf of a Windows caller.
// A Unix program started from Wine gets none of the caller's redirected
// handles, so the relay writes its standard input to a file, starts a shell
// script that runs perl with its streams redirected to files, copies what
// appears in those files to its own standard output and error (with the
// CR-LF line ends of a Windows perl's text mode) until a marker file holds
// the exit status, and exits with that status. When the relay is terminated,
// the shell ends perl and removes the work folder.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

class CPerlRelay {
public:
    // `arguments` are the script path and its arguments as the C runtime
    // split the command line.
    int Run(const std::vector<std::string>& arguments);

private:
    bool PrepareFolder();
    void SaveInput();
    bool WriteShellScript(const std::vector<std::string>& arguments);
    bool StartShell();
    int RelayUntilDone();
    void CopyNewOutput(HANDLE file, DWORD stream);
    void RemoveFolder();

    std::string m_folder;      // Windows path of the work folder
    std::string m_unixFolder;  // its host path
    HANDLE m_alive = INVALID_HANDLE_VALUE;  // locked while the relay lives
};

// Everything that can be read from the handle now (up to its end, or what
// has been written so far to a file that grows).
std::string ReadFromHandle(HANDLE handle);
// Text as a Windows perl writes it in text mode: every LF becomes CR-LF.
std::string ToTextModeLineEnds(const std::string& bytes);
// A shell word that stands for the text exactly: in single quotes.
std::string ShellQuoted(const std::string& text);
