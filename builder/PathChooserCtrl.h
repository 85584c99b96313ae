// The path chooser control of Pemrick in a dialog, its properties by dispatch id.
#pragma once
#include "afx/COleControlWnd.h"
#include "controlshell/ChooserValues.h"

class CPathChooserCtrl : public COleControlWnd {
public:
    HRESULT GetMode(CHOOSER_MODE* mode) const { return GetProperty(1, mode); }
    HRESULT SetMode(CHOOSER_MODE mode) const { return SetProperty(1, mode); }
    HRESULT GetSelectedTargets(CString* targets) const { return GetProperty(2, targets); }
    HRESULT SetSelectedTargets(const char* targets) const { return SetProperty(2, targets); }
    HRESULT SetConstraints(long constraints) const { return SetProperty(3, constraints); }
    HRESULT SetReadOnly(long readOnly) const { return SetProperty(4, readOnly); }
};
