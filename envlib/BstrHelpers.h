// Text operations over _bstr_t that automation values need and _bstr_t lacks.
// They work on the narrow (ANSI) copy with the multibyte-aware runtime
// functions; a _bstr_t without data counts as the empty text. Lengths are the
// wide character count, positions are byte offsets into the narrow copy.
#pragma once
#include <comutil.h>

int BstrCompare(const _bstr_t& text, const char* other);
int BstrCompareNoCase(const _bstr_t& text, const char* other);
int BstrCompareBstr(const _bstr_t& text, const _bstr_t& other);
// Byte offset of the first occurrence of `sub`, -1 when it does not occur.
int BstrFind(const _bstr_t& text, const char* sub);

_bstr_t BstrMid(const _bstr_t& text, int start, int count);
_bstr_t BstrLeft(const _bstr_t& text, int count);
_bstr_t BstrRight(const _bstr_t& text, int count);

// White space is exactly blank, tab, line feed and carriage return.
void BstrTrimLeft(_bstr_t& text);
void BstrTrimRight(_bstr_t& text);

void BstrFormat(_bstr_t& result, const char* format, ...);
// Replaces every non-overlapping occurrence, left to right; returns how many.
int BstrReplace(_bstr_t& text, const char* find, const char* replacement);
// Drops one double quote at the start and one at the end, each on its own.
void BstrStripQuotes(_bstr_t& text);
// Adds "\" unless the text already ends with one; the empty text becomes "\".
void AppendBackslash(_bstr_t& text);
