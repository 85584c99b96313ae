// What is known of one file or folder found on disk: its full path, attributes,
// size, three time stamps and a word of the owner's own, with two running
// digests of the file's contents.
#pragma once
#include "afx/CString.h"

class CFileInfo {
public:
    CFileInfo() = default;
    virtual ~CFileInfo() = default;
    CFileInfo(const CFileInfo&) = default;
    CFileInfo& operator=(const CFileInfo&) = default;

    // Looks the path up on disk; when nothing is found the record stays as it was.
    virtual void Create(const char* path, DWORD callerWord);
    // From a directory-listing entry and the folder (ending in a backslash) it was found in.
    // A time stamp that cannot be converted reads as no time (0).
    virtual void Create(const WIN32_FIND_DATAA& entry, const char* folder, DWORD callerWord);

    const CString& GetFilePath() const { return m_path; }
    DWORD GetAttributes() const { return m_attributes; }
    bool IsFolder() const { return (m_attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    ULONGLONG GetSize() const { return m_size; }
    // Seconds since 1970-01-01; 0 when there is no time.
    __time64_t GetCreationTime() const { return m_creationTime; }
    __time64_t GetLastAccessTime() const { return m_lastAccessTime; }
    __time64_t GetLastWriteTime() const { return m_lastWriteTime; }
    DWORD GetCallerWord() const { return m_callerWord; }

    CString GetFileDrive() const;
    CString GetFileDir() const;
    CString GetFileTitle() const;
    CString GetFileExt() const;

    // Running digests over the first byteCount bytes (0: the whole file). Both
    // share one offset, so a later call without restart goes on where the last
    // one stopped; the abort flag and progress counter may be null.
    DWORD GetChecksum(ULONGLONG byteCount, bool restart, const volatile bool* abortFlag, volatile LONG* progress);
    DWORD GetCrc(ULONGLONG byteCount, bool restart, const volatile bool* abortFlag, volatile LONG* progress);

private:
    enum class Digest { Checksum, Crc };
    enum class PathPart { Drive, Dir, Title, Ext };

    CString SplitPath(PathPart part) const;
    DWORD RunDigest(Digest digest, ULONGLONG byteCount, bool restart, const volatile bool* abortFlag,
                    volatile LONG* progress);
    void TakeIntoChecksum(const unsigned char* bytes, DWORD count);
    void TakeIntoCrc(const unsigned char* bytes, DWORD count);

    DWORD m_callerWord = 0;
    CString m_path;
    DWORD m_attributes = 0xFFFFFFFF;
    ULONGLONG m_size = 0;
    __time64_t m_creationTime = 0;
    __time64_t m_lastAccessTime = 0;
    __time64_t m_lastWriteTime = 0;
    DWORD m_checksum = 0;
    DWORD m_crc = 0xFFFFFFFF;
    ULONGLONG m_digestOffset = 0;
};
