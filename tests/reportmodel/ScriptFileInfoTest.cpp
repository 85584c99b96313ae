#include "reportmodel/ScriptFileInfo.h"
#include "tests/support/ScratchFolder.h"
#include <gtest/gtest.h>

namespace {
// A record of a file name in a folder, without running anything.
CScriptFileInfo RecordOf(const char* folder, const char* name)
{
    WIN32_FIND_DATAA entry = {};
    strcpy(entry.cFileName, name);
    CFileInfo file;
    file.Create(entry, folder, 0);
    return CScriptFileInfo(file);
}

CScriptFileInfo Parsed(const char* text)
{
    CScriptFileInfo script;
    script.ParseInfo(text);
    return script;
}
}

TEST(ScriptFileInfo, KindsAndCommandPrefixesFollowTheExtension)
{
    EXPECT_STREQ("kvperl \"C:\\r s\\a.prl\" ", RecordOf("C:\\r s\\", "a.prl").GetCommandLine());
    EXPECT_STREQ("perl \"C:\\r\\a.PL\" ", RecordOf("C:\\r\\", "a.PL").GetCommandLine());
    EXPECT_STREQ("cscript \"/nologo\" \"C:\\r\\a.vbs\" ", RecordOf("C:\\r\\", "a.vbs").GetCommandLine());
    EXPECT_STREQ("cscript \"/nologo\" \"C:\\r\\a.Js\" ", RecordOf("C:\\r\\", "a.Js").GetCommandLine());
    EXPECT_STREQ("\"C:\\r\\a.exe\" ", RecordOf("C:\\r\\", "a.exe").GetCommandLine());
    EXPECT_STREQ("\"C:\\r\\notes.txt\" ", RecordOf("C:\\r\\", "notes.txt").GetCommandLine());

    for (const char* name : { "a.prl", "a.pl", "a.VBS", "a.js", "a.Exe" })
        EXPECT_TRUE(RecordOf("C:\\r\\", name).IsScript()) << name;
    for (const char* name : { "a.txt", "a.prl.bak", "prl" })
        EXPECT_FALSE(RecordOf("C:\\r\\", name).IsScript()) << name;
}

TEST(ScriptFileInfo, DescriptionLosesBlanksAndOneQuotePair)
{
    EXPECT_STREQ("Disk usage", Parsed("description :   \"Disk usage\"  \r\n").GetDescription());
    EXPECT_STREQ("", Parsed("description: \"").GetDescription());
    EXPECT_STREQ("say \"hi\"", Parsed("description: \"say \"hi\"\"").GetDescription());
    EXPECT_STREQ("", Parsed("").GetDescription());
}

TEST(ScriptFileInfo, IdIsTheLeadingDecimalNumber)
{
    EXPECT_EQ(12, Parsed("id: 12abc").GetId());
    EXPECT_EQ(-3, Parsed("id:-3").GetId());
    EXPECT_EQ(0, Parsed("id:").GetId());
    EXPECT_EQ(0, Parsed("id: abc").GetId());
}

TEST(ScriptFileInfo, KeysAreFoundInAnyLineLayout)
{
    const CScriptFileInfo script = Parsed("Usage: report [-i]\n"
                                          "\tPARAMETERS : LOOKIN PROJECT\r\n\r\n"
                                          "\n"
                                          "parameters: second\n"
                                          "helpfile:reports.chm\r"
                                          "rightclick: (single)show.prl\n"
                                          "no colon here\n"
                                          "fields: Time(type=kvtime),Url:Port  \n");
    EXPECT_STREQ("LOOKIN PROJECT", script.GetParameters());
    EXPECT_STREQ("reports.chm", script.GetHelpFile());
    EXPECT_STREQ("(single)show.prl", script.GetRightClick());
    EXPECT_STREQ("Time(type=kvtime),Url:Port", script.GetFields());
    EXPECT_STREQ("report [-i]", script.GetInfoValue("usage"));
    EXPECT_STREQ("", script.GetInfoValue("no colon here"));
}

class ScriptQueryTest : public ::testing::Test {
protected:
    CScriptFileInfo Queried(const std::string& path)
    {
        CScriptFileInfo script;
        script.Create(path.c_str(), 0);
        return script;
    }

    ScratchFolder m_scratch;
    std::string m_folder = m_scratch.MakeFolder("my reports\\");
};

TEST_F(ScriptQueryTest, ScriptHostScriptsDescribeThemselves)
{
    const std::string js = m_scratch.WriteFile("my reports\\usage.js",
                                               "if (WScript.Arguments.length == 1 && WScript.Arguments(0) == \"-i\") {\r\n"
                                               "  WScript.Echo(\"description : \\\"Disk usage\\\"\");\r\n"
                                               "  WScript.Echo(\"id: 7\");\r\n"
                                               "  WScript.Echo(\"fields: Name,Size(sort=1)\");\r\n"
                                               "}\r\n");
    const CScriptFileInfo usage = Queried(js);
    EXPECT_STREQ("Disk usage", usage.GetDescription());
    EXPECT_EQ(7, usage.GetId());
    EXPECT_STREQ("Name,Size(sort=1)", usage.GetFields());

    const std::string vbs = m_scratch.WriteFile("my reports\\streams.vbs",
                                                "If WScript.Arguments.Count = 1 Then\r\n"
                                                "  If WScript.Arguments(0) = \"-i\" Then\r\n"
                                                "    WScript.Echo \"Description: Stream list\"\r\n"
                                                "    WScript.Echo \"rightclick: (single)show.prl\"\r\n"
                                                "  End If\r\n"
                                                "End If\r\n");
    const CScriptFileInfo streams = Queried(vbs);
    EXPECT_STREQ("Stream list", streams.GetDescription());
    EXPECT_STREQ("(single)show.prl", streams.GetRightClick());
}

TEST_F(ScriptQueryTest, ProgramsDescribeThemselvesOnBothStreamsAndSeeTheirInputEnd)
{
    // The program reads its standard input to the end before it answers.
    const CScriptFileInfo report = Queried(m_scratch.CopyChildProcess("my reports\\report.exe"));
    EXPECT_TRUE(report.IsScript());
    EXPECT_STREQ("Child process report", report.GetDescription());
    EXPECT_EQ(42, report.GetId());
    EXPECT_STREQ("Name,Size(sort=1)", report.GetFields());
}

TEST_F(ScriptQueryTest, ScriptThatCannotStartHasAnEmptySelfDescription)
{
    const CScriptFileInfo broken = Queried(m_scratch.WriteFile("my reports\\broken.exe", "not a program"));
    EXPECT_STREQ("", broken.GetInfo());
    EXPECT_STREQ("", broken.GetDescription());
}

TEST_F(ScriptQueryTest, FoldersAreNeitherQueriedNorScripts)
{
    std::string folderPath = m_scratch.MakeFolder("my reports\\looks like.prl\\");
    folderPath.pop_back();
    const CScriptFileInfo folder = Queried(folderPath);
    EXPECT_TRUE(folder.IsFolder());
    EXPECT_FALSE(folder.IsScript());
    EXPECT_STREQ("Usage", folder.GetInfo());

    const CScriptFileInfo missing = Queried(m_folder + "missing.exe");
    EXPECT_STREQ("Usage", missing.GetInfo());
}
