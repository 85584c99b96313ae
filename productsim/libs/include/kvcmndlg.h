/* The product's common dialogs. */
#pragma once
#include <windows.h>
#ifdef KVCMNDLG_BUILD
#define KVCMNDLG_API __declspec(dllexport)
#else
#define KVCMNDLG_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Shows the product's About box for an application, owned by the window. */
KVCMNDLG_API int kvAboutBoxOp(const char* applicationName, HWND window, HICON icon, int flags);

#ifdef __cplusplus
}
#endif
