// A critical section (recursive for its owning thread) and a scoped holder of it.
#pragma once
#include <windows.h>

class CCriticalSection {
public:
    CCriticalSection() { ::InitializeCriticalSection(&m_section); }
    ~CCriticalSection() { ::DeleteCriticalSection(&m_section); }
    CCriticalSection(const CCriticalSection&) = delete;
    CCriticalSection& operator=(const CCriticalSection&) = delete;

    BOOL Lock() { ::EnterCriticalSection(&m_section); return TRUE; }
    BOOL Unlock() { ::LeaveCriticalSection(&m_section); return TRUE; }

private:
    CRITICAL_SECTION m_section;
};

class CSingleLock {
public:
    explicit CSingleLock(CCriticalSection* section, BOOL initialLock = FALSE) : m_section(section)
    {
        if (initialLock)
            Lock();
    }
    ~CSingleLock() { Unlock(); }
    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;

    // A critical section has no time-out: the wait is always infinite.
    BOOL Lock(DWORD = INFINITE)
    {
        if (!m_locked)
            m_locked = m_section->Lock();
        return TRUE;
    }
    BOOL Unlock()
    {
        if (m_locked)
            m_section->Unlock();
        m_locked = FALSE;
        return TRUE;
    }

private:
    CCriticalSection* m_section;
    BOOL m_locked = FALSE;
};
