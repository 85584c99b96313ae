// Maldrin's About box fills in its version, and the build identification
// line has the program's name in its field, then version and build time.
#include "builder/AboutDlg.h"
#include "builder/BuildIdentification.h"
#include "builder/Resource.h"
#include "builder/WizardApp.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/DialogUser.h"

TEST(AboutDlgTest, ShowsTheTitleAndVersionAndTheBuildLineNamesTheProgram)
{
    TestApp app;
    CAboutDlg about;
    std::string version;
    DialogDriver::RunModal(about, [](HWND) { return true; },
                           [&](HWND window) { version = ControlText(window, IDC_VERSION); });
    EXPECT_EQ(version, "Korvast Report Builder, Version 8.0.0.17 (8.0.0.17)");

    char line[128] = "";
    FormatBuildIdentification(line);
    EXPECT_STREQ(line, "Maldrin                           8.0.0.17 (Mon Nov 9 21:11:31 2015)\n");
}

// A resource library without icon 128 leaves the program's own to the About command.
TEST(AboutDlgTest, TheAboutIconFallsBackToTheProgramsOwn)
{
    HINSTANCE program = GetModuleHandleA(nullptr);
    HICON own = LoadIconA(program, MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(CWizardApp::LoadAboutIcon(GetModuleHandleA("kernel32.dll"), program), own);
    EXPECT_EQ(CWizardApp::LoadAboutIcon(nullptr, program), own);
}
