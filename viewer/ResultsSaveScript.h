// Saves the results as HTML or CSV through the export script
// "script_tools\save_results.prl" of the reports folder, run by kvperl:
//   kvperl "<script>" -html -out "<file>"
// The script reads the report from its standard input:
//   description : "<title>"
//   parameters : <name>=<"value"> lines, or (none)
//   fields : "<name>"; "<name>"; ...
//   time_started : <long date> <long time>
//   time_ended : <long date> <long time>
//   results :<value>;<value>;...   one line per row, rows one after another
#pragma once
#include "viewer/ExportedReport.h"
#include <comutil.h>

class CResultsSaveScript {
public:
    explicit CResultsSaveScript(const CExportedReport& report) : m_report(report) {}

    static CString GetToolsFolder(const _bstr_t& reportsFolder);
    // `kind` is "html" or "csv".
    static CString BuildCommandLine(const char* scriptPath, const char* kind, const char* outputPath);
    CString BuildInputText() const;

    // Starts the export script and does not wait for it; its output and its
    // failures are not looked at.
    void SaveResultsByScript(const _bstr_t& reportsFolder, const char* outputPath, const char* kind) const;

private:
    CString ParametersText() const;
    CString FieldsText() const;
    static CString RowText(const CFields& row);

    const CExportedReport& m_report;
};
