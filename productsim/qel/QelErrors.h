// Failure results of the server, each with the thread's error information set
// so that a caller's _com_error carries a readable description.
#pragma once
#include "Qel.h"
#include "SimData.h"
#include <windows.h>
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
