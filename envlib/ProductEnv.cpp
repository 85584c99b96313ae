// CProductEnv: the product's registry settings and the folders derived from them.
#include "envlib/ProductEnv.h"
#include "envlib/BstrHelpers.h"
#include "envlib/Registry.h"
#include <mbstring.h>

const char kProductVersionKey[] = "Software\\Selvo\\Korvast\\CurrentVersion";

namespace {
const char kProductHomeValue[] = "ProductHome";

// One text value of the product's settings key; empty when the key or the value is missing.
_bstr_t ReadProductSetting(const char* name)
{
    char text[CRegistry::kTextBufferSize] = "";
    CRegistry key;
    if (key.Open(HKEY_LOCAL_MACHINE, kProductVersionKey, KEY_READ)) {
        key.QueryString(name, text);
        key.Close();
    }
    return _bstr_t(text);
}

bool PathExists(const _bstr_t& path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

// One level only: a missing parent makes the creation fail, which callers see
// when they use the folder.
void CreateFolderWhenMissing(const _bstr_t& folder)
{
    if (!PathExists(folder))
        CreateDirectoryA(folder, nullptr);
}

_bstr_t ProductSubfolder(const char* name)
{
    _bstr_t folder = ReadProductSetting(kProductHomeValue);
    AppendBackslash(folder);
    folder += name;
    return folder;
}
}

bool IsLegacyVersionText(const char* majorVersion)
{
    return _mbsstr(reinterpret_cast<const unsigned char*>(majorVersion),
                   reinterpret_cast<const unsigned char*>("4.1")) != nullptr;
}

bool IsLegacyVersion()
{
    static bool computed = false;
    static bool legacy = false;
    if (computed)
        return legacy;
    computed = true;
    CRegistry key;
    if (!key.Open(HKEY_LOCAL_MACHINE, kProductVersionKey, KEY_READ)) {
        legacy = true;
        return legacy;
    }
    char majorVersion[CRegistry::kTextBufferSize] = "";
    key.QueryString("KorvastMajorVersion", majorVersion);
    key.Close();
    legacy = IsLegacyVersionText(majorVersion);
    return legacy;
}

CProductEnv::CProductEnv()
{
    IsLegacyVersion();
}

_bstr_t CProductEnv::GetProductHome()
{
    return ReadProductSetting(kProductHomeValue);
}

bool CProductEnv::SetReportsPath(const _bstr_t& folder)
{
    CRegistry key;
    if (!key.Open(HKEY_LOCAL_MACHINE, kProductVersionKey, KEY_ALL_ACCESS))
        return false;
    const char* text = folder;
    bool written = key.SetString("ReportsPath", text != nullptr ? text : "");
    key.Close();
    return written;
}

_bstr_t CProductEnv::GetReportsFolder()
{
    _bstr_t chosen = ReadProductSetting("ReportsPath");
    if (chosen.length() > 0 && PathExists(chosen))
        return chosen;
    _bstr_t folder = ProductSubfolder("reports");
    CreateFolderWhenMissing(folder);
    AppendBackslash(folder);
    return folder;
}

_bstr_t CProductEnv::GetScriptsFolder()
{
    _bstr_t folder = GetReportsFolder();
    AppendBackslash(folder);
    folder += "scripts";
    CreateFolderWhenMissing(folder);
    return folder;
}

_bstr_t CProductEnv::GetProductBinFolder()
{
    _bstr_t folder = ProductSubfolder("bin");
    AppendBackslash(folder);
    return folder;
}

_bstr_t CProductEnv::EnsureWebReportsFolder()
{
    _bstr_t folder = ProductSubfolder("web\\reports");
    CreateFolderWhenMissing(folder);
    return folder;
}
