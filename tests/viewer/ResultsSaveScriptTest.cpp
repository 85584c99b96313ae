#include "ResultsSaveScript.h"
#include "ExportTestData.h"
#include <gtest/gtest.h>

namespace {
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
