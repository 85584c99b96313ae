#include "productsim/reports/exe/ArgumentRows.h"
#include "productsim/reports/exe/ReportArguments.h"
#include <stdio.h>
#include <algorithm>

int PrintArgumentRows(int argc, char** argv, const char* headerWithoutFields)
{
    CReportArguments arguments(argc, argv);
    if (arguments.IsInfoQuery()) {
        printf("%sfields: \"Parameter\"(string) \"Value\"(string)\n", headerWithoutFields);
        return 0;
    }
    for (const CReportArguments::Argument& argument : arguments.InOrder()) {
        // A ';' would end the field, so a value shows it as ','.
        std::string value = argument.second;
        std::replace(value.begin(), value.end(), ';', ',');
        printf("%s;%s\n", argument.first.c_str(), value.c_str());
    }
    return 0;
}
