// The print options: fonts and sizes of the title, the rows and the footer,
// which bands and separators to print, and the title text.
#pragma once
#include "viewer/FontComboBox.h"
#include "viewer/SizeComboBox.h"
#include "afx/CDialog.h"
#include <initializer_list>

class CPrintOptionsDlg : public CDialog {
public:
    // The font lists offer the fonts of `printer` (when given) and of the screen.
    explicit CPrintOptionsDlg(HDC printer, CWnd* parent = nullptr);

    int m_printColumnSeparator = 0;
    int m_printFooter = 1;
    int m_printTitle = 1;
    int m_printRowSeparator = 0;
    CString m_footerFontName = "Arial";
    CString m_headerFontName = "Arial";
    CString m_dataFontName = "Arial";
    CString m_titleText;
    // Whole points; 0 when the size was left empty.
    int m_headerSize = 12;
    int m_footerSize = 12;
    int m_dataSize = 12;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnHeaderSizeDropDown() { RefillSizes(m_headerFont, m_headerSizes); }
    void OnDataSizeDropDown() { RefillSizes(m_dataFont, m_dataSizes); }
    void OnFooterSizeDropDown() { RefillSizes(m_footerFont, m_footerSizes); }
    void OnPrintTitle();
    void OnPrintFooter();

    DECLARE_MESSAGE_MAP()

private:
    void LineUp(CFontComboBox& font, CSizeComboBox& size, int itemHeight);
    void RefillSizes(CFontComboBox& font, CSizeComboBox& size);
    // The typed size in twips, or after a box the last valid one; -1 when empty.
    int ValidTwipSize(CSizeComboBox& size);
    bool ReadPoints(CSizeComboBox& size, int& points);
    void ShowInformation(UINT textId);
    void EnableItems(std::initializer_list<int> ids, BOOL enable);

    HDC m_printer;
    CFontComboBox m_headerFont;
    CFontComboBox m_dataFont;
    CFontComboBox m_footerFont;
    CSizeComboBox m_headerSizes;
    CSizeComboBox m_dataSizes;
    CSizeComboBox m_footerSizes;
};
