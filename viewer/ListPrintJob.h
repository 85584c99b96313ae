// One print job of a list control in report view: the list's visible columns
// page by page, each page with its optional title band, the column headings,
// the rows with optional separators and an optional footer band with the page
// number and the print time.
#pragma once
#include "afx/CDC.h"
#include "afx/CFont.h"
#include "afx/CString.h"
#include <vector>

struct ListPrintFont {
    CString faceName = "Arial";
    int points = 10;
};

struct ListPrintOptions {
    bool fitColumns = false;  // widen every shown column to its header and contents first
    bool printTitle = true;
    bool printFooter = true;
    bool columnSeparator = true;
    bool rowSeparator = true;
    ListPrintFont headerFont;
    ListPrintFont footerFont;
    ListPrintFont dataFont;
    bool fillBands = false;  // frame the title and footer bands and fill them with their colours
    COLORREF headerBackground = RGB(255, 255, 255);
    COLORREF footerBackground = RGB(255, 255, 255);
};

class CListPrintJob {
public:
    CListPrintJob(CDC& printer, const ListPrintOptions& options, const CString& documentName, const SYSTEMTIME& printTime);

    // Prints every row of `list`; false when the printer failed, after the job was aborted.
    bool Print(HWND list);

private:
    struct Column {
        int width;  // 0: not printed
        UINT alignment;
        CString heading;
    };

    void CreateFont(CFont& font, const ListPrintFont& description);
    int LineHeight(const CFont& font);
    void ReadColumns();
    CString CellText(int row, int column) const;
    bool PrintRows();
    bool StartNewPage();
    bool FinishPage();
    void PrintTitleBand();
    void PrintFooterBand();
    void PrintHeadings();
    void PrintRow(int row);
    void PrintCells(const std::vector<CString>& texts);
    void DrawBand(const RECT& band, COLORREF background);
    void DrawColumnSeparators();
    void DrawRowSeparator();
    CString PageText() const;
    CString TimeText() const;

    CDC& m_dc;
    const ListPrintOptions& m_options;
    CString m_documentName;
    SYSTEMTIME m_printTime;
    HWND m_list = nullptr;
    CFont m_headerFont;
    CFont m_dataFont;
    CFont m_footerFont;
    int m_charWidth = 0;  // of "X" in the data font
    int m_dataLineHeight = 0;
    std::vector<Column> m_columns;
    RECT m_page = {};
    int m_rowsBottom = 0;  // rows end above the footer band
    int m_headingsTop = 0;
    int m_y = 0;
    int m_pageNumber = 0;
    int m_rowsOnPage = 0;
    bool m_pageOpen = false;
};
