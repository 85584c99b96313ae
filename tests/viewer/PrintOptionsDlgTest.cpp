// The print options dialog with its font and size lists, driven in its own
// message loop, with the test printer's fonts beside the screen's.
#include "viewer/PrintOptionsDlg.h"
#include "viewer/ReportViewerApp.h"
#include "viewer/Resource.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestPrinter.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace DialogDriver;

const CFontDescriptor* FontAt(HWND combo, int index)
{
    return reinterpret_cast<const CFontDescriptor*>(SendMessageA(combo, CB_GETITEMDATA, index, 0));
}

TEST(SizeComboBox, SizeTextsAndTwips)
{
    EXPECT_EQ("10.5", std::string(CSizeComboBox::FormatTwips(210)));
    EXPECT_EQ("12", std::string(CSizeComboBox::FormatTwips(240)));
    EXPECT_EQ(-1, CSizeComboBox::ParseTwips(""));
    EXPECT_EQ(-1, CSizeComboBox::ParseTwips(" \t "));
    EXPECT_EQ(240, CSizeComboBox::ParseTwips(" \t12 \t"));
    EXPECT_EQ(-2, CSizeComboBox::ParseTwips("12 pt"));
    EXPECT_EQ(210, CSizeComboBox::ParseTwips("10.5"));
    EXPECT_EQ(210, CSizeComboBox::ParseTwips(CSizeComboBox::FormatTwips(210)));
    EXPECT_EQ(145, CSizeComboBox::ParseTwips(" 7.25\t"));
    EXPECT_EQ(-2, CSizeComboBox::ParseTwips("10.5.1"));
    EXPECT_EQ(-2, CSizeComboBox::ParseTwips("nan"));
    EXPECT_EQ(-2, CSizeComboBox::ParseTwips("junk"));
    EXPECT_EQ(0, CSizeComboBox::ParseTwips("-3"));
    EXPECT_GT(CSizeComboBox::ParseTwips("99999999999"), 32760);
}

// The screen of a Wine prefix has no raster fonts, so only scalable fonts are listed here.
TEST(SizeComboBox, ScalableFontsOfferTheStandardSizes)
{
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
    HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWN, 0, 0, 100, 200, parent, nullptr, nullptr, nullptr);
    CSizeComboBox sizes;
    sizes.SubclassWindow(combo);
    HDC screen = GetDC(nullptr);

    sizes.EnumFontSizes(screen, "Liberation Sans");
    sizes.InsertSize(210);
    sizes.InsertSize(240);
    EXPECT_EQ((std::vector<std::string>{ "8", "9", "10", "10.5", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28",
                                         "36", "48", "72" }),
              ComboTexts(combo));
    EXPECT_EQ(210u, sizes.GetItemData(3));

    sizes.SetTwipSize(300);
    EXPECT_EQ("15", ControlText(parent, 0));
    ReleaseDC(nullptr, screen);
    sizes.UnsubclassWindow();
    DestroyWindow(parent);
}

class PrintOptionsDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_defaultPrinter.Installed());
        m_printer = CreateDCA(nullptr, "Korvast Test Printer", nullptr, nullptr);
        ASSERT_NE(nullptr, m_printer);
    }
    void TearDown() override { DeleteDC(m_printer); }

    // Runs the dialog; `steps` act on it, and the dialog ends with Cancel when they leave it open.
    INT_PTR Run(CPrintOptionsDlg& dialog, std::function<void(HWND)> steps)
    {
        return RunModal(dialog, [](HWND) { return true; }, [&](HWND window) {
            steps(window);
            if (IsOpen(window))
                SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
        });
    }

    static void Press(HWND dialog, int id)
    {
        SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    }

    CReportViewerApp m_app;
    ScratchFolder m_folder{ "options" };
    TestPrinter::DefaultPrinter m_defaultPrinter{ "Korvast Test Printer", m_folder / "job.ps" };
    HDC m_printer = nullptr;
};

TEST_F(PrintOptionsDlgTest, StartsWithArialAtTenPointsAndEnablesByTheChecks)
{
    CPrintOptionsDlg dialog(m_printer);
    Run(dialog, [](HWND window) {
        for (int id : { IDC_HEADER_FONT, IDC_DATA_FONT, IDC_FOOTER_FONT }) {
            HWND fonts = GetDlgItem(window, id);
            int selected = static_cast<int>(SendMessageA(fonts, CB_GETCURSEL, 0, 0));
            ASSERT_NE(CB_ERR, selected);
            EXPECT_EQ("Arial", std::string(FontAt(fonts, selected)->faceName));
        }
        for (int id : { IDC_HEADER_SIZE, IDC_DATA_SIZE, IDC_FOOTER_SIZE })
            EXPECT_EQ("10", ControlText(window, id));
        EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(window, IDC_PRINT_TITLE));
        EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(window, IDC_PRINT_FOOTER));
        EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(window, IDC_PRINT_ROW_SEPARATOR));
        EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(window, IDC_PRINT_COLUMN_SEPARATOR));

        HWND fonts = GetDlgItem(window, IDC_DATA_FONT);
        int count = static_cast<int>(SendMessageA(fonts, CB_GETCOUNT, 0, 0));
        bool printerFonts = false;
        bool trueTypeFonts = false;
        std::vector<int> sansKinds;
        for (int index = 0; index < count; ++index) {
            const CFontDescriptor* font = FontAt(fonts, index);
            printerFonts |= (font->typeFlags & kPrinterFontType) != 0;
            trueTypeFonts |= (font->typeFlags & kTrueTypeFontType) != 0;
            if (font->faceName == "Liberation Sans" && font->charSet == ANSI_CHARSET)
                sansKinds.push_back(font->typeFlags);
            if (index > 0) {
                EXPECT_NE(CSTR_GREATER_THAN, CompareStringA(LOCALE_USER_DEFAULT, 0, FontAt(fonts, index - 1)->faceName, -1,
                                                            FontAt(fonts, index)->faceName, -1));
            }
        }
        EXPECT_TRUE(printerFonts);
        EXPECT_TRUE(trueTypeFonts);
        std::sort(sansKinds.begin(), sansKinds.end());
        EXPECT_EQ((std::vector<int>{ kTrueTypeFontType, kPrinterFontType | kTrueTypeFontType }), sansKinds)
            << "a family of both printer and screen is listed for each";

        Press(window, IDC_PRINT_TITLE);
        Press(window, IDC_PRINT_FOOTER);
        for (int id : { IDC_TITLE_TEXT, IDC_HEADER_FONT, IDC_HEADER_SIZE, IDC_FOOTER_FONT, IDC_FOOTER_SIZE })
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, id))) << id;
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, IDC_DATA_FONT)));
        Press(window, IDC_PRINT_TITLE);
        for (int id : { IDC_TITLE_TEXT, IDC_HEADER_FONT, IDC_HEADER_SIZE })
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, id))) << id;
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_FOOTER_FONT)));
    });
}

// Where EnumFontFamiliesEx is missing the families come from the plain
// enumeration, which names no script.
TEST_F(PrintOptionsDlgTest, WithoutTheNewShellTheFamiliesAreListedWithoutScripts)
{
    m_app.m_newShell = false;
    CPrintOptionsDlg dialog(m_printer);
    Run(dialog, [](HWND window) {
        HWND fonts = GetDlgItem(window, IDC_DATA_FONT);
        std::set<int> sansKinds;
        for (int index = 0; index < SendMessageA(fonts, CB_GETCOUNT, 0, 0); ++index) {
            const CFontDescriptor* font = FontAt(fonts, index);
            EXPECT_EQ("", std::string(font->script)) << font->faceName;
            if (font->faceName == "Liberation Sans")
                sansKinds.insert(font->typeFlags);
        }
        EXPECT_EQ((std::set<int>{ kTrueTypeFontType, kPrinterFontType | kTrueTypeFontType }), sansKinds);
    });
}

// Picks the first entry of the list that begins with `prefix`.
void PickFont(HWND dialog, int id, const char* prefix)
{
    SendMessageA(GetDlgItem(dialog, id), CB_SETCURSEL, -1, 0);
    HWND fonts = GetDlgItem(dialog, id);
    for (int index = 0; index < SendMessageA(fonts, CB_GETCOUNT, 0, 0); ++index) {
        if (std::string(FontAt(fonts, index)->faceName).rfind(prefix, 0) == 0) {
            SendMessageA(fonts, CB_SETCURSEL, index, 0);
            return;
        }
    }
    ADD_FAILURE() << "no font " << prefix;
}

TEST_F(PrintOptionsDlgTest, EachRowOfCombosGivesItsOwnFontAndSize)
{
    CPrintOptionsDlg dialog(m_printer);
    dialog.m_footerFontName = "No Such Font";
    ASSERT_EQ(IDOK, Run(dialog, [](HWND window) {
        PickFont(window, IDC_HEADER_FONT, "Liberation Mono");
        PickFont(window, IDC_DATA_FONT, "Liberation Serif");
        SetDlgItemTextA(window, IDC_HEADER_SIZE, "14");
        SetDlgItemTextA(window, IDC_DATA_SIZE, " 9");
        SetDlgItemTextA(window, IDC_FOOTER_SIZE, "");
        SetDlgItemTextA(window, IDC_TITLE_TEXT, "Weekly");
        Press(window, IDC_PRINT_ROW_SEPARATOR);
        SendMessageA(window, WM_COMMAND, IDOK, 0);
    }));
    EXPECT_EQ("Liberation Mono", std::string(dialog.m_headerFontName));
    EXPECT_EQ("Liberation Serif", std::string(dialog.m_dataFontName));
    EXPECT_EQ("No Such Font", std::string(dialog.m_footerFontName));
    EXPECT_EQ(14, dialog.m_headerSize);
    EXPECT_EQ(9, dialog.m_dataSize);
    EXPECT_EQ(0, dialog.m_footerSize);
    EXPECT_EQ("Weekly", std::string(dialog.m_titleText));
    EXPECT_EQ(1, dialog.m_printRowSeparator);
    EXPECT_EQ(0, dialog.m_printColumnSeparator);
}

TEST_F(PrintOptionsDlgTest, RefusesSizesThatAreNoNumbersInRange)
{
    MessageBoxWatcher boxes;
    CPrintOptionsDlg dialog(m_printer);
    Run(dialog, [](HWND window) {
        SetDlgItemTextA(window, IDC_DATA_SIZE, "10 pt");
        SendMessageA(window, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(IsWindowVisible(window));
        SetDlgItemTextA(window, IDC_DATA_SIZE, "2000");
        SendMessageA(window, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(IsWindowVisible(window));

        SetDlgItemTextA(window, IDC_HEADER_SIZE, "junk");
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_HEADER_SIZE, CBN_DROPDOWN),
                     reinterpret_cast<LPARAM>(GetDlgItem(window, IDC_HEADER_SIZE)));
        EXPECT_EQ("10", ControlText(window, IDC_HEADER_SIZE));
        EXPECT_EQ(16, SendDlgItemMessageA(window, IDC_HEADER_SIZE, CB_GETCOUNT, 0, 0));

        // Down in the box steps from 12 to the next size of its list.
        HWND sizes = GetDlgItem(window, IDC_HEADER_SIZE);
        SendMessageA(sizes, CB_SETCURSEL, SendMessageA(sizes, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>("12")), 0);
        COMBOBOXINFO parts = {};
        parts.cbSize = sizeof parts;
        GetComboBoxInfo(sizes, &parts);
        SendMessageA(parts.hwndItem, WM_KEYDOWN, VK_DOWN, 0);
        ASSERT_EQ("14", ControlText(window, IDC_HEADER_SIZE));
        SetWindowTextA(sizes, "0");
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_HEADER_SIZE, CBN_DROPDOWN), reinterpret_cast<LPARAM>(sizes));
        EXPECT_EQ("14", ControlText(window, IDC_HEADER_SIZE)) << "the size picked from the list comes back";
    });
    std::vector<RecordedBox> shown = boxes.WaitForBoxes(4);
    ASSERT_EQ(4u, shown.size());
    EXPECT_EQ("This is not a valid number.", shown[0].text);
    EXPECT_EQ("The number must be between 1 and 1638.", shown[1].text);
    EXPECT_EQ("This is not a valid number.", shown[2].text);
    EXPECT_EQ("The number must be between 1 and 1638.", shown[3].text);
    EXPECT_EQ("Print Options", shown[0].caption);
}

// Half-point sizes, as the list shows them, go through a refill and OK without
// a box; printing takes the whole points.
TEST_F(PrintOptionsDlgTest, TakesHalfPointSizes)
{
    MessageBoxWatcher boxes;
    CPrintOptionsDlg dialog(m_printer);
    ASSERT_EQ(IDOK, Run(dialog, [](HWND window) {
        HWND sizes = GetDlgItem(window, IDC_DATA_SIZE);
        SetWindowTextA(sizes, "10.5");
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_DATA_SIZE, CBN_DROPDOWN), reinterpret_cast<LPARAM>(sizes));
        EXPECT_EQ("10.5", ControlText(window, IDC_DATA_SIZE));
        SetDlgItemTextA(window, IDC_HEADER_SIZE, "12.5");
        SendMessageA(window, WM_COMMAND, IDOK, 0);
    }));
    EXPECT_EQ(10, dialog.m_dataSize);
    EXPECT_EQ(12, dialog.m_headerSize);
    EXPECT_TRUE(boxes.Boxes().empty()) << boxes.Boxes().front().text;
}

}
