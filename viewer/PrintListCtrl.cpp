#include "viewer/PrintListCtrl.h"
#include <commctrl.h>
#include <commdlg.h>

namespace {
// The DEVMODE size the print dialog is handed at first: the fields of the
// printer-independent part only.
const WORD kDeviceModeSize = 156;
}

CPrintListCtrl::CPrintListCtrl()
{
    m_deviceMode = ::GlobalAlloc(GHND, kDeviceModeSize);
    if (DEVMODEA* mode = static_cast<DEVMODEA*>(::GlobalLock(m_deviceMode))) {
        mode->dmSize = kDeviceModeSize;
        ::GlobalUnlock(m_deviceMode);
    }
}

CPrintListCtrl::~CPrintListCtrl()
{
    if (m_printerDC)
        ::DeleteDC(m_printerDC);
    if (m_deviceMode)
        ::GlobalFree(m_deviceMode);
}

BOOL CPrintListCtrl::PrintList(HWND owner, const char* documentName, BOOL useDefaultPrinter)
{
    if (!m_printerDC && !ChoosePrinter(owner, useDefaultPrinter))
        return FALSE;
    if (!m_list || !ListView_GetHeader(m_list))
        return FALSE;
    if (m_options.fitColumns)
        FitColumns();
    ::GetSystemTime(&m_printTime);
    CDC printer;
    printer.Attach(m_printerDC);
    CListPrintJob job(printer, m_options, documentName, m_printTime);
    bool printed = job.Print(m_list);
    printer.Detach();
    return printed;
}

bool CPrintListCtrl::ChoosePrinter(HWND owner, bool useDefaultPrinter)
{
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_DISABLEPRINTTOFILE;
    if (useDefaultPrinter)
        dialog.Flags |= PD_RETURNDEFAULT;
    else
        dialog.hDevMode = m_deviceMode;
    BOOL chosen = ::PrintDlgA(&dialog);
    TakeDeviceMode(dialog.hDevMode, !useDefaultPrinter);
    if (dialog.hDevNames)
        ::GlobalFree(dialog.hDevNames);
    if (!chosen || !dialog.hDC)
        return false;
    if (m_printerDC)
        ::DeleteDC(m_printerDC);
    m_printerDC = dialog.hDC;
    return true;
}

// The dialog may hand back another device mode than it was given: it freed
// or reallocated ours then, and the returned one is ours from now on.
void CPrintListCtrl::TakeDeviceMode(HGLOBAL returned, bool passedOurs)
{
    if (!returned || returned == m_deviceMode)
        return;
    if (!passedOurs && m_deviceMode)
        ::GlobalFree(m_deviceMode);
    m_deviceMode = returned;
}

// Columns the list shows with no width are hidden on purpose and stay so.
void CPrintListCtrl::FitColumns()
{
    HWND header = ListView_GetHeader(m_list);
    for (int column = 0; column < Header_GetItemCount(header); ++column) {
        if (ListView_GetColumnWidth(m_list, column) > 0)
            ListView_SetColumnWidth(m_list, column, LVSCW_AUTOSIZE_USEHEADER);
    }
}
