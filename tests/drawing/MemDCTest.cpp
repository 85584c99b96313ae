// The off-screen context: drawing reaches the target only when it closes.
#include "drawing/MemDC.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestPrinter.h"
#include <gtest/gtest.h>

namespace {
// A 24-bit target bitmap in a memory DC, standing in for a window's DC.
class Target {
public:
    Target()
    {
        m_dc.CreateCompatibleDC(nullptr);
        BITMAPINFO info = {};
        info.bmiHeader = { sizeof(BITMAPINFOHEADER), 40, 30, 1, 24, BI_RGB, 0, 0, 0, 0, 0 };
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_previous = m_dc.SelectObject(m_bitmap);
        m_dc.FillSolidRect(CRect(0, 0, 40, 30), RGB(0, 0, 255));
    }
    ~Target()
    {
        m_dc.SelectObject(m_previous);
        DeleteObject(m_bitmap);
        m_dc.DeleteDC();
    }
    CDC* DC() { return &m_dc; }
    COLORREF Pixel(int x, int y) { return GetPixel(m_dc, x, y); }

private:
    CDC m_dc;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
};
}

TEST(MemDCTest, PaintsTheBackgroundOffScreenAndCopiesItAtTheEnd)
{
    Target target;
    {
        CMemDC memory(target.DC(), RGB(200, 30, 40));
        EXPECT_EQ(::GetPixel(memory, 5, 5), RGB(200, 30, 40));
        memory.FillSolidRect(CRect(10, 10, 20, 20), RGB(0, 128, 0));
        EXPECT_EQ(target.Pixel(15, 15), RGB(0, 0, 255)) << "the target is untouched until the end";
    }
    EXPECT_EQ(target.Pixel(15, 15), RGB(0, 128, 0));
    EXPECT_EQ(target.Pixel(5, 5), RGB(200, 30, 40));
    {
        CMemDC white(target.DC(), RGB(255, 255, 255));
    }
    EXPECT_EQ(target.Pixel(1, 1), RGB(255, 255, 255));
}

TEST(MemDCTest, CopiesOnlyItsRectangleAndLeavesACallersBitmapToTheCaller)
{
    Target target;
    {
        CMemDC memory(target.DC(), CRect(20, 10, 30, 20));
        memory.FillSolidRect(CRect(20, 10, 30, 20), RGB(10, 20, 30));
    }
    EXPECT_EQ(target.Pixel(25, 15), RGB(10, 20, 30));
    EXPECT_EQ(target.Pixel(5, 5), RGB(0, 0, 255));

    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(target.DC(), 40, 30);
    {
        CMemDC memory(target.DC(), RGB(0, 0, 0), &bitmap);
    }
    EXPECT_EQ(target.Pixel(5, 5), RGB(0, 0, 0));
    BITMAP info = {};
    EXPECT_NE(bitmap.GetBitmap(&info), 0) << "the caller's bitmap outlives the context";
}

// A control drawn at an offset paints through a target whose origin is moved:
// every logical point lands where the target shows it, and the whole clip box
// is repainted.
TEST(MemDCTest, FollowsATargetWhoseOriginIsMoved)
{
    Target target;
    ::SetViewportOrgEx(*target.DC(), 10, 5, nullptr);
    {
        CMemDC memory(target.DC(), RGB(200, 30, 40));
        memory.FillSolidRect(CRect(-10, -5, -5, 0), RGB(0, 128, 0));
    }
    ::SetViewportOrgEx(*target.DC(), 0, 0, nullptr);
    EXPECT_EQ(target.Pixel(2, 2), RGB(0, 128, 0));
    EXPECT_EQ(target.Pixel(7, 2), RGB(200, 30, 40));
    EXPECT_EQ(target.Pixel(39, 29), RGB(200, 30, 40));
}

// On a printer both kinds of context draw straight onto the page and leave
// the printer's DC to its owner.
TEST(MemDCTest, DrawsStraightOntoAPrintersPage)
{
    const char printerName[] = "Korvast Drawing Test Printer";
    ScratchFolder folder("memdc");
    const std::string job = folder / "job.ps";
    TestPrinter::DefaultPrinter defaultPrinter(printerName, job);
    ASSERT_TRUE(defaultPrinter.Installed());
    CDC printer;
    ASSERT_TRUE(printer.Attach(::CreateDCA(nullptr, printerName, nullptr, nullptr)));
    DOCINFOA document = { sizeof document, "MemDC" };
    ASSERT_GT(::StartDocA(printer, &document), 0);
    ::StartPage(printer);
    {
        CMemDC memory(&printer, RGB(0, 128, 0));
        EXPECT_EQ(memory.m_hDC, printer.m_hDC);
        EXPECT_TRUE(memory.m_bPrinting);
        CRect line(300, 300, 3000, 500);
        memory.DrawText("Painted on the page", &line, DT_LEFT | DT_SINGLELINE);
    }
    {
        CMemDC memory(&printer, CRect(300, 600, 3000, 800));
        EXPECT_EQ(memory.m_hDC, printer.m_hDC);
        CRect line(300, 600, 3000, 800);
        memory.DrawText("Within its rectangle", &line, DT_LEFT | DT_SINGLELINE);
    }
    ::EndPage(printer);
    EXPECT_GT(::EndDoc(printer), 0) << "the printer's DC outlives the contexts";
    ::DeleteDC(printer.Detach());
    std::vector<std::string> pages = TestPrinter::ReadPages(job);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("Painted on the page"), std::string::npos) << pages[0];
    EXPECT_NE(pages[0].find("Within its rectangle"), std::string::npos) << pages[0];
}
