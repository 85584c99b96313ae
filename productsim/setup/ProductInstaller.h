// Installs the simulated product into the running Wine prefix from a payload
// folder (bin\, reports\ and viewfiles\, as the build assembles it): the
// product home, its registry settings, the view roots of the product's data
// with the view files and a folder for every repository in them, the PATH entry of the product's bin folder,
// and the registration of the QEL server and the chooser controls. Also
// registers or unregisters the servers of an installed product on their own. Each step is reported on
// standard output, failures on standard error.
#pragma once
#include <string>

class CProductInstaller {
public:
    static const char kDefaultHome[];
    static const char kDriverDrive[];

    bool Install(const std::string& payload, const std::string& home);
    bool RegisterServer(bool registering);

private:
    bool CopyTree(const std::string& from, const std::string& to);
    bool WriteSettings(const std::string& home);
    bool CreateViews(const std::string& home, const std::string& viewFiles);
    bool AddToPath(const std::string& folder);
    bool CallServer(const std::string& home, const char* entry);
    bool CallLibrary(const std::string& library, const char* entry);
    static std::string InstalledHome();
    static bool Fail(const std::string& message);
};
