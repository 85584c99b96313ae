// What Save As writes: the report's description and its rows as the results
// list shows them, that is the rows passing the current filter in the list's
// order. Only the visible fields of each row are saved.
#pragma once
#include "reportmodel/Fields.h"
#include <oleauto.h>
#include <utility>
#include <vector>

struct CExportedReport {
    CString title;
    // The argument text as it came on the command line.
    CString parameters;
    // The parameters as (name, value) pairs; a pair with an empty name
    // continues the value of the pair before it.
    std::vector<std::pair<CString, CString>> detailsLines;
    DATE startTime = 0;
    DATE endTime = 0;
    const CFields* fieldModel = nullptr;
    std::vector<const CFields*> rows;

    // The date as long date, a blank and long time, in the user's locale.
    static CString FormatRunTime(DATE time);
};
