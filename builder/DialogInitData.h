// The initialisation data that a dialog template carries for its ActiveX
// controls (a DLGINIT resource of the template's id): per control, the stream
// it is loaded from, of which the builder reads the stored extent.
#pragma once
#include <windows.h>

// The control's stored extent in HIMETRIC units; false when the dialog's data has none.
bool FindStoredExtent(UINT dialogId, int controlId, SIZEL& extent);
