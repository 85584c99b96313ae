// Failure results of the server, each with the thread's error information set
// so that a caller's _com_error carries a readable description.
#pragma once
#include "SimData.h"
#include <windows.h>
#include <string>

const HRESULT QEL_E_NOTFOUND = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x201);
const HRESULT QEL_E_FAILED = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x202);
const HRESULT QEL_E_DATA = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x203);
const HRESULT QEL_E_SELECTOR = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x204);

HRESULT QelError(HRESULT result, REFIID iid, const std::string& description);

// How a member call marked in the data ends: S_OK to go on, S_FALSE when it
// is to succeed without an object, or the failure (error information set).
HRESULT QelMarkedOutcome(const SimMarks& marks, const std::string& operation, REFIID iid, const std::string& objectText);
