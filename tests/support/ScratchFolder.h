// A folder of its own for one test, removed with all it holds when the test
// ends (a folder that cannot be removed fails the test); and the test child
// program beside the tests.
#pragma once
#include "tests/support/TestFiles.h"
#include "tests/support/WindowPump.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <filesystem>
#include <string>

class ScratchFolder {
public:
    // A new folder in the temporary folder, its name ending in `name`.
    explicit ScratchFolder(const std::string& name = "") : ScratchFolder(TemporaryFolder(), UniqueName(name)) {}
    // The folder `name` inside `parent` (a view, the reports folder), made anew.
    ScratchFolder(std::string parent, const std::string& name)
    {
        if (parent.empty() || parent.back() != '\\')
            parent += '\\';
        m_path = parent + name + "\\";
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
        GetCurrentDirectoryA(sizeof m_testsFolder, m_testsFolder);
    }
    // A file dialog makes the folder the user picked the process's current
    // one, which keeps it from being removed: the test's own comes back first.
    // A program the test started may hold a file inside for a moment longer.
    ~ScratchFolder()
    {
        LeaveWhenCurrent();
        bool removed = WaitUntil(
            [this] {
                std::error_code ignored;
                std::filesystem::remove_all(m_path, ignored);
                return !std::filesystem::exists(m_path, ignored);
            },
            kRemovalTimeoutMs);
        EXPECT_TRUE(removed) << "the scratch folder " << m_path << " could not be removed";
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's full path, ending in a backslash.
    const std::string& Path() const { return m_path; }
    // The full path of a relative name inside.
    std::string operator/(const std::string& relative) const { return m_path + relative; }

    // Creates every folder of a relative path; returns its full path as given.
    std::string MakeFolder(const std::string& relative) const
    {
        std::filesystem::create_directories(m_path + relative);
        return m_path + relative;
    }

    std::string WriteFile(const std::string& relative, const std::string& content) const
    {
        const std::string path = m_path + relative;
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(file);
        return path;
    }

    std::string MakeFile(const std::string& relative) const { return WriteFile(relative, "x"); }

    // A copy of the test child program under another name.
    std::string CopyChildProcess(const std::string& relative) const
    {
        const std::string path = m_path + relative;
        CopyFileA(ChildProcessPath().c_str(), path.c_str(), FALSE);
        return path;
    }

    static std::string ChildProcessPath() { return ProgramFolder() + "childproc.exe"; }

private:
    static std::string TemporaryFolder()
    {
        char temp[MAX_PATH] = "";
        GetTempPathA(sizeof temp, temp);
        return temp;
    }

    static std::string UniqueName(const std::string& name)
    {
        static int counter = 0;
        return "korvast-scratch-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter)
            + (name.empty() ? "" : "-" + name);
    }

    void LeaveWhenCurrent() const
    {
        char current[MAX_PATH] = "";
        GetCurrentDirectoryA(sizeof current, current);
        if (_strnicmp((std::string(current) + "\\").c_str(), m_path.c_str(), m_path.size()) == 0)
            SetCurrentDirectoryA(m_testsFolder);
    }

    static const DWORD kRemovalTimeoutMs = 10000;
    std::string m_path;
    char m_testsFolder[MAX_PATH] = "";
};
