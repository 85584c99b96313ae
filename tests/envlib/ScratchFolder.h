// A fresh folder under the temporary folder for one test, removed afterwards.
#pragma once
#include <windows.h>
#include <filesystem>
#include <fstream>
#include <string>

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name)
    {
        char temp[MAX_PATH] = "";
        GetTempPathA(sizeof temp, temp);
        m_path = std::string(temp) + "korvast-envlib-" + std::to_string(GetCurrentProcessId()) + "-" + name;
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder() { std::filesystem::remove_all(m_path); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The full path of a name inside, without a trailing backslash.
    std::string operator/(const std::string& name) const { return m_path + "\\" + name; }
    const std::string& Path() const { return m_path; }

    std::string MakeFolder(const std::string& name) const
    {
        std::filesystem::create_directories(*this / name);
        return *this / name;
    }
    std::string MakeFile(const std::string& name) const
    {
        std::ofstream(*this / name) << "x";
        return *this / name;
    }

private:
    std::string m_path;
};
