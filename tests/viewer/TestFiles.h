// Files and folders of a test in the temporary folder, removed at its end.
#pragma once
#include <windows.h>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

inline std::string TempFolderPath()
{
    char folder[MAX_PATH] = "";
    GetTempPathA(sizeof folder, folder);
    return folder;
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// What a program started without waiting writes: the file's text once it is
// not empty, or empty when nothing came within the time.
inline std::string ReadWhenWritten(const std::string& path, DWORD timeoutMs = 20000)
{
    std::string text;
    for (DWORD start = GetTickCount(); text.empty() && GetTickCount() - start < timeoutMs; Sleep(20))
        text = ReadFile(path);
    return text;
}

// A file in the temporary folder, deleted before and after the test.
class TempFile {
public:
    explicit TempFile(const char* name) : m_path(TempFolderPath() + name) { DeleteFileA(m_path.c_str()); }
    ~TempFile() { DeleteFileA(m_path.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const char* Path() const { return m_path.c_str(); }
    std::string Read() const { return ReadFile(m_path); }

private:
    std::string m_path;
};

// A folder tree in the temporary folder. The files named through it are
// deleted at the end (waiting a while for programs still holding them), then
// the folders, innermost first.
class TempFolder {
public:
    explicit TempFolder(const char* name) : m_path(TempFolderPath() + name) { Folder(""); }
    ~TempFolder()
    {
        for (const std::string& file : m_files)
            for (int attempt = 0; attempt < 250 && !DeleteFileA(file.c_str())
                                  && GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES;
                 ++attempt)
                Sleep(20);
        for (auto folder = m_folders.rbegin(); folder != m_folders.rend(); ++folder)
            RemoveDirectoryA(folder->c_str());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    // Creates a folder below this one ("" for this one); returns its path.
    std::string Folder(const std::string& relative)
    {
        const std::string path = relative.empty() ? m_path : m_path + "\\" + relative;
        CreateDirectoryA(path.c_str(), nullptr);
        m_folders.push_back(path);
        return path;
    }
    // A file below this folder, deleted now and at the end; returns its path.
    std::string File(const std::string& relative)
    {
        const std::string path = m_path + "\\" + relative;
        DeleteFileA(path.c_str());
        m_files.push_back(path);
        return path;
    }
    std::string Write(const std::string& relative, const std::string& content)
    {
        const std::string path = File(relative);
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

private:
    std::string m_path;
    std::vector<std::string> m_folders;
    std::vector<std::string> m_files;
};
