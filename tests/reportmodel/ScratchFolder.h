// A folder of its own for one test, with blanks in its name, removed with all
// it holds when the test ends; and the test child program beside the tests.
#pragma once
#include <windows.h>
#include <string>

class ScratchFolder {
public:
    ScratchFolder()
    {
        static int counter = 0;
        char temp[MAX_PATH] = "";
        GetTempPathA(sizeof temp, temp);
        m_path = std::string(temp) + "korvast scratch " + std::to_string(GetCurrentProcessId()) + " "
            + std::to_string(++counter) + "\\";
        CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~ScratchFolder() { RemoveTree(m_path); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return m_path; }

    // Creates the folders of a relative path ending in a backslash; returns its full path.
    std::string MakeFolder(const std::string& relative) const
    {
        for (size_t slash = relative.find('\\'); slash != std::string::npos; slash = relative.find('\\', slash + 1))
            CreateDirectoryA((m_path + relative.substr(0, slash)).c_str(), nullptr);
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

    // A copy of the test child program under another name.
    std::string CopyChildProcess(const std::string& relative) const
    {
        const std::string path = m_path + relative;
        CopyFileA(ChildProcessPath().c_str(), path.c_str(), FALSE);
        return path;
    }

    static std::string ChildProcessPath()
    {
        char program[MAX_PATH] = "";
        GetModuleFileNameA(nullptr, program, sizeof program);
        std::string path = program;
        return path.substr(0, path.rfind('\\') + 1) + "childproc.exe";
    }

private:
    static void RemoveTree(const std::string& folder)
    {
        WIN32_FIND_DATAA entry;
        HANDLE search = FindFirstFileA((folder + "*").c_str(), &entry);
        while (search != INVALID_HANDLE_VALUE) {
            const std::string name = entry.cFileName;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                if (name != "." && name != "..")
                    RemoveTree(folder + name + "\\");
            } else {
                DeleteFileA((folder + name).c_str());
            }
            if (!FindNextFileA(search, &entry)) {
                FindClose(search);
                break;
            }
        }
        RemoveDirectoryA(folder.c_str());
    }

    std::string m_path;
};
