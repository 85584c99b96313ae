#include "ResultsSaveScript.h"
#include "ExportTestData.h"
#include <gtest/gtest.h>
#include <fstream>
#include <sstream>

namespace {
std::string ReadWhenWritten(const std::string& path)
{
    std::string text;
    for (int attempt = 0; attempt < 1000 && text.empty(); ++attempt) {
        Sleep(20);
        std::ifstream file(path, std::ios::binary);
        std::ostringstream content;
        content << file.rdbuf();
        text = content.str();
    }
    return text;
}

// A stand-in export script that writes its arguments and its input beside itself.
const char kRecordingScript[] = "binmode STDIN;\n"
                                "my $input = do { local $/; <STDIN> };\n"
                                "(my $folder = $0) =~ s{/[^/]*$}{};\n"
                                "open(my $out, '>', \"$folder/received.part\") or die;\n"
                                "binmode $out;\n"
                                "print $out join('|', @ARGV), \"\\n\", $input;\n"
                                "close $out;\n"
                                "rename(\"$folder/received.part\", \"$folder/received.txt\");\n";

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
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    const std::string reports = std::string(temp) + "save script reports";
    const std::string tools = reports + "\\script_tools";
    const std::string script = tools + "\\save_results.prl";
    const std::string received = tools + "\\received.txt";
    CreateDirectoryA(reports.c_str(), nullptr);
    CreateDirectoryA(tools.c_str(), nullptr);
    std::ofstream(script, std::ios::binary) << kRecordingScript;
    DeleteFileA(received.c_str());

    ExportTestData data;
    data.AddRow("a<b", "10", "never sent", "x");
    const CResultsSaveScript saveScript(data.Report());
    saveScript.Start(reports.c_str(), "C:\\my results\\out.htm", "html");

    // The launcher hands kvperl the arguments after the script path with blanks turned into '%'.
    EXPECT_EQ("-html%-out%C:\\my%results\\out.htm%\n" + std::string(saveScript.BuildInputText()),
              ReadWhenWritten(received));
    DeleteFileA(received.c_str());
    DeleteFileA(script.c_str());
    RemoveDirectoryA(tools.c_str());
    RemoveDirectoryA(reports.c_str());
}
