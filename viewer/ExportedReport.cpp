#include "viewer/ExportedReport.h"
#include <comdef.h>

namespace {
// Named formats of VarFormatDateTime.
const int kLongDate = 1;
const int kLongTime = 3;

CString FormatDate(DATE time, int namedFormat)
{
    _variant_t value(time, VT_DATE);
    BSTR text = nullptr;
    if (FAILED(VarFormatDateTime(&value, namedFormat, 0, &text)))
        return CString();
    return CString(static_cast<const char*>(_bstr_t(text, false)));
}
}

CString CExportedReport::FormatRunTime(DATE time)
{
    return FormatDate(time, kLongDate) + " " + FormatDate(time, kLongTime);
}
