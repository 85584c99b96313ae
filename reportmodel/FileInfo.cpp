#include "reportmodel/FileInfo.h"
#include <algorithm>
#include <array>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {
const DWORD kDigestChunkSize = 16384;
const DWORD kChecksumStart = 0;
const DWORD kCrcStart = 0xFFFFFFFF;

const std::array<DWORD, 256>& CrcTable()
{
    static const std::array<DWORD, 256> table = [] {
        std::array<DWORD, 256> entries{};
        for (DWORD byte = 0; byte < 256; ++byte) {
            DWORD value = byte;
            for (int bit = 0; bit < 8; ++bit)
                value = (value & 1) ? (value >> 1) ^ 0xEDB88320 : value >> 1;
            entries[byte] = value;
        }
        return entries;
    }();
    return table;
}

// Local calendar time of a file time stamp as seconds since 1970; 0 for no
// time, for years before 1900 and for any time the conversion cannot take.
__time64_t ToTimeValue(const FILETIME& fileTime)
{
    if (fileTime.dwLowDateTime == 0 && fileTime.dwHighDateTime == 0)
        return 0;
    FILETIME localTime;
    SYSTEMTIME calendar;
    if (!FileTimeToLocalFileTime(&fileTime, &localTime) || !FileTimeToSystemTime(&localTime, &calendar)
        || calendar.wYear < 1900)
        return 0;
    tm parts = {};
    parts.tm_year = calendar.wYear - 1900;
    parts.tm_mon = calendar.wMonth - 1;
    parts.tm_mday = calendar.wDay;
    parts.tm_hour = calendar.wHour;
    parts.tm_min = calendar.wMinute;
    parts.tm_sec = calendar.wSecond;
    parts.tm_isdst = -1;
    const __time64_t value = _mktime64(&parts);
    return value == -1 ? 0 : value;
}
}

void CFileInfo::Create(const char* path, DWORD callerWord)
{
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(path, &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    FindClose(search);
    const CString fullPath(path);
    // Called as the base's own: a derived record does its own work once, after this.
    CFileInfo::Create(entry, fullPath.Left(fullPath.ReverseFind('\\') + 1), callerWord);
}

void CFileInfo::Create(const WIN32_FIND_DATAA& entry, const char* folder, DWORD callerWord)
{
    m_path = CString(folder) + entry.cFileName;
    m_attributes = entry.dwFileAttributes;
    m_size = (static_cast<ULONGLONG>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
    m_digestOffset = 0;
    m_creationTime = ToTimeValue(entry.ftCreationTime);
    m_lastAccessTime = ToTimeValue(entry.ftLastAccessTime);
    m_lastWriteTime = ToTimeValue(entry.ftLastWriteTime);
    m_callerWord = callerWord;
}

CString CFileInfo::SplitPath(PathPart part) const
{
    const size_t size = std::max<size_t>(m_path.GetLength() + 1, _MAX_DRIVE);
    std::vector<char> drive(size), dir(size), title(size), ext(size);
    if (_splitpath_s(m_path, drive.data(), size, dir.data(), size, title.data(), size, ext.data(), size) != 0)
        return CString();
    switch (part) {
    case PathPart::Drive:
        return drive.data();
    case PathPart::Dir:
        return dir.data();
    case PathPart::Title:
        return title.data();
    default:
        return ext.data();
    }
}

CString CFileInfo::GetFileDrive() const
{
    return SplitPath(PathPart::Drive);
}

CString CFileInfo::GetFileDir() const
{
    return SplitPath(PathPart::Dir);
}

CString CFileInfo::GetFileTitle() const
{
    return SplitPath(PathPart::Title);
}

CString CFileInfo::GetFileExt() const
{
    return SplitPath(PathPart::Ext);
}

DWORD CFileInfo::GetChecksum(ULONGLONG byteCount, bool restart, const volatile bool* abortFlag,
                             volatile LONG* progress)
{
    return RunDigest(Digest::Checksum, byteCount, restart, abortFlag, progress);
}

DWORD CFileInfo::GetCrc(ULONGLONG byteCount, bool restart, const volatile bool* abortFlag, volatile LONG* progress)
{
    return RunDigest(Digest::Crc, byteCount, restart, abortFlag, progress);
}

DWORD CFileInfo::RunDigest(Digest digest, ULONGLONG byteCount, bool restart, const volatile bool* abortFlag,
                           volatile LONG* progress)
{
    DWORD& value = digest == Digest::Checksum ? m_checksum : m_crc;
    ULONGLONG limit = (byteCount + 3) & ~3ULL;
    // Rounding up stops at the end of the file, so that a later call cannot take the end in twice.
    if (byteCount == 0 || limit > m_size)
        limit = m_size;
    if (restart) {
        m_digestOffset = 0;
        value = digest == Digest::Checksum ? kChecksumStart : kCrcStart;
    }
    if (m_digestOffset >= limit)
        return value;
    HANDLE file = CreateFileA(m_path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return value;
    LARGE_INTEGER offset;
    offset.QuadPart = static_cast<LONGLONG>(m_digestOffset);
    SetFilePointerEx(file, offset, nullptr, FILE_BEGIN);
    std::vector<unsigned char> chunk(kDigestChunkSize);
    while (m_digestOffset < limit && !(abortFlag && *abortFlag)) {
        const DWORD wanted = static_cast<DWORD>(std::min<ULONGLONG>(kDigestChunkSize, limit - m_digestOffset));
        DWORD bytesRead = 0;
        if (!ReadFile(file, chunk.data(), wanted, &bytesRead, nullptr) || bytesRead == 0)
            break;
        if (digest == Digest::Crc)
            TakeIntoCrc(chunk.data(), bytesRead);
        else
            TakeIntoChecksum(chunk.data(), bytesRead);
        if (progress)
            InterlockedExchangeAdd(progress, static_cast<LONG>(bytesRead));
        m_digestOffset += bytesRead;
    }
    CloseHandle(file);
    if (digest == Digest::Crc && m_digestOffset >= m_size)
        m_crc ^= 0xFFFFFFFF;
    return value;
}

void CFileInfo::TakeIntoChecksum(const unsigned char* bytes, DWORD count)
{
    // Little-endian words; the 1 to 3 bytes left at the end are the low bytes of a last word.
    for (DWORD i = 0; i < count; i += 4) {
        DWORD word = 0;
        for (DWORD b = 0; b < 4 && i + b < count; ++b)
            word |= static_cast<DWORD>(bytes[i + b]) << (8 * b);
        m_checksum += word;
    }
}

void CFileInfo::TakeIntoCrc(const unsigned char* bytes, DWORD count)
{
    const std::array<DWORD, 256>& table = CrcTable();
    for (DWORD i = 0; i < count; ++i)
        m_crc = table[(m_crc ^ bytes[i]) & 0xFF] ^ (m_crc >> 8);
}
