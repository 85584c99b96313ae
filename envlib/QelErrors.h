// Failure reporting shared by every query of the automation library, and the
// protected step that each query is made of.
#pragma once
#include <comdef.h>

// Set by the failure handlers of a query, reset before each protected step.
extern bool QueryFailed;

// "QEL Error" box with the error's description and its HRESULT in hexadecimal.
void ReportComError(_com_error error);
// "Korvast Error" box with the maker's text for the status code and the code in decimal.
void ReportStatusError(int status);
// The box of any other exception inside a query.
void ReportUnknownQelError();

// Raises E_POINTER when the object of the next automation call is missing.
void RequireObject(IUnknown* object);
// Raises a failed HRESULT as a _com_error carrying the object's error information.
void CheckResult(HRESULT result, IUnknown* object, REFIID iid);

// One protected step of a query: resets QueryFailed, runs the step and reports
// what it raises. True when the step succeeded. The answer is the step's own:
// the boxes have no owner, so a query started from behind one (a tree
// expansion) resets the shared flag before the box is gone.
template <typename Step>
bool RunQueryStep(Step step)
{
    QueryFailed = false;
    try {
        step();
        return true;
    } catch (const _com_error& error) {
        QueryFailed = true;
        ReportComError(error);
    } catch (...) {
        QueryFailed = true;
        ReportUnknownQelError();
    }
    return false;
}
