#include "viewer/RightClickScript.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/WatchedParse.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestFiles.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {
// Rows of a report whose second field carries the right-click key.
class SelectedRows {
public:
    explicit SelectedRows(const char* header)
    {
        const WatchedParse parse = WatchParse([&] { return m_model.Parse(header); });
        EXPECT_TRUE(parse.parsed);
        EXPECT_TRUE(parse.boxes.empty());
    }

    void Add(const char* first, const char* second)
    {
        auto row = std::make_unique<CFields>(m_model);
        row->GetAt(0)->SetValue(_variant_t(first));
        row->GetAt(1)->SetValue(_variant_t(second));
        m_selected.push_back(row.get());
        m_rows.push_back(std::move(row));
    }

    const std::vector<const CFields*>& Rows() const { return m_selected; }

private:
    CFields m_model;
    std::vector<std::unique_ptr<CFields>> m_rows;
    std::vector<const CFields*> m_selected;
};

CRightClickScript ScriptNamed(const char* name)
{
    CRightClickScript script;
    script.SetScriptFile(name);
    return script;
}
}

TEST(RightClickScript, InputHoldsTheKeyOfEachSelectedRowInOrder)
{
    SelectedRows rows("\"Name\"(string) \"Path\"(gpath, rightclick) ");
    rows.Add("first", "C:\\a b\\one.c");
    rows.Add("second", "");
    rows.Add("third", "\\\\server\\three");
    EXPECT_STREQ("C:\\a b\\one.c\n\n\\\\server\\three\n", CRightClickScript::BuildInputText(rows.Rows()));
    EXPECT_STREQ("", CRightClickScript::BuildInputText({}));
}

TEST(RightClickScript, RowsWithoutAKeyFieldGiveEmptyLines)
{
    SelectedRows rows("\"Name\"(string) \"Path\"(gpath) ");
    rows.Add("first", "one");
    rows.Add("second", "two");
    EXPECT_STREQ("\n\n", CRightClickScript::BuildInputText(rows.Rows()));
}

TEST(RightClickScript, CommandLineQuotesThePathUnderTheReportsFolder)
{
    EXPECT_STREQ("C:\\reports\\scripts_rightclick\\show_it.prl", ScriptNamed("show_it").GetScriptPath("C:\\reports"));
    EXPECT_STREQ("kvperl  \"C:\\reports\\scripts_rightclick\\show_it.prl\"",
                 ScriptNamed("show_it").GetCommandLine("C:\\reports\\"));
    EXPECT_STREQ("cscript \"/nologo\"  \"D:\\r\\scripts_rightclick\\my report.vbs\"",
                 ScriptNamed("my report.vbs").GetCommandLine("D:\\r"));
    EXPECT_STREQ("\"D:\\r\\scripts_rightclick\\tool.exe\"", ScriptNamed("tool.exe").GetCommandLine("D:\\r"));
}

TEST(RightClickScript, MissingScriptIsReportedAndNothingRuns)
{
    SelectedRows rows("\"Name\"(string) \"Path\"(gpath, rightclick) ");
    rows.Add("first", "one");
    MessageBoxWatcher watcher;
    ScriptNamed("not_there").Run("C:\\no reports here", rows.Rows());
    auto boxes = watcher.Boxes();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Script Error", boxes[0].caption);
    EXPECT_EQ("Unable to locate script C:\\no reports here\\scripts_rightclick\\not_there.prl  ", boxes[0].text);
}

// A perl script run by kvperl, which writes what it reads beside itself.
TEST(RightClickScript, ScriptReadsTheKeysOfTheSelectedRowsInOrder)
{
    ScratchFolder reports("right click reports");
    reports.MakeFolder("scripts_rightclick");
    reports.WriteFile("scripts_rightclick\\record_keys.prl",
                  "binmode STDIN;\n"
                  "my $input = do { local $/; <STDIN> };\n"
                  "(my $folder = $0) =~ s{/[^/]*$}{};\n"
                  "open(my $out, '>', \"$folder/keys.part\") or die;\n"
                  "binmode $out;\n"
                  "print $out $input;\n"
                  "close $out;\n"
                  "rename(\"$folder/keys.part\", \"$folder/keys.txt\");\n");
    const std::string received = reports / "scripts_rightclick\\keys.txt";

    SelectedRows rows("\"Name\"(string) \"Path\"(gpath, rightclick) ");
    rows.Add("first", "C:\\a b\\one.c");
    rows.Add("second", "two");
    rows.Add("third", "\\\\server\\three");
    MessageBoxWatcher watcher;
    ScriptNamed("record_keys").Run(reports.Path().c_str(), rows.Rows());
    EXPECT_EQ("C:\\a b\\one.c\ntwo\n\\\\server\\three\n", ReadWhenWritten(received));
    EXPECT_TRUE(watcher.Boxes().empty());
}

// The command interpreter, copied in as a right-click program, runs the line
// on its input as a command, so the key of the selected row says what it writes.
// (Wine's interpreter reads a pipe in one piece and runs only its first line.)
TEST(RightClickScript, ProgramWithoutInterpreterStartsWithTheKeyOnItsInput)
{
    ScratchFolder reports("right click programs");
    reports.MakeFolder("scripts_rightclick");
    const std::string program = reports / "scripts_rightclick\\run_key.exe";
    const std::string output = reports / "key out.txt";
    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, sizeof system);
    ASSERT_TRUE(CopyFileA((std::string(system) + "\\cmd.exe").c_str(), program.c_str(), FALSE));

    SelectedRows rows("\"Name\"(string) \"Command\"(string, rightclick) ");
    rows.Add("first", (">\"" + output + "\" echo started").c_str());
    MessageBoxWatcher watcher;
    ScriptNamed("run_key.exe").Run(reports.Path().c_str(), rows.Rows());
    EXPECT_EQ("started\r\n", ReadWhenWritten(output));
    EXPECT_TRUE(watcher.Boxes().empty());
}
