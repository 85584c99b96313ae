// Set Scripts Location: a folder of any length is stored whole, and the
// folder browser belongs to the dialog while it is open.
#include "builder/ReportsConfigurationDlg.h"
#include "builder/Resource.h"
#include "envlib/ProductEnv.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/DialogUser.h"
#include "tests/support/RegistryText.h"
#include "tests/support/ScratchProductHome.h"
#include <atomic>

TEST(ReportsConfigurationDlgTest, StoresALongFolderWhole)
{
    TestApp app;
    ScratchProductHome product;
    const std::string folder = "C:\\" + std::string(1500, 'r');
    CReportsConfigurationDlg dialog;
    DialogDriver::RunModal(dialog, [](HWND) { return true; }, [&](HWND window) {
        EXPECT_EQ(product.ReportsFolder(), ControlText(window, IDC_REPORTS_FOLDER));
        SetDlgItemTextA(window, IDC_REPORTS_FOLDER, folder.c_str());
        SendMessageA(window, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(dialog.IsChanged());
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, kProductVersionKey, "ReportsPath"), folder);
}

TEST(ReportsConfigurationDlgTest, TheFolderBrowserIsOwnedByTheDialog)
{
    TestApp app;
    ScratchProductHome product;
    CReportsConfigurationDlg dialog;
    std::atomic<HWND> configuration{ nullptr };
    HWND owner = nullptr;
    bool dialogEnabled = true;
    DialogUser user;
    user.Then("Browse for scripts location", [&](HWND browser) {
        owner = GetWindow(browser, GW_OWNER);
        dialogEnabled = IsWindowEnabled(configuration) != FALSE;
        DialogUser::Press(browser, IDCANCEL);
    });
    DialogDriver::RunModal(dialog, [](HWND) { return true; }, [&](HWND window) {
        configuration = window;
        user.Start();
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_BROWSE, BN_CLICKED), 0);
        SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(user.Join(), std::vector<std::string>{ "Browse for scripts location" });
    EXPECT_EQ(owner, configuration);
    EXPECT_FALSE(dialogEnabled) << "the dialog took clicks while its browser was open";
}
