// The parameter value editors of Maldrin.exe, played from outside: each
// value set through its real dialog, the report run, and what the script
// received read back from the viewer's rows.
#include "tests/builder/e2e/BuilderFixture.h"
#include "tests/support/RegistryKeyBackup.h"
#include "tests/support/ScratchFolder.h"
#include <commctrl.h>

namespace {
const int kOk = IDOK;
const int kCancel = IDCANCEL;
const int kHelp = 57670;
const int kPemrickTree = 1034;
const int kPemrickAdd = 3;
const int kPemrickRepositories = 202;
const int kSorvaneNames = 202;
const int kTextValue = 1038;
const int kDatePicker = 1067;
const int kTimePicker = 1068;
const char kTypeChooserClsid[] = "CLSID\\{145F66D9-B32A-11D3-B9D8-00207814BCF5}";

bool HasRow(const std::vector<Texts>& rows, const Texts& wanted)
{
    return std::find(rows.begin(), rows.end(), wanted) != rows.end();
}

// Selects the item in Pemrick's tree and presses Add, as the user would.
bool AddToSelection(HWND treeWindow, const RemoteTreeView& tree, HTREEITEM item)
{
    if (!tree.Select(item))
        return false;
    SendMessageA(GetParent(treeWindow), WM_COMMAND, MAKEWPARAM(kPemrickAdd, BN_CLICKED), 0);
    return true;
}

// The item with this text at most `depth` levels below `parent`, each level
// expanded on the way. The expansion asks the product through COM, which a
// control cannot do inside a message sent from another process: it is posted,
// and the node shows expanded once its children are in, or has none left
// (not even the stand-in of those not listed yet) when it found none.
HTREEITEM FindExpanding(HWND window, const RemoteTreeView& tree, HTREEITEM parent, const std::string& text, int depth)
{
    for (HTREEITEM child : tree.Children(parent)) {
        if (tree.Text(child) == text)
            return child;
        if (depth <= 1 || tree.Children(child).empty())
            continue;
        PostMessageA(window, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(child));
        PumpUntil([&] { return tree.IsExpanded(child) || tree.Children(child).empty(); });
        if (HTREEITEM found = FindExpanding(window, tree, child, text, depth - 1))
            return found;
    }
    return nullptr;
}

class ValueEditorsEndToEnd : public BuilderFixture {
protected:
    // Clicks a value and waits for the window its click opens.
    ShownWindow Edit(int line, const std::string& caption)
    {
        EXPECT_TRUE(m_builder->ClickValue(line)) << "no click on line " << line << " opened a window";
        return m_builder->WaitForWindow(caption);
    }

    void EnterText(int line, const std::string& caption, const std::string& value)
    {
        ShownWindow dialog = Edit(line, caption);
        ASSERT_NE(dialog.window, nullptr) << "no " << caption;
        SetDlgItemTextA(dialog.window, kTextValue, value.c_str());
        ASSERT_TRUE(BuilderProcess::Press(dialog.window, kOk));
    }

    void SetPickers(HWND dialog, DWORD timeKind, const SYSTEMTIME& moment)
    {
        m_builder->SetPickerTime(GetDlgItem(dialog, kDatePicker), GDT_VALID, moment);
        m_builder->SetPickerTime(GetDlgItem(dialog, kTimePicker), timeKind, moment);
    }

    // Clicks another report while values are entered and answers each
    // question that comes; returns how many came.
    int SwitchReport(const std::string& description, int answer)
    {
        const Texts rows = ReportRows();
        const int index = static_cast<int>(std::find(rows.begin(), rows.end(), description) - rows.begin());
        const POINT point = m_builder->Reports().ItemPoint(index);
        HWND list = GetParent(m_builder->Reports().Header());
        PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
        // The first question is waited for; once it is answered, the program
        // goes idle unless a second one shows.
        int questions = 0;
        for (ShownWindow question = m_builder->WaitForWindow("Korvast Report Builder");
             question.window && BuilderProcess::Press(question.window, answer) && questions < 5;
             question = m_builder->WaitForWindow("Korvast Report Builder", 0)) {
            ++questions;
            m_builder->WaitForIdle();
        }
        return questions;
    }

    // Adds each of these roots of Pemrick's tree to its selection, one at a time.
    void ChooseRoots(HWND dialog, const Texts& roots)
    {
        HWND treeWindow = BuilderProcess::FindDescendant(dialog, kPemrickTree, WC_TREEVIEWA);
        ASSERT_NE(treeWindow, nullptr);
        RemoteTreeView tree(treeWindow, m_builder->Process());
        for (const std::string& root : roots) {
            HTREEITEM item = nullptr;
            ASSERT_TRUE(PumpUntil([&] { return (item = tree.Child(TVI_ROOT, root)) != nullptr; })) << root;
            ASSERT_TRUE(AddToSelection(treeWindow, tree, item));
        }
    }
};
}

// The master check comes first; then Pemrick picks two folders and Sorvane a
// label, and the label report sees both repositories' folders and the label.
TEST_F(ValueEditorsEndToEnd, PathsAndTypesComeFromTheChoosersInsideTheBuilder)
{
    ASSERT_NO_FATAL_FAILURE(OpenFolder("Types", 2));
    ASSERT_NO_FATAL_FAILURE(ChooseReport("Label types", 2));
    const std::string pathsPrompt = m_builder->ParameterLines()[0];

    ShownWindow refusal = Edit(1, "Missing Required Parameter");
    EXPECT_EQ(refusal.text, "Before this parameter can be set, you must first set a value for the \"" + pathsPrompt + "\" parameter");
    ASSERT_TRUE(BuilderProcess::Press(refusal.window, kOk));

    ShownWindow paths = Edit(0, "Select Pathnames");
    ASSERT_NE(paths.window, nullptr);
    ASSERT_NO_FATAL_FAILURE(ChooseRoots(paths.window, { "webshop", "tools" }));
    ASSERT_TRUE(BuilderProcess::Press(paths.window, kOk));
    // The line holds the value as the script gets it, its quotes escaped.
    EXPECT_EQ(m_builder->ParameterLines()[0],
              "Select \\\"C:\\KorvastViews\\bob_snapshot\\tools\\\\\" \\\"C:\\KorvastViews\\bob_snapshot\\webshop\\\\\" in view to report on");

    ShownWindow label = Edit(1, "Choose a Label");
    ASSERT_NE(label.window, nullptr);
    HWND names = BuilderProcess::FindDescendant(label.window, kSorvaneNames, "ComboBox");
    ASSERT_NE(names, nullptr);
    SetWindowTextA(names, "REL_1.1");
    ASSERT_TRUE(BuilderProcess::Press(label.window, kOk));
    EXPECT_NE(m_builder->ParameterLines()[1].find("REL_1.1"), std::string::npos) << m_builder->ParameterLines()[1];

    ASSERT_TRUE(m_builder->ShowsCommand(kRunReport, true));
    m_builder->Command(kRunReport);
    const std::vector<Texts> rows = m_builder->ViewerRows(4);
    EXPECT_TRUE(HasRow(rows, { "\\webshop", "REL_1.1", "yes" })) << rows.size() << " rows";
    EXPECT_TRUE(HasRow(rows, { "\\webshop", "BETA_2", "no" })) << rows.size() << " rows";
}

// In object mode the chooser says so and its help is the objects' topic; a
// cancelled choice leaves the value unset, and a stream chosen in the tree
// reaches the JScript report.
TEST_F(ValueEditorsEndToEnd, TheObjectChooserPicksAStreamForAJScriptReport)
{
    ASSERT_NO_FATAL_FAILURE(OpenFolder("Mivad", 3));
    ASSERT_NO_FATAL_FAILURE(ChooseReport("Activities of a stream", 1));
    const Texts before = m_builder->ParameterLines();
    ShownWindow objects = Edit(0, "Select Mivad Objects");
    ASSERT_NE(objects.window, nullptr);
    PostMessageA(objects.window, WM_COMMAND, kHelp, 0);
    ShownWindow help = m_builder->WaitForWindow("Korvast Help");
    EXPECT_EQ(help.text, "Korvast help, topic: kv_reports/u_sel_mivad_dlg.htm");
    ASSERT_TRUE(BuilderProcess::Press(help.window, kOk));
    ASSERT_TRUE(BuilderProcess::Press(objects.window, kCancel));
    EXPECT_EQ(m_builder->ParameterLines(), before);

    objects = Edit(0, "Select Mivad Objects");
    ASSERT_NE(objects.window, nullptr);
    HWND treeWindow = BuilderProcess::FindDescendant(objects.window, kPemrickTree, WC_TREEVIEWA);
    HWND repositories = BuilderProcess::FindDescendant(objects.window, kPemrickRepositories, "ComboBox");
    SendMessageA(repositories, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("webshop_pvob"));
    PostMessageA(GetParent(treeWindow), WM_COMMAND, MAKEWPARAM(kPemrickRepositories, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(repositories));
    RemoteTreeView tree(treeWindow, m_builder->Process());
    ASSERT_TRUE(PumpUntil([&] { return tree.Text(tree.Root()) == "folder:RootFolder@\\webshop_pvob"; }))
        << tree.Text(tree.Root());
    HTREEITEM stream = FindExpanding(treeWindow, tree, TVI_ROOT, "Alice's storefront work", 4);
    ASSERT_NE(stream, nullptr);
    ASSERT_TRUE(AddToSelection(treeWindow, tree, stream));
    ASSERT_TRUE(BuilderProcess::Press(objects.window, kOk));
    EXPECT_NE(m_builder->ParameterLines()[0].find("alice_storefront"), std::string::npos) << m_builder->ParameterLines()[0];

    m_builder->Command(kRunReport);
    const std::vector<Texts> rows = m_builder->ViewerRows(2);
    EXPECT_TRUE(HasRow(rows, { "activity:fix_login_page@\\webshop_pvob", "Fix the login page", "alice_storefront" })) << rows.size();
}

// Without Sorvane registered the type chooser cannot open: a box says so,
// the value stays, and the builder goes on.
TEST_F(ValueEditorsEndToEnd, AChooserThatIsNotRegisteredLeavesTheValueAndTheBuilder)
{
    ASSERT_NO_FATAL_FAILURE(OpenFolder("Types", 2));
    ASSERT_NO_FATAL_FAILURE(ChooseReport("Label types", 2));
    ShownWindow paths = Edit(0, "Select Pathnames");
    ASSERT_NE(paths.window, nullptr);
    ASSERT_NO_FATAL_FAILURE(ChooseRoots(paths.window, { "webshop" }));
    ASSERT_TRUE(BuilderProcess::Press(paths.window, kOk));
    const Texts before = m_builder->ParameterLines();

    ShownWindow failure;
    {
        RegistryKeyBackup unregistered(HKEY_CLASSES_ROOT, kTypeChooserClsid);
        failure = Edit(1, "Korvast Report Builder");
    }

    EXPECT_NE(failure.text.find("type chooser (Sorvane)"), std::string::npos) << failure.text;
    EXPECT_NE(failure.text.find("The value is unchanged."), std::string::npos) << failure.text;
    ASSERT_TRUE(BuilderProcess::Press(failure.window, kOk));
    EXPECT_FALSE(IsWindow(m_builder->FindWindowOfClass("#32770", "Choose a Label")));
    EXPECT_EQ(m_builder->ParameterLines(), before);
    EXPECT_EQ(m_builder->Caption(), "Korvast Report Builder");
}

// A text with quotes, blanks and a trailing backslash, and a date, reach a
// program, a Perl script and a JScript exactly as entered. A date without a
// time is read back into the dialog.
TEST_F(ValueEditorsEndToEnd, TextsAndDatesReachEachKindOfScriptAsEntered)
{
    const std::string text = "say \"hi\" to C:\\temp\\";
    const SYSTEMTIME moment = { 2026, 12, 1, 7, 14, 5, 0, 0 };
    ASSERT_NO_FATAL_FAILURE(OpenFolder("Arguments", 7));
    ASSERT_NO_FATAL_FAILURE(ChooseReport("Text arguments (program)", 2));

    ASSERT_NO_FATAL_FAILURE(EnterText(0, "Enter String Value", text));
    ShownWindow date = Edit(1, "Enter Date and Time");
    ASSERT_NE(date.window, nullptr);
    SetPickers(date.window, GDT_NONE, moment);
    ASSERT_TRUE(BuilderProcess::Press(date.window, IDOK));
    EXPECT_NE(m_builder->ParameterLines()[1].find("7-December-2026"), std::string::npos) << m_builder->ParameterLines()[1];
    date = Edit(1, "Enter Date and Time");
    ASSERT_NE(date.window, nullptr);
    SYSTEMTIME shown = {};
    EXPECT_EQ(m_builder->PickerTime(GetDlgItem(date.window, kTimePicker), &shown), static_cast<DWORD>(GDT_NONE));
    EXPECT_EQ(m_builder->PickerTime(GetDlgItem(date.window, kDatePicker), &shown), static_cast<DWORD>(GDT_VALID));
    EXPECT_EQ(shown.wYear * 10000 + shown.wMonth * 100 + shown.wDay, 20261207);
    ASSERT_TRUE(BuilderProcess::Press(date.window, IDCANCEL));
    ASSERT_TRUE(m_builder->ShowsCommand(kRunReport, true));
    m_builder->Command(kRunReport);
    EXPECT_EQ(m_builder->ViewerRows(2), (std::vector<Texts>{ { "STRING", text }, { "KVTIME", "7-December-2026" } }));

    for (const char* script : { "Text arguments (Perl)", "Text arguments (JScript)" }) {
        m_builder = std::make_unique<BuilderProcess>(Builder());
        ASSERT_NE(m_builder->WaitForFrame(), nullptr);
        ASSERT_NO_FATAL_FAILURE(OpenFolder("Arguments", 7));
        ASSERT_NO_FATAL_FAILURE(ChooseReport(script, 2));
        ASSERT_NO_FATAL_FAILURE(EnterText(0, "Enter String Value", text));
        date = Edit(1, "Enter Date and Time");
        ASSERT_NE(date.window, nullptr);
        SetPickers(date.window, GDT_VALID, moment);
        ASSERT_TRUE(BuilderProcess::Press(date.window, IDOK));
        m_builder->Command(kRunReport);
        EXPECT_EQ(m_builder->ViewerRows(2),
                  (std::vector<Texts>{ { "STRING", text }, { "KVTIME", "7-December-2026.14:05" } }))
            << script;
    }
}

// A value with a form of its own starts as an example of it, which OK keeps;
// a cleared value shows its kind word again.
TEST_F(ValueEditorsEndToEnd, HintsPrefillTheTextDialogAndAnEmptyValueResets)
{
    ASSERT_NO_FATAL_FAILURE(OpenFolder("Arguments", 7));
    ASSERT_NO_FATAL_FAILURE(ChooseReport("Hint and text arguments", 12));
    const Texts before = m_builder->ParameterLines();
    ShownWindow component = Edit(0, "Enter component");
    ASSERT_NE(component.window, nullptr);
    // GetWindowText would not ask a control of another process.
    char shown[256] = "";
    SendDlgItemMessageA(component.window, kTextValue, WM_GETTEXT, sizeof shown, reinterpret_cast<LPARAM>(shown));
    EXPECT_STREQ(shown, "component:<comp>@\\<polpex>");
    ASSERT_TRUE(BuilderProcess::Press(component.window, IDOK));
    EXPECT_NE(m_builder->ParameterLines()[0].find("component:<comp>@\\<polpex>"), std::string::npos);

    ASSERT_NO_FATAL_FAILURE(EnterText(0, "Enter component", ""));
    EXPECT_EQ(m_builder->ParameterLines(), before);
}

// Eighteen folders of long names add up to more than 4,096 characters: the
// selection is refused and the value stays unset.
TEST_F(ValueEditorsEndToEnd, APathSelectionOf4096CharactersIsRefused)
{
    ScratchFolder parent("C:\\KorvastViews\\bob_snapshot\\webshop", "long");
    Texts folders;
    for (char letter = 'a'; letter < 'a' + 18; ++letter) {
        folders.push_back(std::string(200, letter));
        parent.MakeFolder(folders.back());
    }
    ASSERT_NO_FATAL_FAILURE(OpenFolder("Files", 3));
    ASSERT_NO_FATAL_FAILURE(ChooseReport("Large files", 2));
    const Texts before = m_builder->ParameterLines();
    ShownWindow paths = Edit(0, "Select Pathnames");
    ASSERT_NE(paths.window, nullptr);
    HWND treeWindow = BuilderProcess::FindDescendant(paths.window, kPemrickTree, WC_TREEVIEWA);
    RemoteTreeView tree(treeWindow, m_builder->Process());
    HTREEITEM webshop = tree.Child(TVI_ROOT, "webshop");
    SendMessageA(treeWindow, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(webshop));
    HTREEITEM longFolder = tree.Child(webshop, "long");
    ASSERT_NE(longFolder, nullptr);
    SendMessageA(treeWindow, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(longFolder));
    for (const std::string& folder : folders) {
        HTREEITEM item = tree.Child(longFolder, folder);
        ASSERT_NE(item, nullptr) << folder;
        ASSERT_TRUE(AddToSelection(treeWindow, tree, item));
    }
    PostMessageA(paths.window, WM_COMMAND, IDOK, 0);
    ShownWindow refusal = m_builder->WaitForWindow("Path Length Error");
    EXPECT_EQ(refusal.text, "The total length of selected paths is limited to 4,096 characters. De-select some paths and try again.");
    ASSERT_TRUE(BuilderProcess::Press(refusal.window, IDOK));
    EXPECT_EQ(m_builder->ParameterLines(), before);
}

// Values entered make a switch to another report ask first: No keeps the
// report and its values, Yes lets them go.
TEST_F(ValueEditorsEndToEnd, SwitchingReportsAsksBeforeTheValuesGo)
{
    ASSERT_NO_FATAL_FAILURE(OpenFolder("Arguments", 7));
    ASSERT_NO_FATAL_FAILURE(ChooseReport("Text arguments (program)", 2));
    ASSERT_NO_FATAL_FAILURE(EnterText(0, "Enter String Value", "kept"));
    const Texts entered = m_builder->ParameterLines();

    ASSERT_EQ(SwitchReport("Text arguments (Perl)", IDNO), 1);
    EXPECT_EQ(m_builder->ParameterLines(), entered);
    ASSERT_EQ(SwitchReport("Text arguments (Perl)", IDYES), 1);
    EXPECT_TRUE(PumpUntil([&] { return m_builder->ParameterLines()[0].find("kept") == std::string::npos; }));
}

namespace {
const char kBrokenReport[] =
    "if (WScript.Arguments.length > 0 && WScript.Arguments(0) == \"-i\") {\n"
    "    WScript.Echo(\"description: \\\"Broken parameters\\\"\");\n"
    "    WScript.Echo(\"parameters: STRING (\");\n"
    "    WScript.Echo(\"fields: \\\"Parameter\\\"(string)\");\n"
    "}\n";

// Its description holds one double quote; the rows are the arguments it received.
const char kPipesReport[] =
    "var args = [];\n"
    "for (var i = 0; i < WScript.Arguments.length; i++)\n"
    "    args.push(WScript.Arguments(i));\n"
    "if (args.length > 0 && args[0] == \"-i\") {\n"
    "    WScript.Echo(\"description: \\\"Pipes of 12\\\" and more\\\"\");\n"
    "    WScript.Echo(\"parameters: STRING PATH\");\n"
    "    WScript.Echo(\"fields: \\\"Parameter\\\"(string) \\\"Value\\\"(string)\");\n"
    "    WScript.Quit(0);\n"
    "}\n"
    "var argument = /(\\w+)=\"(.*?)\";/g;\n"
    "var text = args.join(\" \");\n"
    "var match;\n"
    "while ((match = argument.exec(text)) != null)\n"
    "    WScript.Echo(match[1] + \";\" + match[2]);\n";

// A scripts folder of the test's own, gone again when the test ends.
class QuotesFolder {
public:
    QuotesFolder() : m_folder(Setting("ReportsPath") + "\\scripts\\Quotes")
    {
        CreateDirectoryA(m_folder.c_str(), nullptr);
        Write("Broken.js", kBrokenReport);
        Write("Pipes.js", kPipesReport);
    }
    ~QuotesFolder()
    {
        DeleteFileA((m_folder + "\\Broken.js").c_str());
        DeleteFileA((m_folder + "\\Pipes.js").c_str());
        RemoveDirectoryA(m_folder.c_str());
    }

private:
    void Write(const char* name, const char* text)
    {
        HANDLE file = CreateFileA((m_folder + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, text, static_cast<DWORD>(strlen(text)), &written, nullptr);
        CloseHandle(file);
    }

    std::string m_folder;
};
}

// While a report's parse-error box is up, a click on another report changes
// nothing. Quotes in a text value, a path value and the description each
// reach the viewer: the script gets the values as typed, the title stays.
TEST_F(ValueEditorsEndToEnd, AParseBoxHoldsTheReportAndQuotesReachTheViewer)
{
    QuotesFolder folder;
    m_builder = std::make_unique<BuilderProcess>(Builder());
    HWND frame = m_builder->WaitForFrame();
    ASSERT_NE(frame, nullptr);
    RemoteTreeView& tree = m_builder->Tree();
    HTREEITEM quotes = tree.Child(tree.Root(), "Quotes");
    ASSERT_NE(quotes, nullptr);
    // Posted: the box comes up inside the selection's handling.
    PostMessageA(BuilderProcess::FindDescendant(frame, 1000, WC_TREEVIEWA), TVM_SELECTITEM, TVGN_CARET,
                 reinterpret_cast<LPARAM>(quotes));
    ShownWindow box = m_builder->WaitForWindow("Parameters parsing error", 20000);
    ASSERT_NE(box.window, nullptr) << "the broken report's box";
    EXPECT_FALSE(IsWindowEnabled(frame)) << "the main window takes clicks under the box";
    HWND list = GetParent(m_builder->Reports().Header());
    const POINT pipes = m_builder->Reports().ItemPoint(1);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pipes.x, pipes.y));
    PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(pipes.x, pipes.y));
    // A marker posted after the click shows once the click has been handled.
    const LRESULT background = SendMessageA(list, LVM_GETTEXTBKCOLOR, 0, 0);
    const COLORREF marker = RGB(1, 2, 3);
    PostMessageA(list, LVM_SETTEXTBKCOLOR, 0, marker);
    ASSERT_TRUE(PumpUntil([&] { return SendMessageA(list, LVM_GETTEXTBKCOLOR, 0, 0) == static_cast<LRESULT>(marker); }));
    SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, background);
    EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0) << "the click while the box is up";
    ASSERT_TRUE(BuilderProcess::Press(box.window, IDOK));
    EXPECT_EQ(WaitForSingleObject(m_builder->Process(), 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "Maldrin ended";
    EXPECT_TRUE(PumpUntil([&] { return IsWindowEnabled(frame) != FALSE; }, 5000));

    ChooseReport("Pipes of 12\" and more", 2);
    EnterText(0, "Enter String Value", "12\"");
    EnterText(1, "Enter pathname", "C:\\a\"b");
    ASSERT_TRUE(m_builder->ShowsCommand(kRunReport, true));
    m_builder->Command(kRunReport);
    EXPECT_TRUE(PumpUntil([&] {
        return m_builder->FindWindowOfChild("#32770", "Korvast Report Viewer - Pipes of 12\" and more") != nullptr;
    }, 30000)) << "the viewer with the report's title";
    EXPECT_EQ(m_builder->ViewerRows(2), (std::vector<Texts>{ { "STRING", "12\"" }, { "PATH", "C:\\a\"b" } }));
}
