#include "viewer/XmlExport.h"
#include "tests/viewer/ExportTestData.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestFiles.h"
#include <gtest/gtest.h>

namespace {
void AddTwoRows(ExportTestData& data)
{
    data.AddRow("a<b", "10", "never written", "Tom & Jerry's \"x>y\"");
    data.AddRow("", "9", "", "plain");
}

const char kBodyAfterRunDate[] = "<Parameters>-path%&quot;C:\\a&amp;b&quot;</Parameters>\n"
                                 "<Header>\n"
                                 "<Column Label=\"Name\" Type=\"string\"/>\n"
                                 "<Column Label=\"Size\" Type=\"Integer\"/>\n"
                                 "<Column Label=\"Note\" Type=\"\"/>\n"
                                 "</Header>\n"
                                 "<Row>\n"
                                 "<string>a&lt;b</string>\n"
                                 "<Integer>10</Integer>\n"
                                 "<Value>Tom &amp; Jerry's &quot;x&gt;y&quot;</Value>\n"
                                 "</Row>\n"
                                 "<Row>\n"
                                 "<string></string>\n"
                                 "<Integer>9</Integer>\n"
                                 "<Value>plain</Value>\n"
                                 "</Row>\n"
                                 "</Report>\n";

std::string RunDateLine()
{
    return "<RunDate>" + ExportTestData::ExpectedRunTime(ExportTestData::StartTime()) + "</RunDate>\n";
}
}

TEST(XmlExport, WithoutTemplateTheReportFollowsTheDeclaration)
{
    ExportTestData data;
    AddTwoRows(data);
    ScratchFolder scratch("xml export");
    const std::string path = scratch / "plain.xml";
    EXPECT_TRUE(CXmlExport(data.Report()).WriteResultsXml(path.c_str(), ""));
    EXPECT_EQ("<?xml version=\"1.0\"?>\n"
              "<Report>\n"
              "<ReportTitle>Sizes &amp; &lt;names&gt;</ReportTitle>\n"
                  + RunDateLine() + kBodyAfterRunDate,
              ReadWholeFile(path));
}

TEST(XmlExport, TemplateLineRunsIntoTheReportElement)
{
    ExportTestData data;
    AddTwoRows(data);
    ScratchFolder scratch("xml export");
    const std::string path = scratch / "styled.xml";
    EXPECT_TRUE(CXmlExport(data.Report()).WriteResultsXml(path.c_str(), "C:\\tools & more\\table.xsl"));
    EXPECT_EQ("<?xml version=\"1.0\"?>\n"
              "<?xml:stylesheet type=\"text/xsl\" href=\"C:\\tools &amp; more\\table.xsl\" ?><Report>\n"
              "<ReportTitle>Sizes &amp; &lt;names&gt;</ReportTitle>\n"
                  + RunDateLine() + kBodyAfterRunDate,
              ReadWholeFile(path));
}

TEST(XmlExport, ReportWithoutRowsStillHasItsHeader)
{
    ExportTestData data;
    ScratchFolder scratch("xml export");
    const std::string path = scratch / "empty.xml";
    EXPECT_TRUE(CXmlExport(data.Report()).WriteResultsXml(path.c_str(), nullptr));
    const std::string text = ReadWholeFile(path);
    EXPECT_NE(std::string::npos, text.find("<Column Label=\"Note\" Type=\"\"/>\n</Header>\n</Report>\n")) << text;
}

TEST(XmlExport, ReplacesAnExistingFileAndFailsQuietlyWhereItCannotWrite)
{
    ExportTestData data;
    ScratchFolder scratch("xml export");
    const std::string path = scratch / "replace.xml";
    scratch.WriteFile("replace.xml", std::string(5000, 'x'));
    EXPECT_TRUE(CXmlExport(data.Report()).WriteResultsXml(path.c_str(), ""));
    EXPECT_EQ(std::string::npos, ReadWholeFile(path).find("xxxxxxxxxx"));

    EXPECT_FALSE(CXmlExport(data.Report()).WriteResultsXml("C:\\no such folder\\at all\\r.xml", ""));
}

TEST(XmlExport, EscapeKeepsEveryCharacterReadable)
{
    EXPECT_STREQ("a &lt;b&gt; &amp; &quot;c&quot; 'd'", CXmlExport::Escape("a <b> & \"c\" 'd'"));
    EXPECT_STREQ("tab\there", CXmlExport::Escape("tab\there"));
    EXPECT_STREQ("bell&#xFFFD;", CXmlExport::Escape("bell\x07"));
    // A character beyond ASCII becomes a reference to its Unicode code point.
    wchar_t eAcute[] = L"\u00e9";
    char narrow[8] = "";
    BOOL lossy = FALSE;
    WideCharToMultiByte(CP_ACP, 0, eAcute, -1, narrow, sizeof narrow, nullptr, &lossy);
    if (!lossy) {
        EXPECT_STREQ("caf&#233;", CXmlExport::Escape((std::string("caf") + narrow).c_str()));
    }
}

TEST(XmlExport, ElementNameFallsBackWhereTheTypeCannotNameAnElement)
{
    EXPECT_STREQ("Integer", CXmlExport::ElementName("Integer"));
    EXPECT_STREQ("_x1", CXmlExport::ElementName("_x1"));
    EXPECT_STREQ("Value", CXmlExport::ElementName(""));
    EXPECT_STREQ("Value", CXmlExport::ElementName("1st"));
}
