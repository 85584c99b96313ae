// Prints a list control in report view to a printer the user picks (or the
// default printer): its shown columns, page by page, laid out by the options.
#pragma once
#include "viewer/ListPrintJob.h"

class CPrintListCtrl {
public:
    CPrintListCtrl();
    virtual ~CPrintListCtrl();
    CPrintListCtrl(const CPrintListCtrl&) = delete;
    CPrintListCtrl& operator=(const CPrintListCtrl&) = delete;

    void SetListCtrl(HWND list) { m_list = list; }
    ListPrintOptions& Options() { return m_options; }

    // Prints the list; true when a document was printed. Without a printer
    // yet, the print dialog (owned by `owner`) asks for one, or with
    // `useDefaultPrinter` the default printer is taken without a dialog.
    BOOL PrintList(HWND owner, const char* documentName, BOOL useDefaultPrinter);

private:
    bool ChoosePrinter(HWND owner, bool useDefaultPrinter);
    void TakeDeviceMode(HGLOBAL returned, bool passedOurs);
    void FitColumns();

    HDC m_printerDC = nullptr;
    HWND m_list = nullptr;
    ListPrintOptions m_options;
    SYSTEMTIME m_printTime = {};
    HGLOBAL m_deviceMode = nullptr;
};
