// A named event the test child program waits on ("wait:NAME"): set, it lets
// the child go on, so a test decides when the child's next step comes.
#pragma once
#include <windows.h>
#include <string>

class ChildGate {
public:
    ChildGate()
        : m_name("korvast_test_gate_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++s_count)),
          m_event(CreateEventA(nullptr, TRUE, FALSE, m_name.c_str()))
    {
    }
    ~ChildGate() { CloseHandle(m_event); }
    ChildGate(const ChildGate&) = delete;
    ChildGate& operator=(const ChildGate&) = delete;

    // The child's command that waits for the gate.
    std::string Wait() const { return "wait:" + m_name; }
    void Open() { SetEvent(m_event); }

private:
    static inline int s_count = 0;
    std::string m_name;
    HANDLE m_event;
};
