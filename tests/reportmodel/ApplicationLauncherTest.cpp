#include "reportmodel/ApplicationLauncher.h"
#include "tests/support/ChildGate.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/ScratchFolder.h"
#include "afx/FileException.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

namespace {
struct Block {
    int streamId;
    std::string text;
    bool childRunning;
};

// What the output callback saw, reached through the launcher's context pointer.
struct Recorder {
    std::mutex lock;
    std::vector<Block> blocks;
    CApplicationLauncher* watched = nullptr;
    std::atomic<bool> abort{ false };
    bool abortAfterFirstBlock = false;
    // Opened once the first block has arrived, to let the child go on.
    ChildGate afterFirstBlock;

    static bool Record(void* context, const CString& block, int streamId)
    {
        Recorder& recorder = *static_cast<Recorder*>(context);
        std::lock_guard<std::mutex> guard(recorder.lock);
        recorder.blocks.push_back(
            { streamId, block.GetString(), recorder.watched && recorder.watched->IsRunning() });
        if (recorder.abortAfterFirstBlock)
            recorder.abort = true;
        recorder.afterFirstBlock.Open();
        return true;
    }

    std::vector<std::string> BlocksOf(int streamId)
    {
        std::lock_guard<std::mutex> guard(lock);
        std::vector<std::string> texts;
        for (const Block& block : blocks)
            if (block.streamId == streamId)
                texts.push_back(block.text);
        return texts;
    }
};

std::string Joined(const std::vector<std::string>& blocks)
{
    std::string text;
    for (const std::string& block : blocks)
        text += block;
    return text;
}

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

// How long any wait of these tests may take before the test fails instead of hanging.
const DWORD kBoundMs = 30000;

// Runs a wait of the launcher with the bound; when it took the whole bound the
// test fails and the child is ended, so that its readers end too.
template <typename BoundedWait>
void WithinBound(CApplicationLauncher& launcher, BoundedWait wait)
{
    const DWORD start = GetTickCount();
    wait(kBoundMs);
    if (GetTickCount() - start >= kBoundMs) {
        ADD_FAILURE() << "the wait did not return within " << kBoundMs << " ms";
        launcher.Terminate();
    }
}

void RunWithinBound(CApplicationLauncher& launcher)
{
    WithinBound(launcher, [&launcher](DWORD bound) { launcher.Run(bound); });
}

void WaitWithinBound(CApplicationLauncher& launcher)
{
    WithinBound(launcher, [&launcher](DWORD bound) { launcher.Wait(bound); });
}

class ApplicationLauncherTest : public ::testing::Test {
protected:
    // The child program as a report script command (quoted path and a blank) with these arguments.
    void Prepare(CApplicationLauncher& launcher, const std::string& program, const char* arguments)
    {
        launcher.m_application = (Quoted(program) + " ").c_str();
        launcher.m_arguments = arguments;
        launcher.m_outputCallback = &Recorder::Record;
        launcher.m_outputContext = &m_recorder;
    }

    // Runs a command line to its end and returns what the child printed on standard output.
    static std::string OutputOf(const std::string& application, const char* arguments)
    {
        Recorder recorder;
        {
            CApplicationLauncher launcher(application.c_str(), arguments, nullptr);
            launcher.m_outputCallback = &Recorder::Record;
            launcher.m_outputContext = &recorder;
            RunWithinBound(launcher);
        }
        return Joined(recorder.BlocksOf(0));
    }

    Recorder m_recorder;

    ScratchFolder m_scratch;
    std::string m_child = ScratchFolder::ChildProcessPath();
};
}

// The child's end ends the wait; the launcher's end waits for its readers, and
// only then has all output arrived. The child writes "gh" only once the first
// block has arrived, so however the reads fall, "ef" waits for its line end.
TEST_F(ApplicationLauncherTest, BothStreamsArriveInBlocksEndingAtLineEndsAndNothingIsLost)
{
    DWORD exitCode = 0;
    {
        CApplicationLauncher launcher;
        const std::string commands = "outraw:ab sleep:300 outlf:cd outraw:ef " + m_recorder.afterFirstBlock.Wait()
                                     + " out:gh err:e1 errlf:e2 errraw:tail exit:3";
        Prepare(launcher, m_child, commands.c_str());
        RunWithinBound(launcher);
        exitCode = launcher.GetExitCode();
    }

    EXPECT_EQ((std::vector<std::string>{ "abcd\n", "efgh\r\n" }), m_recorder.BlocksOf(0));
    const std::vector<std::string> errors = m_recorder.BlocksOf(1);
    EXPECT_EQ("e1\r\ne2\ntail", Joined(errors));
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ("tail", errors.back());
    EXPECT_EQ(3u, exitCode);
}

TEST_F(ApplicationLauncherTest, LinesEndedByLineFeedAloneArriveWhileTheChildRuns)
{
    {
        CApplicationLauncher launcher;
        const std::string commands = "outlf:one " + m_recorder.afterFirstBlock.Wait() + " outlf:two";
        Prepare(launcher, m_child, commands.c_str());
        m_recorder.watched = &launcher;
        RunWithinBound(launcher);
    }

    const std::vector<Block>& blocks = m_recorder.blocks;
    ASSERT_EQ(2u, blocks.size());
    EXPECT_EQ("one\n", blocks[0].text);
    EXPECT_TRUE(blocks[0].childRunning);
    EXPECT_EQ("two\n", blocks[1].text);
}

TEST_F(ApplicationLauncherTest, InputIsWrittenWholeAndThenEnds)
{
    {
        CApplicationLauncher launcher;
        Prepare(launcher, m_child, "echo");
        launcher.m_inputText = "first line\nsecond line\n";
        RunWithinBound(launcher);
    }
    EXPECT_EQ("first line\nsecond line\n", Joined(m_recorder.BlocksOf(0)));
}

TEST_F(ApplicationLauncherTest, RightClickScriptsRunWithoutCapture)
{
    m_scratch.MakeFolder("reports\\scripts_rightclick\\");
    const std::string script = m_scratch.CopyChildProcess("reports\\scripts_rightclick\\mark.exe");
    CApplicationLauncher launcher;
    Prepare(launcher, script, "out:hello err:world exit:7");
    RunWithinBound(launcher);

    EXPECT_EQ(nullptr, launcher.m_outputCallback);
    EXPECT_EQ(7u, launcher.GetExitCode());
    EXPECT_TRUE(m_recorder.blocks.empty());

    EXPECT_EQ("C:\\product\\scripts_rightclick\\x\r\n",
              OutputOf(Quoted(m_child) + " ", "out:C:\\product\\scripts_rightclick\\x"))
        << "a report whose argument names that folder is still captured";
}

// Stop may come before the caller's thread has started the child.
TEST_F(ApplicationLauncherTest, TerminateBeforeStartEndsTheChildAsSoonAsItExists)
{
    ChildGate neverOpened;
    CApplicationLauncher launcher;
    Prepare(launcher, m_child, (neverOpened.Wait() + " out:late").c_str());
    launcher.Terminate();
    RunWithinBound(launcher);
    EXPECT_EQ(1u, launcher.GetExitCode()) << "the child was not ended";
    EXPECT_TRUE(m_recorder.blocks.empty());
}

TEST_F(ApplicationLauncherTest, AbortFlagStopsDelivery)
{
    {
        CApplicationLauncher launcher;
        const std::string commands = "out:first " + m_recorder.afterFirstBlock.Wait() + " out:second outraw:rest";
        Prepare(launcher, m_child, commands.c_str());
        launcher.m_abortFlag = &m_recorder.abort;
        m_recorder.abortAfterFirstBlock = true;
        RunWithinBound(launcher);
    }
    EXPECT_EQ((std::vector<std::string>{ "first\r\n" }), m_recorder.BlocksOf(0));
}

TEST_F(ApplicationLauncherTest, ArgumentBlanksBecomePercentAfterTheProgramPath)
{
    const std::string program = m_scratch.CopyChildProcess("report.exe");
    EXPECT_EQ(Quoted(program) + " %cmdline%name=\\\"a%b\\\";%\r\n",
              OutputOf(Quoted(program) + " ", "cmdline name=\\\"a b\\\"; "));

    const std::string upperCase = m_scratch.CopyChildProcess("REPORT2.EXE");
    EXPECT_EQ(Quoted(upperCase) + " %cmdline%x%y\r\n", OutputOf(Quoted(upperCase) + " ", "cmdline x y"));
}

TEST_F(ApplicationLauncherTest, ArgumentBlanksBecomePercentForPerlScriptsButNotInTheirPath)
{
    // Stand-ins for the interpreters, found on the path; they print the command line they got.
    const std::string bin = m_scratch.MakeFolder("bin\\");
    m_scratch.CopyChildProcess("bin\\kvperl.exe");
    m_scratch.CopyChildProcess("bin\\perl.exe");
    char oldPath[32767] = "";
    GetEnvironmentVariableA("PATH", oldPath, sizeof oldPath);
    SetEnvironmentVariableA("PATH", (bin + ";" + oldPath).c_str());
    const std::string scripts = m_scratch.MakeFolder("my.prl reports\\");

    const std::string prl = Quoted(scripts + "two values.prl");
    EXPECT_EQ("kvperl " + prl + " %cmdline%a=\\\"x%y\\\";%b=\\\"z\\\";%\r\n",
              OutputOf("kvperl " + prl + " ", "cmdline a=\\\"x y\\\"; b=\\\"z\\\"; "));
    const std::string upperPrl = Quoted(scripts + "SHOUT.PRL");
    EXPECT_EQ("kvperl " + upperPrl + " %cmdline%a\r\n", OutputOf("kvperl " + upperPrl + " ", "cmdline a"));
    const std::string pl = Quoted(scripts + "plain script.pl");
    EXPECT_EQ("perl " + pl + " %cmdline%a%b\r\n", OutputOf("perl " + pl + " ", "cmdline a b"));

    SetEnvironmentVariableA("PATH", oldPath);
}

TEST_F(ApplicationLauncherTest, ScriptHostAndViewerGetTheirArgumentsAsTheyAre)
{
    const std::string script = m_scratch.WriteFile(
        "show args.js", "for (var i = 0; i < WScript.Arguments.length; i++) WScript.Echo(WScript.Arguments(i));\r\n");
    EXPECT_EQ("a\r\nb c\r\n", OutputOf("cscript \"/nologo\" " + Quoted(script) + " ", "a \"b c\""));

    const std::string viewer = m_scratch.CopyChildProcess("Tovenar.exe");
    EXPECT_EQ(Quoted(viewer) + " cmdline `E:x y `T:a b\r\n", OutputOf(Quoted(viewer), "cmdline `E:x y `T:a b"));
}

TEST_F(ApplicationLauncherTest, CommandLinesOf32KOrMoreAreRefused)
{
    const std::string head = Quoted(m_child) + " exit:5 ";
    auto launcherOfLength = [&head](size_t length) {
        return std::make_unique<CApplicationLauncher>(head.c_str(), std::string(length - head.size() - 1, 'x').c_str(),
                                                      nullptr);
    };
    MessageBoxWatcher watcher;
    auto longest = launcherOfLength(32766);
    RunWithinBound(*longest);
    EXPECT_EQ(5u, longest->GetExitCode());

    // The launcher lets 32767 characters through; the system itself takes one less.
    auto systemLimit = launcherOfLength(32767);
    ASSERT_EQ(32767, systemLimit->GetCommandLine().GetLength());
    systemLimit->Start();
    std::vector<RecordedBox> boxes = watcher.WaitForBoxes(1);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(0u, boxes[0].text.find("ERROR: API    = CreateProcess.\n   error code = 87.")) << boxes[0].text;

    auto tooLong = launcherOfLength(32768);
    tooLong->Start();
    boxes = watcher.WaitForBoxes(2);
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ("Argument size limit Exceeded", boxes[1].caption);
    EXPECT_EQ("Arguments for this report exceed 32K limit. Reduce argument size and re-run Report.", boxes[1].text);
    EXPECT_FALSE(tooLong->IsRunning());
}

TEST_F(ApplicationLauncherTest, WaitWithTimeOutLeavesTheChildRunningUntilTerminated)
{
    ChildGate neverOpened;
    CApplicationLauncher launcher;
    Prepare(launcher, m_child, neverOpened.Wait().c_str());
    launcher.Start();
    launcher.Wait(0);
    EXPECT_TRUE(launcher.IsRunning());
    EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), launcher.GetExitCode());

    launcher.Terminate();
    WaitWithinBound(launcher);
    EXPECT_FALSE(launcher.IsRunning());
    EXPECT_EQ(1u, launcher.GetExitCode());
}

namespace {
// The child waits at the gate until the timer has ticked three times.
int g_timerTicks = 0;
ChildGate* g_ticksGate = nullptr;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD)
{
    if (++g_timerTicks == 3)
        g_ticksGate->Open();
}
}

TEST_F(ApplicationLauncherTest, WaitKeepsWindowMessagesFlowing)
{
    ChildGate ticked;
    g_ticksGate = &ticked;
    g_timerTicks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &CountTick);
    CApplicationLauncher launcher;
    Prepare(launcher, m_child, ticked.Wait().c_str());
    RunWithinBound(launcher);
    KillTimer(nullptr, timer);
    g_ticksGate = nullptr;
    EXPECT_GE(g_timerTicks, 3);
}

TEST_F(ApplicationLauncherTest, WaitReturnsOnQuitAndLeavesTheQuitMessageQueued)
{
    ChildGate neverOpened;
    CApplicationLauncher launcher;
    Prepare(launcher, m_child, neverOpened.Wait().c_str());
    launcher.Start();
    PostQuitMessage(3);
    WaitWithinBound(launcher);
    EXPECT_TRUE(launcher.IsRunning());
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(3u, message.wParam);
    launcher.Terminate();
}

TEST_F(ApplicationLauncherTest, MissingProgramShowsTheApiErrorBoxAndLeavesNoProcess)
{
    const char* missing = "C:\\no such folder\\missing.exe";
    CApplicationLauncher launcher;
    Prepare(launcher, missing, "out:never");
    MessageBoxWatcher watcher;
    RunWithinBound(launcher);

    char message[1024] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, ERROR_FILE_NOT_FOUND, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                   message, sizeof message, nullptr);
    const std::vector<RecordedBox> boxes = watcher.WaitForBoxes(1);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Error", boxes[0].caption);
    EXPECT_EQ(std::string("ERROR: API    = CreateProcess.\n   error code = 2.\n   message    = ") + message + ".\n",
              boxes[0].text);
    EXPECT_FALSE(launcher.IsRunning());
    EXPECT_TRUE(m_recorder.blocks.empty());
    try {
        launcher.GetExitCode();
        ADD_FAILURE() << "no exception";
    } catch (const CFileException& error) {
        EXPECT_EQ(ERROR_INVALID_HANDLE, error.m_lOsError);
        EXPECT_EQ(CFileException::invalidFile, error.m_cause);
        EXPECT_STREQ(launcher.m_application, error.m_strFileName);
    }
}

// A report may hand its rows to a helper process and end at once: the helper
// writes them after the report has ended, far more than a pipe holds, and the
// readers take them until the last writer has closed the output.
TEST_F(ApplicationLauncherTest, RowsAHelperWritesAfterTheReportHasEndedAllArrive)
{
    ChildGate reportEnded;
    {
        CApplicationLauncher launcher;
        const std::string commands = "out:head handoff " + reportEnded.Wait() + " rows:20000:r err:late";
        Prepare(launcher, m_child, commands.c_str());
        RunWithinBound(launcher);
        EXPECT_FALSE(launcher.IsRunning());
        reportEnded.Open();
    }
    const std::string output = Joined(m_recorder.BlocksOf(0));
    EXPECT_EQ(20001, std::count(output.begin(), output.end(), '\n'));
    EXPECT_EQ(0u, output.find("head\r\nr1;1\r\n"));
    const std::string lastRow = "r20000;20000\r\n";
    EXPECT_EQ(output.size() - lastRow.size(), output.rfind(lastRow));
    EXPECT_EQ("late\r\n", Joined(m_recorder.BlocksOf(1)));
}

// 259 is also what the exit code of a running process reads.
TEST_F(ApplicationLauncherTest, AChildExitingWith259EndsTheWaitWithItsRows)
{
    {
        CApplicationLauncher launcher;
        Prepare(launcher, m_child, "rows:3:r exit:259");
        RunWithinBound(launcher);
        EXPECT_FALSE(launcher.IsRunning());
        EXPECT_EQ(259u, launcher.GetExitCode());
    }
    EXPECT_EQ("r1;1\r\nr2;2\r\nr3;3\r\n", Joined(m_recorder.BlocksOf(0)));
}

// A report that leaves a silent helper holding its output must not hold its
// caller: once the abort flag is set, the readers blocked in their reads end
// quietly, and the launcher's end waits no longer for the helper, which it
// leaves running.
TEST_F(ApplicationLauncherTest, AbortEndsTheReadersWhileASilentHelperHoldsTheOutput)
{
    UnexpectedBoxes noReadError;
    ChildGate helperGate;
    auto launcher = std::make_unique<CApplicationLauncher>();
    Prepare(*launcher, m_child, ("out:head start:" + helperGate.Wait()).c_str());
    launcher->m_abortFlag = &m_recorder.abort;
    RunWithinBound(*launcher);
    HANDLE helper = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (helper = helperGate.OpenWaiter()) != nullptr; })) << "no helper started";
    ASSERT_TRUE(WaitUntil([&] { return !m_recorder.BlocksOf(0).empty(); }));

    m_recorder.abort = true;
    const DWORD start = GetTickCount();
    launcher.reset();
    const DWORD elapsed = GetTickCount() - start;

    EXPECT_LT(elapsed, kAtOnceBoundMs) << "the launcher's end waited for the helper";
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(helper, 0)) << "the helper was ended";
    EXPECT_EQ("head\r\n", Joined(m_recorder.BlocksOf(0)));
    helperGate.Open();
    CloseHandle(helper);
}
