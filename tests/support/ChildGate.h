// A named event the test child program waits on ("wait:NAME"): set, it lets
// the child go on, so a test decides when the child's next step comes. The
// child that waits at the gate leaves its process id with it, so the test
// finds that child and no other.
#pragma once
#include <windows.h>
#include <string>

// How long something that should end at once may take while a child waits at
// a gate: far less than the 30 s after which the child stops waiting by itself.
const DWORD kAtOnceBoundMs = 5000;

class ChildGate {
public:
    ChildGate()
        : m_name("korvast_test_gate_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++s_count)),
          m_event(CreateEventA(nullptr, TRUE, FALSE, m_name.c_str())),
          m_waiter(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(DWORD),
                                      (m_name + "_waiter").c_str())),
          m_waiterId(static_cast<DWORD*>(MapViewOfFile(m_waiter, FILE_MAP_READ, 0, 0, sizeof(DWORD))))
    {
    }
    ~ChildGate()
    {
        UnmapViewOfFile(m_waiterId);
        CloseHandle(m_waiter);
        CloseHandle(m_event);
    }
    ChildGate(const ChildGate&) = delete;
    ChildGate& operator=(const ChildGate&) = delete;

    // The child's command that waits for the gate.
    std::string Wait() const { return "wait:" + m_name; }
    void Open() { SetEvent(m_event); }
    // The child that waits at the gate, opened to be waited for; null until one
    // waits. Opened while it waits, it is that child, whatever ended meanwhile.
    HANDLE OpenWaiter() const
    {
        DWORD id = *static_cast<volatile DWORD*>(m_waiterId);
        return id ? OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, id) : nullptr;
    }

private:
    static inline int s_count = 0;
    std::string m_name;
    HANDLE m_event;
    HANDLE m_waiter;
    DWORD* m_waiterId;
};
