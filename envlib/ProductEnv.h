// Access to the installed Korvast: its registry settings, the folders derived
// from them, and the queries over its automation library and the maker's
// libraries. CProductEnv keeps no data of its own, so any instance serves.
// Its operations are defined in one source file per topic:
//   ProductEnv.cpp             settings and folders
//   ProductEnvRepository.cpp   repository lookups and command execution
//   ProductEnvSelectors.cpp    selector kinds, tags and texts
//   ProductEnvViews.cpp        views and view roots
//   ProductEnvListings.cpp     repository and directory listings
//   ProductEnvFolderQueries.cpp  folders, projects, integration stream
//   ProductEnvStreamQueries.cpp  streams, activities, resolution
#pragma once
#include <comutil.h>
#include <vector>

// The product's settings key under HKEY_LOCAL_MACHINE.
extern const char kProductVersionKey[];

// True when the installed product is of the old major version, or when its
// version key is missing. Worked out on the first call and kept for the process.
bool IsLegacyVersion();
// The rule behind IsLegacyVersion for one major-version text.
bool IsLegacyVersionText(const char* majorVersion);

// True when the path (or, for a file, its folder) holds the view marker file.
bool IsViewRoot(const char* path);

// Kinds of object that a selector names.
enum SelectorKind {
    kSelectorUnknown = 0,
    kSelectorFolder = 1,
    kSelectorProject = 2,
    kSelectorStream = 3,
    kSelectorIntegrationStream = 4,
    kSelectorActivity = 5,
    kSelectorView = 7,
    kSelectorRootFolder = 8,
};

class CProductEnv {
public:
    CProductEnv();

    // Settings and folders. Missing folders are created one level deep.
    _bstr_t GetProductHome();
    bool SetReportsPath(const _bstr_t& folder);
    _bstr_t GetReportsFolder();
    _bstr_t GetScriptsFolder();
    _bstr_t GetProductBinFolder();
    _bstr_t EnsureWebReportsFolder();

    // Repository lookups and command execution.
    _bstr_t GetAdminOlpex(_bstr_t tag);
    int TestOlpexObject(_bstr_t tag);
    _bstr_t CmdExec(const char* command, bool passErrorsOn);

    // Selectors: kind prefix, object name, "@\", repository tag; optionally quoted.
    int GetSelectorKind(_bstr_t selector);
    _bstr_t GetSelectorOlpex(_bstr_t selector);
    void QuoteString(_bstr_t& text);
    _bstr_t GetSelectorInfo(_bstr_t selector);

    // Views and view roots.
    int TestViewObject(_bstr_t path);
    void ListFolderEntries(_bstr_t folder, std::vector<_bstr_t>& entries);
    void ListViews(std::vector<_bstr_t>& views);
    _bstr_t FindViewRoot(_bstr_t path);
    _bstr_t GetViewRelativePath(_bstr_t path);

    // Listings through the maker's libraries; lines end with "\r\n".
    _bstr_t ListOlpexes(_bstr_t unused);
    _bstr_t ListSubdirectories(_bstr_t directory);

    // Object queries. Lists hold each name followed by one blank.
    _bstr_t GetFolderParent(_bstr_t selector);
    _bstr_t GetProjectParent(_bstr_t selector);
    _bstr_t GetActivityParent(_bstr_t selector);
    _bstr_t GetIntegrationStream(_bstr_t selector);
    _bstr_t ListSubfolders(_bstr_t selector);
    _bstr_t ListProjects(_bstr_t selector);
    _bstr_t ListProjectStreams(_bstr_t selector);
    _bstr_t ListActivities(_bstr_t selector);
    _bstr_t ResolveObjectSelector(_bstr_t selector);
    _bstr_t GetStreamProject(_bstr_t selector);
};
