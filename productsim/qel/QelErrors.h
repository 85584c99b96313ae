// Failure results of the server, each with the thread's error information set
// so that a caller's _com_error carries a readable description.
#pragma once
#include "Qel.h"
#include "productsim/simdata/SimData.h"
#include <windows.h>
#include <optional>
#include <string>

HRESULT QelError(HRESULT result, REFIID iid, const std::string& description);

// How a member call marked in the data ends: S_OK to go on, S_FALSE when it
// is to succeed without an object, or the failure (error information set).
HRESULT QelMarkedOutcome(const SimMarks& marks, const std::string& operation, REFIID iid, const std::string& objectText);

// What a member returns when the marked outcome is not S_OK: success without
// an object for S_FALSE, else the failure.
inline HRESULT QelEarlyResult(HRESULT outcome)
{
    return outcome == S_FALSE ? S_OK : outcome;
}

// The start of a member that gives a value (a text, a flag, a count): a null
// out pointer is refused with E_POINTER, else it is cleared, then the marks
// are asked. Gives the result to stop with, or nothing to go on; a call
// marked empty goes on, as a value cannot be left out.
template <class T>
std::optional<HRESULT> QelStartValueMember(T* out, const SimMarks& marks, const std::string& operation, REFIID iid,
                                           const std::string& objectText)
{
    if (out == nullptr)
        return E_POINTER;
    *out = T();
    HRESULT outcome = QelMarkedOutcome(marks, operation, iid, objectText);
    if (FAILED(outcome))
        return outcome;
    return std::nullopt;
}

// The same for a member that gives an object, except that a call marked
// empty stops with S_OK and no object.
template <class T>
std::optional<HRESULT> QelStartObjectMember(T** out, const SimMarks& marks, const std::string& operation, REFIID iid,
                                            const std::string& objectText)
{
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    HRESULT outcome = QelMarkedOutcome(marks, operation, iid, objectText);
    if (outcome != S_OK)
        return QelEarlyResult(outcome);
    return std::nullopt;
}
