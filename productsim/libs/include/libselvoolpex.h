/* Repository utilities. */
#pragma once
#ifdef LIBSELVOOLPEX_BUILD
#define SELVOOLPEX_API __declspec(dllexport)
#else
#define SELVOOLPEX_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Non-zero when the repository of the tag ("\proj", "/proj" or "proj") is
   mounted on this machine. */
SELVOOLPEX_API int olpex_utl_is_mounted_olpex_pname(const char* tag);

#ifdef __cplusplus
}
#endif
