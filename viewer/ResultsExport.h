// The Save As command of the results: asks for a file and its type, then
// writes XML itself (with an XSL stylesheet the user may pick) or has the
// export script write HTML or CSV. An XML file that cannot be written is
// reported in a box of the owner's; the script reports its own errors.
#pragma once
#include "viewer/ExportedReport.h"
#include <comutil.h>

class CResultsExport {
public:
    enum FileType { kHtml = 1, kXml = 2, kCsv = 3 };

    CResultsExport(const CExportedReport& report, const _bstr_t& reportsFolder, HWND owner)
        : m_report(report), m_reportsFolder(reportsFolder), m_owner(owner) {}

    // Shows the save dialog; Cancel saves nothing.
    void SaveAs() const;
    // Saves in the file as the type the user chose; XML first asks for a stylesheet.
    void Save(const char* path, int type) const;

private:
    // The stylesheet's path, empty when the user cancels.
    CString ChooseTemplate() const;
    void ShowSaveFailure(const char* path, DWORD error) const;

    const CExportedReport& m_report;
    _bstr_t m_reportsFolder;
    HWND m_owner;
};
