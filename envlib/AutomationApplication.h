// The one QEL Application object of the process.
#pragma once

#include <objbase.h>

struct IKvApplication;

// Null until GetAutomationApplication succeeds; then kept to the end of the process.
extern IKvApplication* AutomationApplication;

// Creates the Application object unless it exists. A failure shows its box and
// leaves the pointer null, so the next call tries again.
void GetAutomationApplication();

// Creates an object of the class, runs it and asks it for the interface.
HRESULT CreateRunningObject(REFCLSID classId, REFIID iid, void** object);
