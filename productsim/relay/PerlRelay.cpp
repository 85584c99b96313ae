#include "productsim/relay/PerlRelay.h"
#include "productsim/relay/UnixPaths.h"
#include <stdio.h>
#include <stdlib.h>

namespace {

const char kHostPerl[] = "/usr/bin/perl";
const char kHostShell[] = "/bin/sh";

bool WriteWholeFile(const std::string& path, const std::string& text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = text.empty() || WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return ok;
}

void WriteToHandle(DWORD stream, const std::string& text)
{
    HANDLE handle = GetStdHandle(stream);
    DWORD written = 0;
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE && !text.empty())
        WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

HANDLE OpenShared(const std::string& path)
{
    return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}

std::string ReadFromHandle(HANDLE handle)
{
    std::string text;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(handle, buffer, sizeof buffer, &read, nullptr) && read > 0)
        text.append(buffer, read);
    return text;
}

std::string ToTextModeLineEnds(const std::string& bytes)
{
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 16);
    for (char c : bytes) {
        if (c == '\n')
            text += '\r';
        text += c;
    }
    return text;
}

std::string ShellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

int CPerlRelay::Run(const std::vector<std::string>& arguments)
{
    if (!CUnixPaths::UnderWine()) {
        WriteToHandle(STD_ERROR_HANDLE, "kvperl: this perl runs the host's perl and needs Wine.\r\n");
        return 2;
    }
    if (!PrepareFolder()) {
        WriteToHandle(STD_ERROR_HANDLE, "kvperl: cannot create a work folder.\r\n");
        return 2;
    }
    SaveInput();
    int status = 2;
    if (!WriteShellScript(arguments) || !StartShell())
        WriteToHandle(STD_ERROR_HANDLE, "kvperl: cannot start the host's perl.\r\n");
    else
        status = RelayUntilDone();
    RemoveFolder();
    return status;
}

bool CPerlRelay::PrepareFolder()
{
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    m_folder = std::string(temp) + "kvperl-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
    if (!CreateDirectoryA(m_folder.c_str(), nullptr))
        return false;
    m_unixFolder = CUnixPaths::ToUnix(m_folder);
    m_alive = CreateFileA((m_folder + "\\alive").c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return !m_unixFolder.empty() && m_alive != INVALID_HANDLE_VALUE && LockFile(m_alive, 0, 0, 1, 0);
}

void CPerlRelay::SaveInput()
{
    std::string input;
    HANDLE handle = GetStdHandle(STD_INPUT_HANDLE);
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_CHAR)
        input = ReadFromHandle(handle);
    // A Windows perl reads its input in text mode: CR-LF arrives as LF.
    std::string text;
    for (size_t i = 0; i < input.size(); ++i) {
        if (!(input[i] == '\r' && i + 1 < input.size() && input[i + 1] == '\n'))
            text += input[i];
    }
    WriteWholeFile(m_folder + "\\in", text);
}

bool CPerlRelay::WriteShellScript(const std::vector<std::string>& arguments)
{
    char current[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, current);
    std::string script = "cd " + ShellQuoted(CUnixPaths::ToUnix(current)) + " 2>/dev/null\n";
    script += "KVPERL_DRIVES=" + ShellQuoted(CUnixPaths::DriveMap()) + "; export KVPERL_DRIVES\n";
    std::string command = kHostPerl;
    for (size_t i = 0; i < arguments.size(); ++i) {
        // The script path is the first argument that is not a switch.
        bool isScript = i == 0 && !arguments[i].empty() && arguments[i][0] != '-';
        command += " " + ShellQuoted(isScript ? CUnixPaths::ToUnix(arguments[i]) : arguments[i]);
    }
    std::string folder = ShellQuoted(m_unixFolder);
    script += command + " <" + folder + "/in >" + folder + "/out 2>" + folder + "/err &\n";
    script += "perl=$!\n";
    // A relay that is terminated (the report was stopped) takes perl with
    // it: the relay holds a lock on the file "alive" while it lives, and the
    // watcher waits until it can take that lock itself.
    std::string watch = "use Fcntl; open(my $h, '+<', shift) or exit 1; my $lock = pack('s s', F_WRLCK, 0) . \"\\0\" x 28; "
                        "until (fcntl($h, F_SETLK, $lock)) { select(undef, undef, undef, 0.2) }";
    script += "( " + std::string(kHostPerl) + " -e " + ShellQuoted(watch) + " " + folder + "/alive && touch " + folder +
              "/abandoned && kill $perl 2>/dev/null ) &\n";
    script += "watcher=$!\n";
    script += "wait $perl\n";
    script += "status=$?\n";
    script += "if [ -e " + folder + "/abandoned ]; then rm -rf " + folder + "; else kill $watcher 2>/dev/null; echo $status >" +
              folder + "/status.part && mv " + folder + "/status.part " + folder + "/status; fi\n";
    return WriteWholeFile(m_folder + "\\run.sh", script);
}

bool CPerlRelay::StartShell()
{
    std::string shell = CUnixPaths::ToWindows(kHostShell);
    std::string commandLine = "\"" + shell + "\" -c \". " + ShellQuoted(m_unixFolder + "/run.sh") + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    if (process.hProcess != nullptr)
        CloseHandle(process.hProcess);
    if (process.hThread != nullptr)
        CloseHandle(process.hThread);
    return true;
}

void CPerlRelay::CopyNewOutput(HANDLE file, DWORD stream)
{
    std::string fresh = ReadFromHandle(file);
    WriteToHandle(stream, ToTextModeLineEnds(fresh));
}

int CPerlRelay::RelayUntilDone()
{
    HANDLE output = OpenShared(m_folder + "\\out");
    HANDLE error = OpenShared(m_folder + "\\err");
    std::string marker = m_folder + "\\status";
    bool done = false;
    while (!done) {
        done = GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES;
        CopyNewOutput(output, STD_OUTPUT_HANDLE);
        CopyNewOutput(error, STD_ERROR_HANDLE);
        if (!done)
            Sleep(5);
    }
    CloseHandle(output);
    CloseHandle(error);
    HANDLE status = OpenShared(marker);
    std::string text = ReadFromHandle(status);
    CloseHandle(status);
    return atoi(text.c_str());
}

void CPerlRelay::RemoveFolder()
{
    if (m_alive != INVALID_HANDLE_VALUE)
        CloseHandle(m_alive);
    for (const char* name : {"in", "out", "err", "status", "run.sh", "alive"})
        DeleteFileA((m_folder + "\\" + name).c_str());
    RemoveDirectoryA(m_folder.c_str());
}
