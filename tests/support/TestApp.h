// The application object the code under test reaches through AfxGetApp, with
// its private profile in a file of the temporary folder.
#pragma once
#include "afx/CWinApp.h"
#include <string>

class TestApp : public CWinApp {
public:
    TestApp()
    {
        char folder[MAX_PATH] = "";
        GetTempPathA(sizeof folder, folder);
        m_profile = std::string(folder) + "korvast_tests_" + std::to_string(GetCurrentProcessId()) + ".ini";
        m_pszProfileName = m_profile.c_str();
        DeleteFileA(m_profile.c_str());
    }
    ~TestApp() override { DeleteFileA(m_profile.c_str()); }

private:
    std::string m_profile;
};
