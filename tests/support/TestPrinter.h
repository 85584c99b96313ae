// A printer of the test prefix with no daemon behind it: Wine's PostScript
// driver writes each job into a file, complete once EndDoc returns. The pages
// of such a file are read back as text by the host's ghostscript.
#pragma once
#include "tests/support/RegistryKeyBackup.h"
#include <string>
#include <vector>

namespace TestPrinter {

// Adds the printer `name` printing into the Windows path `portFile` (or points
// it there again) and makes it the default printer while this lives; the
// default printer before it, or none, is the default again at its end.
class DefaultPrinter {
public:
    DefaultPrinter(const std::string& name, const std::string& portFile);
    // False when the printer could not be added or made the default.
    bool Installed() const { return m_installed; }

private:
    // The user's device settings, which name the default printer.
    RegistryKeyBackup m_deviceSettings{ HKEY_CURRENT_USER, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows",
                                        RegistryKeyBackup::Start::AsItWas };
    bool m_installed;
};

// One text per page of a PostScript file. With positions, each run of text is
// a <span> whose "bbox" gives its left, top, right and bottom in points.
std::vector<std::string> ReadPages(const std::string& postScriptFile, bool withPositions = false);

}
