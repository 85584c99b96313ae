#include "viewer/ListPrintJob.h"
#include "viewer/HeadingAlignment.h"
#include <commctrl.h>
#include <algorithm>

namespace {
const int kMaxMeasuredLength = 255;
const int kHeadingsGap = 20;  // device units below the title band
const int kFooterGap = 10;    // device units kept free above the footer band
const int kTextLength = 1024;
const UINT kCellFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;

class FontSelection {
public:
    FontSelection(CDC& dc, const CFont& font) : m_dc(dc), m_previous(dc.SelectObject(font)) {}
    ~FontSelection() { m_dc.SelectObject(m_previous); }

private:
    CDC& m_dc;
    HGDIOBJ m_previous;
};
}

CListPrintJob::CListPrintJob(CDC& printer, const ListPrintOptions& options, const CString& documentName,
                             const SYSTEMTIME& printTime)
    : m_dc(printer), m_options(options), m_documentName(documentName), m_printTime(printTime)
{
    CreateFont(m_headerFont, options.headerFont);
    CreateFont(m_dataFont, options.dataFont);
    CreateFont(m_footerFont, options.footerFont);
    FontSelection data(m_dc, m_dataFont);
    m_charWidth = m_dc.GetTextExtent("X").cx;
    m_dataLineHeight = LineHeight(m_dataFont);
    m_page = { 0, 0, m_dc.GetDeviceCaps(HORZRES), m_dc.GetDeviceCaps(VERTRES) };
}

// A face name longer than LOGFONT's field is cut to fit it.
void CListPrintJob::CreateFont(CFont& font, const ListPrintFont& description)
{
    LOGFONTA logFont = {};
    logFont.lfHeight = -(description.points * m_dc.GetDeviceCaps(LOGPIXELSY) / 72);
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(logFont.lfFaceName, description.faceName, LF_FACESIZE);
    font.CreateFontIndirect(&logFont);
}

int CListPrintJob::LineHeight(const CFont& font)
{
    FontSelection selection(m_dc, font);
    TEXTMETRICA metrics = {};
    m_dc.GetTextMetrics(&metrics);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

bool CListPrintJob::Print(HWND list)
{
    m_list = list;
    ReadColumns();
    if (m_dc.StartDoc(m_documentName) <= 0)
        return false;
    if (!PrintRows()) {
        m_dc.AbortDoc();
        return false;
    }
    return m_dc.EndDoc() > 0;
}

// A column's printed width holds its longest text, heading included, and one
// character more; a column the list shows with no width stays unprinted.
void CListPrintJob::ReadColumns()
{
    HWND header = ListView_GetHeader(m_list);
    int columns = Header_GetItemCount(header);
    int rows = ListView_GetItemCount(m_list);
    m_columns.clear();
    for (int column = 0; column < columns; ++column) {
        char heading[kTextLength] = "";
        HDITEMA item = {};
        item.mask = HDI_WIDTH | HDI_FORMAT | HDI_TEXT;
        item.pszText = heading;
        item.cchTextMax = sizeof heading;
        ::SendMessageA(header, HDM_GETITEMA, column, reinterpret_cast<LPARAM>(&item));
        int longest = lstrlenA(heading);
        for (int row = 0; item.cxy > 0 && row < rows && longest < kMaxMeasuredLength; ++row)
            longest = std::max(longest, CellText(row, column).GetLength());
        longest = std::min(longest, kMaxMeasuredLength);
        int width = item.cxy > 0 ? (longest + 1) * m_charWidth : 0;
        m_columns.push_back({ width, HeadingAlignment(item.fmt), heading });
    }
}

CString CListPrintJob::CellText(int row, int column) const
{
    char text[kTextLength] = "";
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ::SendMessageA(m_list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

// An empty list still prints one page with the title and the headings. A row
// that does not fit above the footer moves to a new page; a row taller than a
// whole page is printed once, cut at the bottom.
bool CListPrintJob::PrintRows()
{
    int rows = ListView_GetItemCount(m_list);
    if (rows == 0)
        return StartNewPage() && FinishPage();
    for (int row = 0; row < rows; ++row) {
        if (!m_pageOpen && !StartNewPage())
            return false;
        if (m_y + m_dataLineHeight > m_rowsBottom && m_rowsOnPage > 0 && !(FinishPage() && StartNewPage()))
            return false;
        PrintRow(row);
    }
    return FinishPage();
}

bool CListPrintJob::StartNewPage()
{
    if (m_dc.StartPage() <= 0)
        return false;
    m_pageOpen = true;
    ++m_pageNumber;
    // Texts go over the bands' fill; a printer may reset the DC on each page.
    m_dc.SetBkMode(TRANSPARENT);
    m_rowsOnPage = 0;
    m_y = m_page.top;
    m_rowsBottom = m_page.bottom;
    if (m_options.printTitle)
        PrintTitleBand();
    if (m_options.printFooter)
        PrintFooterBand();
    PrintHeadings();
    return true;
}

bool CListPrintJob::FinishPage()
{
    DrawColumnSeparators();
    m_pageOpen = false;
    return m_dc.EndPage() > 0;
}

// Two lines of the header font across the page: the document name centred
// half a line down; without a footer the page number and the print time at
// the right of the first and second line.
void CListPrintJob::PrintTitleBand()
{
    FontSelection header(m_dc, m_headerFont);
    int line = LineHeight(m_headerFont);
    CRect band(m_page.left, m_y, m_page.right, m_y + 2 * line);
    DrawBand(band, m_options.headerBackground);
    CRect text(band.left + m_charWidth, band.top, band.right - m_charWidth, band.top + line);
    if (!m_options.printFooter)
        m_dc.DrawText(PageText(), &text, DT_RIGHT | kCellFormat);
    CRect name(text.left, band.top + line / 2, text.right, band.top + line / 2 + line);
    m_dc.DrawText(m_documentName, &name, DT_CENTER | kCellFormat);
    if (!m_options.printFooter) {
        text.OffsetRect(0, line);
        m_dc.DrawText(TimeText(), &text, DT_RIGHT | kCellFormat);
    }
    m_y = band.bottom + kHeadingsGap;
}

void CListPrintJob::PrintFooterBand()
{
    FontSelection footer(m_dc, m_footerFont);
    CRect band(m_page.left, m_page.bottom - LineHeight(m_footerFont), m_page.right, m_page.bottom);
    DrawBand(band, m_options.footerBackground);
    CRect text(band.left + m_charWidth, band.top, band.right - m_charWidth, band.bottom);
    m_dc.DrawText(PageText(), &text, DT_LEFT | kCellFormat);
    m_dc.DrawText(TimeText(), &text, DT_RIGHT | kCellFormat);
    m_rowsBottom = band.top - kFooterGap;
}

void CListPrintJob::PrintHeadings()
{
    m_headingsTop = m_y;
    std::vector<CString> headings;
    for (const Column& column : m_columns)
        headings.push_back(column.heading);
    PrintCells(headings);
}

void CListPrintJob::PrintRow(int row)
{
    std::vector<CString> texts;
    for (int column = 0; column < static_cast<int>(m_columns.size()); ++column)
        texts.push_back(m_columns[column].width > 0 ? CellText(row, column) : CString());
    PrintCells(texts);
    ++m_rowsOnPage;
}

// One line of the data font, each text in its column, cut at the bottom of the rows' space.
void CListPrintJob::PrintCells(const std::vector<CString>& texts)
{
    FontSelection data(m_dc, m_dataFont);
    int bottom = std::min(m_y + m_dataLineHeight, m_rowsBottom);
    int left = m_page.left;
    for (size_t column = 0; column < m_columns.size(); ++column) {
        const Column& printed = m_columns[column];
        if (printed.width == 0)
            continue;
        CRect cell(left + m_charWidth / 4, m_y, left + printed.width - m_charWidth / 4, bottom);
        m_dc.DrawText(texts[column], &cell, printed.alignment | kCellFormat);
        left += printed.width;
    }
    m_y += m_dataLineHeight;
    DrawRowSeparator();
}

void CListPrintJob::DrawBand(const RECT& band, COLORREF background)
{
    if (!m_options.fillBands)
        return;
    m_dc.FillSolidRect(band, background);
    m_dc.FrameRect(band, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
}

void CListPrintJob::DrawColumnSeparators()
{
    if (!m_options.columnSeparator)
        return;
    int bottom = std::min(m_y, m_rowsBottom);
    int x = m_page.left;
    for (const Column& column : m_columns) {
        if (column.width == 0)
            continue;
        if (x > m_page.left) {
            m_dc.MoveTo(x, m_headingsTop);
            m_dc.LineTo(x, bottom);
        }
        x += column.width;
    }
}

void CListPrintJob::DrawRowSeparator()
{
    if (!m_options.rowSeparator || m_y > m_rowsBottom)
        return;
    m_dc.MoveTo(m_page.left, m_y);
    m_dc.LineTo(m_page.right, m_y);
}

CString CListPrintJob::PageText() const
{
    CString text;
    text.Format("Page : %d", m_pageNumber);
    return text;
}

CString CListPrintJob::TimeText() const
{
    CString text;
    text.Format("%02d/%02d/%04d  %02d:%02d:%02d", m_printTime.wDay, m_printTime.wMonth, m_printTime.wYear,
                m_printTime.wHour, m_printTime.wMinute, m_printTime.wSecond);
    return text;
}
