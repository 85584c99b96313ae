/* The product's help. */
#pragma once
#include <windows.h>
#ifdef LIBSELVOGU_BUILD
#define SELVOGU_API __declspec(dllexport)
#else
#define SELVOGU_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Opens help on the topic (null: the contents) with a WinHelp-style command. */
SELVOGU_API int gu_help(HWND window, const char* topic, int command, int flags);

#ifdef __cplusplus
}
#endif
