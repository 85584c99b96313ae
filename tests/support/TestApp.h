// The application object the code under test reaches through AfxGetApp, with
// its private profile in a scratch folder of its own.
#pragma once
#include "afx/CWinApp.h"
#include "tests/support/ScratchFolder.h"
#include <string>

class TestApp : public CWinApp {
public:
    TestApp() { m_pszProfileName = m_profile.c_str(); }

private:
    ScratchFolder m_folder{"app"};
    std::string m_profile = m_folder / "korvast_tests.ini";
};
