// Access to the installed Korvast: its registry settings, the folders derived
// from them, and the queries over its automation library. CProductEnv keeps no
// data of its own, so any instance serves. Its operations are defined in one
// source file per topic (ProductEnv.cpp holds the settings and folders).
#pragma once
#include <comutil.h>

// The product's settings key under HKEY_LOCAL_MACHINE.
extern const char kProductVersionKey[];

// True when the installed product is of the old major version, or when its
// version key is missing. Worked out on the first call and kept for the process.
bool IsLegacyVersion();
// The rule behind IsLegacyVersion for one major-version text.
bool IsLegacyVersionText(const char* majorVersion);

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
};
