#include "RightClickScript.h"
#include "MessageBoxWatcher.h"
#include <gtest/gtest.h>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace {
// Rows of a report whose second field carries the right-click key.
class SelectedRows {
public:
    explicit SelectedRows(const char* header)
    {
        MessageBoxWatcher watcher;
        EXPECT_TRUE(m_model.Parse(header));
        EXPECT_TRUE(watcher.Boxes().empty());
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

// The command interpreter, copied in as a right-click program, runs the line
// on its input as a command, so the key of the selected row says what it writes.
// (Wine's interpreter reads a pipe in one piece and runs only its first line.)
TEST(RightClickScript, ProgramStartsWithTheKeyOnItsInput)
{
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    const std::string reports = std::string(temp) + "right click reports";
    const std::string scripts = reports + "\\scripts_rightclick";
    const std::string program = scripts + "\\run_key.exe";
    const std::string output = reports + "\\key out.txt";
    CreateDirectoryA(reports.c_str(), nullptr);
    CreateDirectoryA(scripts.c_str(), nullptr);
    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, sizeof system);
    ASSERT_TRUE(CopyFileA((std::string(system) + "\\cmd.exe").c_str(), program.c_str(), FALSE));
    DeleteFileA(output.c_str());

    SelectedRows rows("\"Name\"(string) \"Command\"(string, rightclick) ");
    rows.Add("first", (">\"" + output + "\" echo started").c_str());
    MessageBoxWatcher watcher;
    ScriptNamed("run_key.exe").Run(reports.c_str(), rows.Rows());

    std::string written;
    for (int attempt = 0; attempt < 250 && written.empty(); ++attempt) {
        Sleep(20);
        std::ifstream file(output, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        written = text.str();
    }
    EXPECT_EQ("started\r\n", written);
    EXPECT_TRUE(watcher.Boxes().empty());
    for (int attempt = 0; attempt < 250 && !DeleteFileA(program.c_str()); ++attempt)
        Sleep(20);
    DeleteFileA(output.c_str());
    RemoveDirectoryA(scripts.c_str());
    RemoveDirectoryA(reports.c_str());
}
