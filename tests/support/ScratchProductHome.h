// The product's machine-wide settings for one test: its home is a scratch
// folder of the test's own, so the reports folder the code under test looks
// up (and creates) lies there and not at the root of a drive of the machine.
// The settings are back as they were when the test ends.
#pragma once
#include "tests/support/RegistryKeyBackup.h"
#include "tests/support/ScratchFolder.h"
#include <string>

class ScratchProductHome {
public:
    ScratchProductHome();

    // The home's reports folder, ending in a backslash.
    std::string ReportsFolder() const { return m_home / "reports\\"; }

private:
    RegistryKeyBackup m_settings;
    ScratchFolder m_home{"product home"};
};
