#include "builder/SingleTypeChooserCtrl.h"

HRESULT CSingleTypeChooserCtrl::GetType(TC_OBJECT_TYPE* kind) const
{
    long value = 0;
    HRESULT result = GetProperty(3, &value);
    if (SUCCEEDED(result))
        *kind = static_cast<TC_OBJECT_TYPE>(value);
    return result;
}
