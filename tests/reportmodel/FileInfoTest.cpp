#include "reportmodel/FileInfo.h"
#include "tests/support/ScratchFolder.h"
#include <gtest/gtest.h>

namespace {
FILETIME FileTimeOf(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME calendar = { year, month, 0, day, hour, minute, second, 0 };
    FILETIME universal;
    SystemTimeToFileTime(&calendar, &universal);
    return universal;
}

// Seconds since 1970 of a file time.
__time64_t SecondsOf(const FILETIME& time)
{
    ULARGE_INTEGER ticks;
    ticks.LowPart = time.dwLowDateTime;
    ticks.HighPart = time.dwHighDateTime;
    return static_cast<__time64_t>((ticks.QuadPart - 116444736000000000ULL) / 10000000ULL);
}

__time64_t SecondsOf(const SYSTEMTIME& calendar)
{
    FILETIME time;
    SystemTimeToFileTime(&calendar, &time);
    return SecondsOf(time);
}

// What the record keeps of a universal file time: the time moved into local
// time by the zone's offset of today, then read back as a local calendar time,
// which takes the offset of the file's own date. It is an hour off the
// universal time when only one of today and that date falls in summer time.
__time64_t RecordedSecondsOf(const FILETIME& universal)
{
    FILETIME byTodaysOffset;
    FileTimeToLocalFileTime(&universal, &byTodaysOffset);
    SYSTEMTIME calendar;
    FileTimeToSystemTime(&universal, &calendar);
    SYSTEMTIME onItsDate;
    SystemTimeToTzSpecificLocalTime(nullptr, &calendar, &onItsDate);
    const __time64_t todaysOffset = SecondsOf(byTodaysOffset) - SecondsOf(universal);
    const __time64_t datesOffset = SecondsOf(onItsDate) - SecondsOf(universal);
    return SecondsOf(universal) + todaysOffset - datesOffset;
}

class FileInfoTest : public ::testing::Test {
protected:
    CFileInfo RecordOf(const std::string& content)
    {
        const std::string path = m_scratch.WriteFile("data.bin", content);
        CFileInfo record;
        record.Create(path.c_str(), 0);
        return record;
    }

    ScratchFolder m_scratch;
};
}

TEST_F(FileInfoTest, CreateFromPathReadsTheEntryAndSplitsThePath)
{
    const std::string path = m_scratch.WriteFile("two words.report.txt", "12345");
    const FILETIME written = FileTimeOf(2020, 1, 2, 3, 4, 5);
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SetFileTime(file, &written, nullptr, &written);
    CloseHandle(file);

    CFileInfo record;
    record.Create(path.c_str(), 77);
    EXPECT_STREQ(path.c_str(), record.GetFilePath());
    EXPECT_EQ(5u, record.GetSize());
    EXPECT_FALSE(record.IsFolder());
    EXPECT_EQ(77u, record.GetCallerWord());
    EXPECT_EQ(RecordedSecondsOf(written), record.GetLastWriteTime());
    EXPECT_EQ(RecordedSecondsOf(written), record.GetCreationTime());
    EXPECT_STREQ(path.substr(0, 2).c_str(), record.GetFileDrive());
    EXPECT_STREQ(m_scratch.Path().substr(2).c_str(), record.GetFileDir());
    EXPECT_STREQ("two words.report", record.GetFileTitle());
    EXPECT_STREQ(".txt", record.GetFileExt());
}

TEST_F(FileInfoTest, CreateFromMissingPathLeavesTheRecordAsItWas)
{
    CFileInfo fresh;
    fresh.Create((m_scratch.Path() + "missing.txt").c_str(), 1);
    EXPECT_STREQ("", fresh.GetFilePath());
    EXPECT_EQ(0xFFFFFFFFu, fresh.GetAttributes());

    CFileInfo found = RecordOf("x");
    const CString path = found.GetFilePath();
    found.Create((m_scratch.Path() + "missing.txt").c_str(), 2);
    EXPECT_STREQ(path, found.GetFilePath());
    EXPECT_EQ(0u, found.GetCallerWord());
}

TEST_F(FileInfoTest, PathWithoutBackslashHasNoFolder)
{
    m_scratch.WriteFile("bare.txt", "");
    char previous[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof previous, previous);
    SetCurrentDirectoryA(m_scratch.Path().c_str());
    CFileInfo record;
    record.Create("bare.txt", 0);
    SetCurrentDirectoryA(previous);
    EXPECT_STREQ("bare.txt", record.GetFilePath());
    EXPECT_STREQ("", record.GetFileDir());
    EXPECT_TRUE(CFileInfo(record).GetFilePath() == record.GetFilePath());
}

// A time the calendar conversion cannot take (before 1970, after 3000) reads
// as no time too, so one such file cannot break a folder's listing.
TEST_F(FileInfoTest, TimesBefore1900OutOfCalendarRangeAndMissingReadAsNoTime)
{
    WIN32_FIND_DATAA entry = {};
    strcpy(entry.cFileName, "old.txt");
    entry.ftCreationTime = FileTimeOf(1850, 6, 1, 0, 0, 0);
    entry.ftLastWriteTime = FileTimeOf(2001, 9, 9, 1, 46, 40);
    CFileInfo record;
    record.Create(entry, "C:\\", 0);
    EXPECT_EQ(0, record.GetCreationTime());
    EXPECT_EQ(0, record.GetLastAccessTime());

    entry.ftCreationTime = FileTimeOf(1950, 1, 1, 0, 0, 0);
    entry.ftLastAccessTime = FileTimeOf(3500, 1, 1, 0, 0, 0);
    record.Create(entry, "C:\\", 0);
    EXPECT_EQ(0, record.GetCreationTime());
    EXPECT_EQ(0, record.GetLastAccessTime());
    EXPECT_EQ(RecordedSecondsOf(entry.ftLastWriteTime), record.GetLastWriteTime());
    EXPECT_STREQ("C:\\old.txt", record.GetFilePath());
}

TEST_F(FileInfoTest, CrcIsTheStandardCrc32AlsoWhenTakenInParts)
{
    CFileInfo whole = RecordOf("123456789");
    EXPECT_EQ(0xCBF43926u, whole.GetCrc(0, true, nullptr, nullptr));
    EXPECT_EQ(0xCBF43926u, whole.GetCrc(0, false, nullptr, nullptr));

    CFileInfo parts = RecordOf("123456789");
    const DWORD running = parts.GetCrc(3, true, nullptr, nullptr);
    EXPECT_NE(0xCBF43926u, running);
    EXPECT_EQ(0xCBF43926u, parts.GetCrc(0, false, nullptr, nullptr));

    // A count rounded up past the end takes the end in once.
    CFileInfo rounded = RecordOf("123456789");
    EXPECT_EQ(0xCBF43926u, rounded.GetCrc(9, true, nullptr, nullptr));
    EXPECT_EQ(0xCBF43926u, rounded.GetCrc(9, false, nullptr, nullptr));
}

TEST_F(FileInfoTest, ChecksumAddsLittleEndianWordsAndTheRestAsALastWord)
{
    CFileInfo record = RecordOf(std::string("\x01\x02\x03\x04\x05", 5));
    volatile LONG progress = 0;
    EXPECT_EQ(0x04030206u, record.GetChecksum(0, true, nullptr, &progress));
    EXPECT_EQ(5, progress);

    const volatile bool abort = true;
    EXPECT_EQ(0u, record.GetChecksum(0, true, &abort, nullptr));
}
