// CProductEnv: telling view roots, listing the views, and splitting a path at
// the longest view root that begins it.
#include "envlib/AutomationApplication.h"
#include "envlib/BstrHelpers.h"
#include "envlib/MakerLibraries.h"
#include "envlib/ProductEnv.h"
#include "envlib/QelObjects.h"
#include "envlib/Registry.h"
#include <mbstring.h>
#include <string>

namespace {
const char kWorkspacesKey[] = "Software\\Selvo\\Korvast\\CurrentVersion\\Workspaces";
const char kDriverKey[] = "SYSTEM\\CurrentControlSet\\Services\\Nelk\\Parameters";
const char kViewMarker[] = "\\view.dat";
const size_t kMaxViewPath = 4096;
const unsigned kDirectoryMode = 0x4000;

bool IsAbsolutePath(const char* path)
{
    bool unc = path[0] == '\\' && path[1] == '\\';
    bool drive = path[0] != '\0' && path[1] == ':' && path[2] == '\\';
    return unc || drive;
}

bool IsDirectory(const char* path)
{
    struct _stat64i32 status;
    return _stat64i32(path, &status) == 0 && (status.st_mode & kDirectoryMode) != 0;
}

// Raises when the Application is missing or does not know a view at the path.
IKvViewPtr LookUpView(const _bstr_t& path)
{
    IKvViewPtr view;
    CallQel(AutomationApplication, &IKvApplication::GetView, BSTR(path), &view);
    return view;
}

bool ApplicationKnowsView(const char* path)
{
    GetAutomationApplication();
    try {
        LookUpView(_bstr_t(path));
        return true;
    } catch (...) {
        return false;
    }
}

void AppendRegisteredViews(std::vector<_bstr_t>& views)
{
    CRegistry key;
    if (!key.Open(HKEY_CURRENT_USER, kWorkspacesKey, KEY_READ))
        return;
    if (key.HasValues()) {
        char name[CRegistry::kTextBufferSize] = "";
        DWORD type = 0;
        for (bool more = key.EnumFirstValue(name, &type); more; more = key.EnumNextValue(name, &type)) {
            if (IsDirectory(name) && IsViewRoot(name) && ApplicationKnowsView(name))
                views.push_back(_bstr_t(name));
        }
    }
    key.Close();
}

// The views at the root of the versioned file system's drive.
void AppendDriveViews(CProductEnv& env, std::vector<_bstr_t>& views)
{
    CRegistry key;
    if (!key.Open(HKEY_LOCAL_MACHINE, kDriverKey, KEY_QUERY_VALUE))
        return;
    char drive[CRegistry::kTextBufferSize] = "";
    if (key.QueryString("drive", drive)) {
        _bstr_t root(drive);
        if (BstrCompare(BstrRight(root, 1), ":") != 0)
            root += ":";
        env.ListFolderEntries(root, views);
    }
    key.Close();
}

// Trimmed, with one quote dropped at each end, and trimmed again.
_bstr_t CleanPath(_bstr_t path)
{
    BstrTrimLeft(path);
    BstrTrimRight(path);
    BstrStripQuotes(path);
    BstrTrimLeft(path);
    BstrTrimRight(path);
    return path;
}

// The longest view that begins the cleaned path; of two as long, the first.
_bstr_t LongestViewPrefix(const std::vector<_bstr_t>& views, const _bstr_t& cleaned)
{
    _bstr_t best;
    for (const _bstr_t& view : views) {
        if (view.length() > best.length()
            && BstrCompareBstr(BstrLeft(cleaned, static_cast<int>(view.length())), view) == 0)
            best = view;
    }
    return best;
}
}

bool IsViewRoot(const char* path)
{
    if (!IsAbsolutePath(path) || strlen(path) >= kMaxViewPath)
        return false;
    std::string candidate = path;
    if (candidate.back() == '\\')
        candidate.pop_back();
    struct _stati64 status;
    if (unix_nt_stati64(candidate.c_str(), &status) != 0)
        return false;
    // Only the folder itself (or a file's own folder) is tested, never its parents.
    if ((status.st_mode & kDirectoryMode) == 0) {
        const unsigned char* text = reinterpret_cast<const unsigned char*>(candidate.c_str());
        const unsigned char* lastSlash = _mbsrchr(text, '\\');
        candidate.resize(lastSlash - text);
    }
    candidate += kViewMarker;
    return unix_nt_stati64(candidate.c_str(), &status) == 0;
}

int CProductEnv::TestViewObject(_bstr_t path)
{
    GetAutomationApplication();
    try {
        VARIANT_BOOL isSnapshot = VARIANT_TRUE;
        CallQel(LookUpView(path), &IKvView::get_IsSnapshot, &isSnapshot);
        return isSnapshot == VARIANT_FALSE;
    } catch (...) {
        return false;
    }
}

void CProductEnv::ListFolderEntries(_bstr_t folder, std::vector<_bstr_t>& entries)
{
    AppendBackslash(folder);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(folder + "*.*", &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && found.cFileName[0] != '.') {
            _bstr_t entry = folder + found.cFileName;
            if (BstrCompare(BstrRight(entry, 2), "@@") != 0)
                entries.push_back(entry);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

void CProductEnv::ListViews(std::vector<_bstr_t>& views)
{
    AppendRegisteredViews(views);
    AppendDriveViews(*this, views);
}

_bstr_t CProductEnv::FindViewRoot(_bstr_t path)
{
    std::vector<_bstr_t> views;
    ListViews(views);
    return LongestViewPrefix(views, CleanPath(path));
}

_bstr_t CProductEnv::GetViewRelativePath(_bstr_t path)
{
    // Cleaned once only: a path in two pairs of quotes keeps its inner pair.
    _bstr_t cleaned = CleanPath(path);
    std::vector<_bstr_t> views;
    ListViews(views);
    _bstr_t root = LongestViewPrefix(views, cleaned);
    if (root.length() == 0)
        return _bstr_t();
    _bstr_t inside = BstrRight(cleaned, static_cast<int>(cleaned.length() - root.length()));
    if (BstrCompare(BstrLeft(inside, 1), "\\") == 0)
        inside = BstrRight(inside, static_cast<int>(inside.length()) - 1);
    return inside;
}
