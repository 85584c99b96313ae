// Conversions between the server's narrow texts and BSTRs (ANSI code page).
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <string>

BSTR QelAllocString(const std::string& text);
std::string QelNarrow(BSTR text);
