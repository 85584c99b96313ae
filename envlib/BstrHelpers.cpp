#include "envlib/BstrHelpers.h"
#include "afx/CString.h"
#include <cstdarg>
#include <cstring>
#include <mbstring.h>
#include <string>
#include <vector>

namespace {
const unsigned char kWhiteSpace[] = " \t\n\r";

const char* Narrow(const _bstr_t& text)
{
    const char* narrow = static_cast<const char*>(text);
    return narrow != nullptr ? narrow : "";
}

const unsigned char* Bytes(const char* text)
{
    return reinterpret_cast<const unsigned char*>(text);
}

const unsigned char* Bytes(const _bstr_t& text)
{
    return Bytes(Narrow(text));
}

int Length(const _bstr_t& text)
{
    return static_cast<int>(text.length());
}

wchar_t LastCharacter(const _bstr_t& text)
{
    return static_cast<const wchar_t*>(text)[text.length() - 1];
}
}

int BstrCompare(const _bstr_t& text, const char* other)
{
    return _mbscmp(Bytes(text), Bytes(other));
}

int BstrCompareNoCase(const _bstr_t& text, const char* other)
{
    return _mbsicmp(Bytes(text), Bytes(other));
}

int BstrCompareBstr(const _bstr_t& text, const _bstr_t& other)
{
    return _mbscmp(Bytes(text), Bytes(other));
}

int BstrFind(const _bstr_t& text, const char* sub)
{
    const unsigned char* begin = Bytes(text);
    const unsigned char* hit = _mbsstr(begin, Bytes(sub));
    return hit != nullptr ? static_cast<int>(hit - begin) : -1;
}

_bstr_t BstrMid(const _bstr_t& text, int start, int count)
{
    int length = Length(text);
    if (start < 0)
        start = 0;
    if (count > length - start)
        count = length - start;
    const unsigned char* narrow = Bytes(text);
    // The narrow copy can be shorter than the wide text when characters have
    // no narrow form; never start reading past its end.
    if (count <= 0 || start >= static_cast<int>(strlen(Narrow(text))))
        return _bstr_t("");
    std::vector<unsigned char> buffer(length + 1, 0);
    _mbsnbcpy(buffer.data(), narrow + start, count);
    return _bstr_t(reinterpret_cast<const char*>(buffer.data()));
}

_bstr_t BstrLeft(const _bstr_t& text, int count)
{
    return BstrMid(text, 0, count);
}

_bstr_t BstrRight(const _bstr_t& text, int count)
{
    return BstrMid(text, Length(text) - count, count);
}

void BstrTrimLeft(_bstr_t& text)
{
    if (Length(text) == 0)
        return;
    const unsigned char* first = _mbsspnp(Bytes(text), kWhiteSpace);
    text = _bstr_t(first != nullptr ? reinterpret_cast<const char*>(first) : "");
}

void BstrTrimRight(_bstr_t& text)
{
    const unsigned char* begin = Bytes(text);
    const unsigned char* runStart = nullptr;
    for (const unsigned char* at = begin; *at != '\0'; at = _mbsinc(at)) {
        if (_mbschr(kWhiteSpace, *at) == nullptr)
            runStart = nullptr;
        else if (runStart == nullptr)
            runStart = at;
    }
    if (runStart != nullptr)
        text = _bstr_t(std::string(reinterpret_cast<const char*>(begin), runStart - begin).c_str());
}

void BstrFormat(_bstr_t& result, const char* format, ...)
{
    // Measured, not estimated: the output buffer always fits what is printed.
    CString formatted;
    va_list args;
    va_start(args, format);
    formatted.FormatV(format, args);
    va_end(args);
    result = _bstr_t(formatted.GetString());
}

int BstrReplace(_bstr_t& text, const char* find, const char* replacement)
{
    if (find == nullptr || *find == '\0')
        return 0;
    if (replacement == nullptr)
        replacement = "";
    size_t findLength = strlen(find);
    std::string replaced;
    int count = 0;
    const unsigned char* rest = Bytes(text);
    for (const unsigned char* hit; (hit = _mbsstr(rest, Bytes(find))) != nullptr; rest = hit + findLength) {
        replaced.append(reinterpret_cast<const char*>(rest), hit - rest);
        replaced += replacement;
        ++count;
    }
    if (count > 0) {
        replaced += reinterpret_cast<const char*>(rest);
        text = _bstr_t(replaced.c_str());
    }
    return count;
}

void BstrStripQuotes(_bstr_t& text)
{
    if (Length(text) > 0 && static_cast<const wchar_t*>(text)[0] == L'"')
        text = BstrRight(text, Length(text) - 1);
    if (Length(text) > 0 && LastCharacter(text) == L'"')
        text = BstrLeft(text, Length(text) - 1);
}

void AppendBackslash(_bstr_t& text)
{
    if (Length(text) == 0 || LastCharacter(text) != L'\\')
        text += "\\";
}
