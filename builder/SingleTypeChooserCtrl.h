// The single type chooser control of Sorvane in a dialog, its properties by dispatch id.
#pragma once
#include "afx/COleControlWnd.h"
#include "controlshell/ChooserValues.h"

class CSingleTypeChooserCtrl : public COleControlWnd {
public:
    HRESULT GetOLPEXSelector(CString* selector) const { return GetProperty(1, selector); }
    HRESULT SetOLPEXSelector(const char* selector) const { return SetProperty(1, selector); }
    HRESULT GetValue(CString* value) const { return GetProperty(2, value); }
    HRESULT SetValue(const char* value) const { return SetProperty(2, value); }
    HRESULT GetType(TC_OBJECT_TYPE* kind) const { return GetProperty(3, kind); }
    HRESULT SetType(TC_OBJECT_TYPE kind) const { return SetProperty(3, kind); }
};
