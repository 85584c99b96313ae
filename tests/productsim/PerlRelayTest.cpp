// kvperl.exe and perl.exe run a script with the host's perl and relay its
// arguments, standard streams and exit code.
#include "productsim/relay/PerlRelay.h"
#include "productsim/testing/SimTestData.h"
#include "tests/support/ChildRun.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WindowPump.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <string>

// The scripts a test writes lie in a folder of its own.
class PerlRelayTest : public testing::Test {
protected:
    std::string WriteScript(const char* name, const std::string& text) { return m_scripts.WriteFile(name, text); }

    ScratchFolder m_scripts{ "relay" };
};

TEST_F(PerlRelayTest, RelaysArgumentsStreamsAndExitCode)
{
    std::string script = WriteScript("relay args.prl",
                                     "print join('|', @ARGV), \"\\n\";\n"
                                     "while (my $line = <STDIN>) { chomp $line; print \"in:$line\\n\"; }\n"
                                     "print STDERR \"warning one\\nwarning two\\n\";\n"
                                     "exit 7;\n");
    CapturedRun result = RunAndCapture(ProgramFolder() + "kvperl.exe \"" + script + "\" "
                                       "PROJECT=\\\"project:shop@\\pvob\\\";%LABEL=\\\"REL%1\\\";% -i",
                                       "first row\r\nsecond row\n");
    EXPECT_EQ("PROJECT=\"project:shop@\\pvob\";%LABEL=\"REL%1\";%|-i\r\nin:first row\r\nin:second row\r\n", result.output);
    EXPECT_EQ("warning one\r\nwarning two\r\n", result.error);
    EXPECT_EQ(7, result.exitCode);
}

TEST_F(PerlRelayTest, PerlRunsInTheCallersFolderWithoutInput)
{
    std::string script = WriteScript("relay cwd.pl",
                                     "use Cwd; my @in = <STDIN>; print scalar(@in), \" \", (-e 'marker.txt' ? 'here' : 'elsewhere'), \"\\n\";");
    m_scripts.MakeFile("marker.txt");
    CapturedRun result = RunAndCapture(ProgramFolder() + "perl.exe \"" + script + "\"", "", m_scripts.Path());
    EXPECT_EQ("0 here\r\n", result.output);
    EXPECT_EQ(0, result.exitCode);
}

TEST_F(PerlRelayTest, AScriptThatDoesNotCompileFailsLikePerl)
{
    std::string script = WriteScript("relay broken.pl", "print 'unclosed;\n");
    CapturedRun result = RunAndCapture(ProgramFolder() + "perl.exe \"" + script + "\"");
    EXPECT_EQ("", result.output);
    EXPECT_NE(std::string::npos, result.error.find("Can't find string terminator"));
    EXPECT_EQ(255, result.exitCode);
}

namespace {
// The working folder of a running relay; empty when it has none (any more).
std::string RelayFolder(DWORD relayProcessId)
{
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((std::string(temp) + "kvperl-" + std::to_string(relayProcessId) + "-*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return std::string();
    FindClose(search);
    return std::string(temp) + found.cFileName;
}
}

// The relay's folder goes only once perl has ended; a perl left running
// would write "late" once the test lets it go on.
TEST_F(PerlRelayTest, TerminatingTheRelayEndsPerl)
{
    const std::string started = m_scripts / "relay started.txt";
    const std::string late = m_scripts / "relay late.txt";
    std::string script = WriteScript("relay slow.pl", "open(my $s, '>', 'relay started.txt'); close $s;\n"
                                                      "for (1 .. 600) { last if -e 'relay go.txt'; select(undef, undef, undef, 0.05); }\n"
                                                      "open(my $f, '>', 'relay late.txt'); close $f;\n");
    std::string commandLine = ProgramFolder() + "perl.exe \"" + script + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, m_scripts.Path().c_str(),
                               &startup, &process));
    const bool perlRan = WaitUntil([&] { return GetFileAttributesA(started.c_str()) != INVALID_FILE_ATTRIBUTES; });
    const std::string relayFolder = RelayFolder(process.dwProcessId);
    TerminateProcess(process.hProcess, 1);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, kPatientMs)) << "the relay did not end";
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    ASSERT_TRUE(perlRan) << "perl did not start";
    ASSERT_FALSE(relayFolder.empty());
    EXPECT_TRUE(WaitUntil([&] { return GetFileAttributesA(relayFolder.c_str()) == INVALID_FILE_ATTRIBUTES; }))
        << "perl was not ended with its relay";
    m_scripts.MakeFile("relay go.txt");
    // A surviving perl sees "go" within its 50 ms poll; a few seconds leave it ample time.
    EXPECT_FALSE(WaitUntil([&] { return GetFileAttributesA(late.c_str()) != INVALID_FILE_ATTRIBUTES; }, 3000))
        << "perl went on after its relay was terminated";
}

TEST_F(PerlRelayTest, TextModeLineEndsAndShellQuoting)
{
    EXPECT_EQ("a\r\n\r\nb\r\r\n", ToTextModeLineEnds("a\n\nb\r\n"));
    EXPECT_EQ("'it'\\''s $HOME'", ShellQuoted("it's $HOME"));
}
