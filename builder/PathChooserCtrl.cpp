#include "builder/PathChooserCtrl.h"

HRESULT CPathChooserCtrl::GetMode(CHOOSER_MODE* mode) const
{
    long value = 0;
    HRESULT result = GetProperty(1, &value);
    if (SUCCEEDED(result))
        *mode = static_cast<CHOOSER_MODE>(value);
    return result;
}
