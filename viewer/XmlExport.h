// Saves a report as an XML document, optionally naming an XSL stylesheet:
//   <?xml version="1.0"?>
//   <Report>  (after the stylesheet line, on the same line, when there is one)
//   <ReportTitle>, <RunDate>, <Parameters>, <Header> with one <Column> per
//   visible field, then one <Row> per row holding each visible value in an
//   element named after its field's type.
// Texts are escaped, so any value keeps the document readable.
#pragma once
#include "viewer/ExportedReport.h"

class CXmlExport {
public:
    explicit CXmlExport(const CExportedReport& report) : m_report(report) {}

    // Writes the document, replacing the file; `templatePath` may be empty.
    // False when the file could not be created or written whole: no document
    // is left then, and GetLastError says why.
    bool WriteResultsXml(const char* path, const char* templatePath) const;

    // The text as XML character data or attribute value: markup characters as
    // entities, characters beyond ASCII as character references, and control
    // characters XML cannot hold as U+FFFD.
    static CString Escape(const char* text);
    // The element name of a value: its field's type name, or "Value" for a
    // type name that cannot name an element (an empty one, for instance).
    static CString ElementName(const CString& type);

private:
    // The file being written; from its first failed write on it takes no more
    // and keeps that write's error.
    struct Output {
        HANDLE file;
        DWORD error = ERROR_SUCCESS;
    };

    void WriteDocument(Output& output, const char* templatePath) const;
    void WriteHeader(Output& output, const char* templatePath) const;
    void WriteRow(Output& output, const CFields& row) const;
    static void WritePiece(Output& output, const CString& piece);

    const CExportedReport& m_report;
};
