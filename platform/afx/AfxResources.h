// The module whose resources (string tables, dialogs, menus) the program uses:
// its own by default, or a localized resource library once one is loaded.
#pragma once
#include <windows.h>

HINSTANCE AfxGetInstanceHandle();
void AfxSetInstanceHandle(HINSTANCE instance);
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE resources);
