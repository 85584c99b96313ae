#include "afx/CString.h"
#include "afx/AfxResources.h"
#include <mbstring.h>
#include <cstdio>
#include <algorithm>
#include <cstring>

namespace {
const unsigned char* Bytes(const char* text) { return reinterpret_cast<const unsigned char*>(text); }
}

CString::CString(const char* text) : m_text(text ? text : "") {}
CString::CString(const char* text, int length) : m_text(text ? std::string(text, length) : std::string()) {}
CString::CString(char ch, int repeat) : m_text(repeat > 0 ? repeat : 0, ch) {}

CString& CString::operator=(const char* text)
{
    m_text = text ? text : "";
    return *this;
}

CString& CString::operator=(char ch)
{
    m_text.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& other)
{
    m_text += other.m_text;
    return *this;
}

CString& CString::operator+=(const char* text)
{
    if (text)
        m_text += text;
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_text += ch;
    return *this;
}

CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, const char* b) { CString r(a); r += b; return r; }
CString operator+(const char* a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, char b) { CString r(a); r += b; return r; }
CString operator+(char a, const CString& b) { CString r(a); r += b; return r; }

int CString::Compare(const char* other) const
{
    return _mbscmp(Bytes(m_text.c_str()), Bytes(other ? other : ""));
}

int CString::CompareNoCase(const char* other) const
{
    return _mbsicmp(Bytes(m_text.c_str()), Bytes(other ? other : ""));
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength() - first);
}

CString CString::Mid(int first, int count) const
{
    if (first < 0)
        first = 0;
    if (count < 0)
        count = 0;
    if (first >= GetLength())
        return CString();
    if (count > GetLength() - first)
        count = GetLength() - first;
    return CString(m_text.c_str() + first, count);
}

CString CString::Left(int count) const
{
    return Mid(0, count);
}

CString CString::Right(int count) const
{
    if (count <= 0)
        return CString();
    if (count >= GetLength())
        return *this;
    return Mid(GetLength() - count);
}

CString CString::SpanExcluding(const char* charSet) const
{
    return Left(static_cast<int>(strcspn(m_text.c_str(), charSet)));
}

int CString::Find(char ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    size_t at = m_text.find(ch, start);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const char* sub, int start) const
{
    if (start < 0 || start > GetLength() || sub == nullptr)
        return -1;
    size_t at = m_text.find(sub, start);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const
{
    size_t at = m_text.rfind(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(const char* charSet) const
{
    size_t at = m_text.find_first_of(charSet);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

CString& CString::MakeUpper()
{
    if (!m_text.empty())
        _mbsupr(reinterpret_cast<unsigned char*>(&m_text[0]));
    return *this;
}

CString& CString::MakeLower()
{
    if (!m_text.empty())
        _mbslwr(reinterpret_cast<unsigned char*>(&m_text[0]));
    return *this;
}

bool CString::IsTrimSpace(unsigned char ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::TrimLeft()
{
    size_t first = 0;
    while (first < m_text.size() && IsTrimSpace(static_cast<unsigned char>(m_text[first])))
        ++first;
    m_text.erase(0, first);
    return *this;
}

CString& CString::TrimRight()
{
    size_t end = m_text.size();
    while (end > 0 && IsTrimSpace(static_cast<unsigned char>(m_text[end - 1])))
        --end;
    m_text.erase(end);
    return *this;
}

CString& CString::Trim(const char* charSet)
{
    return TrimRight(charSet).TrimLeft(charSet);
}

CString& CString::TrimLeft(const char* charSet)
{
    m_text.erase(0, std::min(m_text.find_first_not_of(charSet), m_text.size()));
    return *this;
}

CString& CString::TrimRight(const char* charSet)
{
    size_t last = m_text.find_last_not_of(charSet);
    m_text.erase(last == std::string::npos ? 0 : last + 1);
    return *this;
}

CString& CString::TrimLeft(char ch)
{
    const char set[2] = { ch, '\0' };
    return TrimLeft(set);
}

CString& CString::TrimRight(char ch)
{
    const char set[2] = { ch, '\0' };
    return TrimRight(set);
}

int CString::Replace(char oldCh, char newCh)
{
    int count = 0;
    for (char& ch : m_text) {
        if (ch == oldCh) {
            ch = newCh;
            ++count;
        }
    }
    return count;
}

int CString::Replace(const char* oldText, const char* newText)
{
    if (oldText == nullptr || *oldText == '\0')
        return 0;
    const std::string replacement = newText ? newText : "";
    const size_t oldLength = strlen(oldText);
    int count = 0;
    for (size_t at = m_text.find(oldText); at != std::string::npos; at = m_text.find(oldText, at)) {
        m_text.replace(at, oldLength, replacement);
        at += replacement.size();
        ++count;
    }
    return count;
}

int CString::Remove(char ch)
{
    size_t before = m_text.size();
    m_text.erase(std::remove(m_text.begin(), m_text.end(), ch), m_text.end());
    return static_cast<int>(before - m_text.size());
}

int CString::Delete(int index, int count)
{
    if (index >= 0 && index < GetLength() && count > 0)
        m_text.erase(index, count);
    return GetLength();
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args)
{
    va_list sizing;
    va_copy(sizing, args);
    int length = vsnprintf(nullptr, 0, format, sizing);
    va_end(sizing);
    if (length < 0) {
        m_text.clear();
        return;
    }
    std::string result(length + 1, '\0');
    vsnprintf(&result[0], result.size(), format, args);
    result.resize(length);
    m_text.swap(result);
}

void CString::AppendFormat(const char* format, ...)
{
    CString tail;
    va_list args;
    va_start(args, format);
    tail.FormatV(format, args);
    va_end(args);
    *this += tail;
}

BOOL CString::LoadString(UINT id)
{
    char buffer[4096];
    int length = ::LoadStringA(AfxGetResourceHandle(), id, buffer, sizeof buffer);
    if (length <= 0) {
        m_text.clear();
        return FALSE;
    }
    m_text.assign(buffer, length);
    return TRUE;
}

char* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_text.resize(minLength);
    m_text.reserve(m_text.size() + 1);
    return &m_text[0];
}

char* CString::GetBufferSetLength(int length)
{
    m_text.resize(length > 0 ? length : 0);
    return &m_text[0];
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        newLength = static_cast<int>(strlen(m_text.c_str()));
    m_text.resize(newLength);
}

bool operator==(const CString& a, const CString& b) { return strcmp(a, b) == 0; }
bool operator==(const CString& a, const char* b) { return strcmp(a, b ? b : "") == 0; }
bool operator==(const char* a, const CString& b) { return b == a; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, const char* b) { return !(a == b); }
bool operator!=(const char* a, const CString& b) { return !(b == a); }
bool operator<(const CString& a, const CString& b) { return strcmp(a, b) < 0; }

CString LoadText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}
