#include "viewer/PrintOptionsDlg.h"
#include "viewer/ReportViewerApp.h"
#include "viewer/Resource.h"
#include "afx/CDataExchange.h"

namespace {
const int kFontNameLimit = 32;
const int kSizeLimit = 4;
const int kInitialTwips = 200;
const int kMinTwips = 20;
const int kMaxTwips = 32760;
const int kTwipsPerPoint = 20;
}

BEGIN_MESSAGE_MAP(CPrintOptionsDlg, CDialog)
    ON_CBN_DROPDOWN(IDC_HEADER_SIZE, OnHeaderSizeDropDown)
    ON_CBN_DROPDOWN(IDC_DATA_SIZE, OnDataSizeDropDown)
    ON_CBN_DROPDOWN(IDC_FOOTER_SIZE, OnFooterSizeDropDown)
    ON_BN_CLICKED(IDC_PRINT_TITLE, OnPrintTitle)
    ON_BN_CLICKED(IDC_PRINT_FOOTER, OnPrintFooter)
END_MESSAGE_MAP()

CPrintOptionsDlg::CPrintOptionsDlg(HDC printer, CWnd* parent) : CDialog(IDD_PRINT_OPTIONS, parent), m_printer(printer) {}

void CPrintOptionsDlg::DoDataExchange(CDataExchange* exchange)
{
    DDX_Control(exchange, IDC_HEADER_FONT, m_headerFont);
    DDX_Control(exchange, IDC_DATA_FONT, m_dataFont);
    DDX_Control(exchange, IDC_FOOTER_FONT, m_footerFont);
    DDX_Control(exchange, IDC_HEADER_SIZE, m_headerSizes);
    DDX_Control(exchange, IDC_DATA_SIZE, m_dataSizes);
    DDX_Control(exchange, IDC_FOOTER_SIZE, m_footerSizes);
    DDX_Check(exchange, IDC_PRINT_COLUMN_SEPARATOR, m_printColumnSeparator);
    DDX_Check(exchange, IDC_PRINT_FOOTER, m_printFooter);
    DDX_Check(exchange, IDC_PRINT_TITLE, m_printTitle);
    DDX_Check(exchange, IDC_PRINT_ROW_SEPARATOR, m_printRowSeparator);
    DDX_Text(exchange, IDC_TITLE_TEXT, m_titleText);
    if (exchange->m_bSaveAndValidate) {
        m_footerFontName = m_footerFont.GetFaceName();
        m_headerFontName = m_headerFont.GetFaceName();
        m_dataFontName = m_dataFont.GetFaceName();
    }
}

BOOL CPrintOptionsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    int itemHeight = m_headerFont.ItemHeight();
    LineUp(m_headerFont, m_headerSizes, itemHeight);
    LineUp(m_dataFont, m_dataSizes, itemHeight);
    LineUp(m_footerFont, m_footerSizes, itemHeight);
    for (CFontComboBox* fonts : { &m_headerFont, &m_dataFont, &m_footerFont }) {
        fonts->LimitText(kFontNameLimit);
        fonts->FillFonts(m_printer, GetViewerApp().m_screenDC);
    }
    m_headerFont.MatchFont(m_headerFontName);
    m_dataFont.MatchFont(m_dataFontName);
    m_footerFont.MatchFont(m_footerFontName);
    for (CSizeComboBox* sizes : { &m_headerSizes, &m_dataSizes, &m_footerSizes }) {
        sizes->LimitText(kSizeLimit);
        sizes->SetTwipSize(kInitialTwips);
    }
    OnPrintTitle();
    OnPrintFooter();
    return TRUE;
}

// The size box takes the font list's height and top, so the two read as one row.
void CPrintOptionsDlg::LineUp(CFontComboBox& font, CSizeComboBox& size, int itemHeight)
{
    font.SetItemHeight(-1, itemHeight);
    font.SetItemHeight(0, itemHeight);
    size.SetItemHeight(-1, itemHeight);
    CRect fontRect;
    CRect sizeRect;
    font.GetWindowRect(&fontRect);
    size.GetWindowRect(&sizeRect);
    ScreenToClient(&fontRect);
    ScreenToClient(&sizeRect);
    size.SetWindowPos(nullptr, sizeRect.left, fontRect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A printer font's sizes come from the printer, any other font's from the screen.
void CPrintOptionsDlg::RefillSizes(CFontComboBox& font, CSizeComboBox& size)
{
    int twips = ValidTwipSize(size);
    const CFontDescriptor* chosen = font.GetSelectedFont();
    bool printerFont = m_printer && chosen && (chosen->typeFlags & kPrinterFontType);
    size.EnumFontSizes(printerFont ? m_printer : GetViewerApp().m_screenDC, font.GetFaceName());
    if (twips != -1)
        size.SetTwipSize(twips);
}

int CPrintOptionsDlg::ValidTwipSize(CSizeComboBox& size)
{
    int twips = size.GetTwipSize();
    if (twips == -2) {
        ShowInformation(IDS_NOT_A_NUMBER);
        return size.GetLastTwipSize();
    }
    if (twips != -1 && (twips < kMinTwips || twips > kMaxTwips)) {
        ShowInformation(IDS_SIZE_OUT_OF_RANGE);
        return size.GetLastTwipSize();
    }
    return twips;
}

// Sizes must be numbers of points in range; the dialog stays open on one that
// is not, with the box that says why. Printing takes whole points: a half
// point is dropped.
void CPrintOptionsDlg::OnOK()
{
    UpdateData(TRUE);
    int header = 0;
    int footer = 0;
    int data = 0;
    if (!ReadPoints(m_headerSizes, header) || !ReadPoints(m_footerSizes, footer) || !ReadPoints(m_dataSizes, data))
        return;
    m_headerSize = header;
    m_footerSize = footer;
    m_dataSize = data;
    EndDialog(IDOK);
}

bool CPrintOptionsDlg::ReadPoints(CSizeComboBox& size, int& points)
{
    int twips = size.GetTwipSize();
    if (twips == -1) {
        points = 0;
        return true;
    }
    if (twips == -2 || twips < kMinTwips || twips > kMaxTwips) {
        ShowInformation(twips == -2 ? IDS_NOT_A_NUMBER : IDS_SIZE_OUT_OF_RANGE);
        ::SetFocus(size.m_hWnd);
        return false;
    }
    points = twips / kTwipsPerPoint;
    return true;
}

void CPrintOptionsDlg::ShowInformation(UINT textId)
{
    CString text;
    text.LoadString(textId);
    char caption[256] = "";
    ::GetWindowTextA(m_hWnd, caption, sizeof caption);
    ::MessageBoxA(m_hWnd, text, caption, MB_OK | MB_ICONINFORMATION);
}

void CPrintOptionsDlg::OnPrintTitle()
{
    EnableItems({ IDC_TITLE_TEXT, IDC_HEADER_FONT, IDC_HEADER_SIZE }, ::IsDlgButtonChecked(m_hWnd, IDC_PRINT_TITLE));
}

void CPrintOptionsDlg::OnPrintFooter()
{
    EnableItems({ IDC_FOOTER_FONT, IDC_FOOTER_SIZE }, ::IsDlgButtonChecked(m_hWnd, IDC_PRINT_FOOTER));
}

void CPrintOptionsDlg::EnableItems(std::initializer_list<int> ids, BOOL enable)
{
    for (int id : ids)
        ::EnableWindow(GetDlgItem(id), enable);
}
