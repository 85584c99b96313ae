/* Windows services of the maker's libraries. */
#pragma once
#include <windows.h>
#include <sys/stat.h>
#ifdef LIBSELVONT_BUILD
#define SELVONT_API __declspec(dllexport)
#else
#define SELVONT_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The localized resource library of a module: "res\<module name>.dll" in the
   module's folder, or 0 when there is none. */
SELVONT_API HINSTANCE nt_load_resource_dll(HINSTANCE module, int flags);
/* File status of a path: 0 when it exists (the mode has _S_IFDIR, 0x4000, for
   a folder), -1 when it does not. */
SELVONT_API int unix_nt_stati64(const char* path, struct _stati64* status);

#ifdef __cplusplus
}
#endif
