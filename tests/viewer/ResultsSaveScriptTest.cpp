#include "viewer/ResultsSaveScript.h"
#include "tests/viewer/ExportTestData.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestFiles.h"
#include <gtest/gtest.h>

namespace {
// A stand-in export script that writes its arguments and its input beside itself.
const char kRecordingScript[] = "binmode STDIN;\n"
                                "my $input = do { local $/; <STDIN> };\n"
                                "(my $folder = $0) =~ s{/[^/]*$}{};\n"
                                "open(my $out, '>', \"$folder/received.part\") or die;\n"
                                "binmode $out;\n"
                                "print $out join('|', @ARGV), \"\\n\", $input;\n"
                                "close $out;\n"
                                "rename(\"$folder/received.part\", \"$folder/received.txt\");\n";

// The product's own reports folder in the source tree, as Windows sees it.
std::string ProductReportsFolder()
{
    typedef WCHAR*(CDECL * ToDosName)(const char*);
    auto toDos = reinterpret_cast<ToDosName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_dos_file_name")));
    std::string source(__FILE__);
    source.erase(source.rfind("/tests/viewer/"));
    WCHAR* dosName = toDos ? toDos((source + "/productsim/reports").c_str()) : nullptr;
    if (!dosName)
        return std::string();
    char folder[MAX_PATH] = "";
    WideCharToMultiByte(CP_ACP, 0, dosName, -1, folder, sizeof folder, nullptr, nullptr);
    HeapFree(GetProcessHeap(), 0, dosName);
    return folder;
}

std::string TimesLines()
{
    return "time_started : " + ExportTestData::ExpectedRunTime(ExportTestData::StartTime()) + "\n"
           "time_ended : " + ExportTestData::ExpectedRunTime(ExportTestData::EndTime()) + "\n";
}
}

TEST(ResultsSaveScript, InputDescribesTheReportAndListsTheVisibleValues)
{
    ExportTestData data;
    data.Report().detailsLines = { { "-path=", "\"C:\\a\"" }, { "", "\"C:\\b\"" }, { "-recurse=", "\"yes\"" } };
    data.AddRow("a<b", "10", "never sent", "x");
    data.AddRow("", "9", "", "plain");
    EXPECT_EQ("description : \"Sizes & <names>\"\n"
              "parameters : -path=\"C:\\a\"\n\"C:\\b\"\n-recurse=\"yes\"\n"
              "fields : \"Name\"; \"Size\"; \"Note\"; \n"
                  + TimesLines() +
              "results :a<b;10;x;\n"
              ";9;plain;\n",
              std::string(CResultsSaveScript(data.Report()).BuildInputText()));
}

TEST(ResultsSaveScript, WithoutParametersOrRowsTheInputEndsAtResults)
{
    ExportTestData data;
    data.ModelField(3).SetVisible(false);
    EXPECT_EQ("description : \"Sizes & <names>\"\n"
              "parameters : (none)\n"
              "fields : \"Name\"; \"Size\"; \n"
                  + TimesLines() + "results :",
              std::string(CResultsSaveScript(data.Report()).BuildInputText()));
}

TEST(ResultsSaveScript, CommandLineNamesScriptKindAndFile)
{
    EXPECT_STREQ("C:\\reports\\script_tools\\", CResultsSaveScript::GetToolsFolder("C:\\reports"));
    EXPECT_STREQ("C:\\reports\\script_tools\\", CResultsSaveScript::GetToolsFolder("C:\\reports\\"));
    EXPECT_STREQ("kvperl \"C:\\r\\script_tools\\save_results.prl\" -csv -out \"C:\\my data\\out.csv\" ",
                 CResultsSaveScript::BuildCommandLine("C:\\r\\script_tools\\save_results.prl", "csv",
                                                      "C:\\my data\\out.csv"));
}

// kvperl.exe lies beside the test program, where the system looks first.
TEST(ResultsSaveScript, KvperlRunsTheExportScriptWithTheReportOnItsInput)
{
    ScratchFolder reports("save script reports");
    reports.MakeFolder("script_tools");
    reports.WriteFile("script_tools\\save_results.prl", kRecordingScript);
    const std::string received = reports / "script_tools\\received.txt";

    ExportTestData data;
    data.AddRow("a<b", "10", "never sent", "x");
    const CResultsSaveScript saveScript(data.Report());
    saveScript.SaveResultsByScript(reports.Path().c_str(), "C:\\my results\\out.htm", "html");

    // The launcher hands kvperl the arguments after the script path with blanks turned into '%'.
    EXPECT_EQ("-html%-out%C:\\my%results\\out.htm%\n" + std::string(saveScript.BuildInputText()),
              ReadWhenWritten(received));
}

TEST(ResultsSaveScript, ProductsExportScriptWritesCsvAndHtml)
{
    const std::string reports = ProductReportsFolder();
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((reports + "\\script_tools\\save_results.prl").c_str()))
        << reports;
    ExportTestData data;
    data.AddRow("a<b", "10", "never sent", "Tom, Jerry");
    data.AddRow("", "9", "", "plain");
    ScratchFolder scratch("saved results");
    const std::string csv = scratch / "saved results.csv";
    const std::string html = scratch / "saved results.htm";
    CResultsSaveScript(data.Report()).SaveResultsByScript(reports.c_str(), csv.c_str(), "csv");
    CResultsSaveScript(data.Report()).SaveResultsByScript(reports.c_str(), html.c_str(), "html");

    EXPECT_EQ("Name,Size,Note\r\n"
              "a<b,10,\"Tom, Jerry\"\r\n"
              ",9,plain\r\n",
              ReadWhenWritten(csv));
    const std::string page = ReadWhenWritten(html);
    EXPECT_NE(std::string::npos, page.find("<td>a&lt;b</td><td>10</td><td>Tom, Jerry</td>")) << page;
    EXPECT_NE(std::string::npos, page.find("2 rows")) << page;
    EXPECT_EQ(std::string::npos, page.find("never sent")) << page;
}
