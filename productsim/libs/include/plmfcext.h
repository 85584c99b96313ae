// Extended help of the maker's class-library extensions (C++ linkage).
#pragma once
#include <windows.h>
#ifdef PLMFCEXT_BUILD
#define PLMFCEXT_API __declspec(dllexport)
#else
#define PLMFCEXT_API __declspec(dllimport)
#endif

namespace plfx {

PLMFCEXT_API BOOL ExtendedHelpIsSupported();
PLMFCEXT_API void ExtendedHelpInvoke(const char* product);

}
