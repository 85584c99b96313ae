// The views a test's product knows, kept by the test itself whatever an
// earlier run left in the prefix (the product's installation registers views
// and maps the driver's drive to a folder of mounted ones): for the test's
// life the user's registered views are its own, and the driver has no drive.
#pragma once
#include "tests/support/RegistryKeyBackup.h"
#include <windows.h>
#include <string>

extern const char kWorkspacesKey[];
extern const char kDriverKey[];

class ProductViews {
public:
    ProductViews();
    // Lists the folder among the user's views, or takes it out.
    void Register(const std::string& view, bool registered = true);

private:
    RegistryKeyBackup m_workspaces;
    RegistryKeyBackup m_driver;
};
