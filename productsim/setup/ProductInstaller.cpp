#include "productsim/setup/ProductInstaller.h"
#include "envlib/Registry.h"
#include "productsim/simdata/SimDataReader.h"
#include <windows.h>
#include <stdio.h>
#include <fstream>
#include <sstream>

const char CProductInstaller::kDefaultHome[] = "C:\\Program Files\\Selvo\\Korvast";
const char CProductInstaller::kDriverDrive[] = "M:";

namespace {

const char kVersionKey[] = "Software\\Selvo\\Korvast\\CurrentVersion";
const char kWorkspacesKey[] = "Software\\Selvo\\Korvast\\CurrentVersion\\Workspaces";
const char kDriverKey[] = "SYSTEM\\CurrentControlSet\\Services\\Nelk\\Parameters";
const char kEnvironmentKey[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";

bool CreateFolders(const std::string& path)
{
    for (size_t slash = path.find('\\', 3); ; slash = path.find('\\', slash + 1)) {
        std::string part = path.substr(0, slash);
        if (GetFileAttributesA(part.c_str()) == INVALID_FILE_ATTRIBUTES && !CreateDirectoryA(part.c_str(), nullptr))
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

bool SetString(HKEY root, const char* key, const char* name, const std::string& value)
{
    CRegistry registry;
    if (!registry.Create(root, key, nullptr, KEY_ALL_ACCESS))
        return false;
    bool written = registry.SetString(name, value.c_str());
    registry.Close();
    return written;
}

std::string ReadText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

}

bool CProductInstaller::Fail(const std::string& message)
{
    fprintf(stderr, "KorvastSetup: %s\n", message.c_str());
    return false;
}

bool CProductInstaller::Install(const std::string& payload, const std::string& home)
{
    printf("Installing the simulated Korvast from %s into %s\n", payload.c_str(), home.c_str());
    if (GetFileAttributesA((payload + "\\bin\\KorvastQel.dll").c_str()) == INVALID_FILE_ATTRIBUTES)
        return Fail("the payload " + payload + " holds no bin\\KorvastQel.dll");
    if (!CreateFolders(home) || !CopyTree(payload + "\\bin", home + "\\bin") ||
        !CopyTree(payload + "\\reports", home + "\\reports"))
        return Fail("cannot copy the product's files into " + home);
    CreateDirectoryA((home + "\\reports\\scripts_rightclick").c_str(), nullptr);
    return WriteSettings(home) && CreateViews(home, payload + "\\viewfiles") && AddToPath(home + "\\bin") &&
           CallServer(home, "DllRegisterServer");
}

bool CProductInstaller::RegisterServer(bool registering)
{
    std::string home = InstalledHome();
    if (home.empty())
        return Fail("no Korvast product is installed (no ProductHome)");
    return CallServer(home, registering ? "DllRegisterServer" : "DllUnregisterServer");
}

bool CProductInstaller::CopyTree(const std::string& from, const std::string& to)
{
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((from + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    bool copied = true;
    do {
        std::string name = entry.cFileName;
        if (name == "." || name == "..")
            continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            copied = CopyTree(from + "\\" + name, to + "\\" + name) && copied;
        else
            copied = CopyFileA((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), FALSE) && copied;
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return copied;
}

bool CProductInstaller::WriteSettings(const std::string& home)
{
    printf("Writing the product's registry settings\n");
    if (!SetString(HKEY_LOCAL_MACHINE, kVersionKey, "ProductHome", home) ||
        !SetString(HKEY_LOCAL_MACHINE, kVersionKey, "ReportsPath", home + "\\reports") ||
        !SetString(HKEY_LOCAL_MACHINE, kVersionKey, "KorvastMajorVersion", "8.0") ||
        !SetString(HKEY_LOCAL_MACHINE, kDriverKey, "drive", kDriverDrive))
        return Fail("cannot write the product's registry settings");
    return true;
}

bool CProductInstaller::CreateViews(const std::string& home, const std::string& viewFiles)
{
    CSimData data;
    std::string problem;
    if (!CSimDataReader().Read(ReadText(home + "\\bin\\simdata.txt"), data, problem))
        return Fail("the product's data file is not valid: " + problem);
    for (const SimView& view : data.views) {
        std::string drive = view.path.substr(0, 3);
        if (GetDriveTypeA(drive.c_str()) == DRIVE_NO_ROOT_DIR) {
            printf("Skipping the view %s: there is no drive %s\n", view.path.c_str(), drive.c_str());
            continue;
        }
        printf("Creating the view %s\n", view.path.c_str());
        std::string name = view.path.substr(view.path.find_last_of('\\') + 1);
        if (!CreateFolders(view.path) || !CopyTree(viewFiles, view.path))
            return Fail("cannot create the view " + view.path);
        // Every repository has its folder at the root of every view.
        for (const SimOlpex& olpex : data.olpexes)
            CreateDirectoryA((view.path + "\\" + olpex.name).c_str(), nullptr);
        std::ofstream(view.path + "\\view.dat", std::ios::binary) << "view_tag=" << name << "\r\n";
        bool onDriverDrive = _strnicmp(view.path.c_str(), kDriverDrive, 2) == 0;
        if (!onDriverDrive && !SetString(HKEY_CURRENT_USER, kWorkspacesKey, view.path.c_str(), name))
            return Fail("cannot register the view " + view.path);
    }
    return true;
}

bool CProductInstaller::AddToPath(const std::string& folder)
{
    CRegistry environment;
    if (!environment.Open(HKEY_LOCAL_MACHINE, kEnvironmentKey, KEY_ALL_ACCESS))
        return Fail("cannot open the system environment");
    char path[32768] = "";
    DWORD size = sizeof path - 1;
    DWORD type = REG_EXPAND_SZ;
    RegQueryValueExA(environment.GetKey(), "PATH", nullptr, &type, reinterpret_cast<BYTE*>(path), &size);
    std::string value = path;
    bool written = true;
    if (value.find(folder) == std::string::npos) {
        printf("Adding %s to the PATH\n", folder.c_str());
        value += (value.empty() ? "" : ";") + folder;
        written = RegSetValueExA(environment.GetKey(), "PATH", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
    }
    environment.Close();
    return written || Fail("cannot add the product's bin folder to the PATH");
}

// The QEL server, then the chooser controls, which the product carries in its bin folder too.
bool CProductInstaller::CallServer(const std::string& home, const char* entry)
{
    for (const char* library : {"KorvastQel.dll", "Sorvane.dll", "Pemrick.dll"}) {
        if (!CallLibrary(home + "\\bin\\" + library, entry))
            return false;
    }
    return true;
}

bool CProductInstaller::CallLibrary(const std::string& library, const char* entry)
{
    printf("%s %s\n", strcmp(entry, "DllRegisterServer") == 0 ? "Registering" : "Unregistering", library.c_str());
    // The controls find the maker's libraries beside them.
    HMODULE module = LoadLibraryExA(library.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (module == nullptr)
        return Fail("cannot load " + library);
    typedef HRESULT(STDAPICALLTYPE * ServerEntry)();
    ServerEntry call = reinterpret_cast<ServerEntry>(reinterpret_cast<void*>(GetProcAddress(module, entry)));
    HRESULT result = call != nullptr ? call() : E_NOTIMPL;
    FreeLibrary(module);
    if (FAILED(result)) {
        char code[16];
        sprintf(code, "%lx", static_cast<unsigned long>(result));
        return Fail(std::string(entry) + " of " + library + " failed with " + code);
    }
    return true;
}

std::string CProductInstaller::InstalledHome()
{
    CRegistry version;
    char home[CRegistry::kTextBufferSize] = "";
    if (version.Open(HKEY_LOCAL_MACHINE, kVersionKey, KEY_READ)) {
        version.QueryString("ProductHome", home);
        version.Close();
    }
    return home;
}
