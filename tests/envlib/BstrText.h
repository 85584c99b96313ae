// The narrow text of a _bstr_t for comparisons; a _bstr_t without data gives "".
#pragma once
#include <comutil.h>
#include <string>

inline std::string Text(const _bstr_t& text)
{
    const char* narrow = text;
    return narrow != nullptr ? narrow : "";
}
