// The process runner against the fake netsh, on both systems.
#include "platform/FakeNetsh.h"
#include "platform/ProcessRunner.h"
#include "platform/SystemError.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace std::chrono_literals;

namespace {
TEST(ProcessRunner, FakeNetshSitsBesideTheTestProgram)
{
    ASSERT_TRUE(std::filesystem::exists(FakeNetsh::Location())) << FakeNetsh::Location();
}

TEST(ProcessRunner, PassesTheArgumentsAndReturnsTheExitCode)
{
    FakeNetsh netsh;
    netsh.SetExitCode(3);
    const ProcessResult result = ExecuteAndWait(
        "netsh interface ip set address \"Wi-Fi B\xC3\xBCro 2\"  static 10.0.0.5 255.0.0.0  1", WithoutPause());

    EXPECT_TRUE(result.Started);
    EXPECT_FALSE(result.TimedOut);
    EXPECT_EQ(result.ExitCode, 3u);
    EXPECT_FALSE(result.Succeeded());
    EXPECT_EQ(FailureReason(result), "exit code 3");
    const auto calls = netsh.Calls();
    ASSERT_EQ(calls.size(), 1u);
    // The empty gateway between two blanks is no argument at all, as on Windows.
    EXPECT_EQ(calls[0].Args, (std::vector<std::string>{"interface", "ip", "set", "address", "Wi-Fi B\xC3\xBCro 2",
                                                       "static", "10.0.0.5", "255.0.0.0", "1"}));
    EXPECT_TRUE(calls[0].Ended) << "the runner returned before the program had ended";
}

TEST(ProcessRunner, ExitCodeZeroIsSuccess)
{
    FakeNetsh netsh;
    const ProcessResult result = ExecuteAndWait("netsh interface ip set dns \"Office\"  dhcp ", WithoutPause());
    EXPECT_TRUE(result.Succeeded());
    EXPECT_EQ(FailureReason(result), "");
    ASSERT_EQ(netsh.Calls().size(), 1u);
    EXPECT_EQ(netsh.Calls()[0].Args.back(), "dhcp");
}

TEST(ProcessRunner, MissingProgramIsReportedWithTheSystemsText)
{
    const ProcessResult result = ExecuteAndWait("netvane-no-such-program interface ip", WithoutPause());
    EXPECT_FALSE(result.Started);
    EXPECT_FALSE(result.Succeeded());
    EXPECT_EQ(result.SystemErrorCode, 2);    // ENOENT and ERROR_FILE_NOT_FOUND alike
    EXPECT_EQ(result.SystemError, SystemErrorText(2));
    EXPECT_FALSE(result.SystemError.empty());
    EXPECT_NE(result.SystemError.back(), '.');
    EXPECT_EQ(FailureReason(result), result.SystemError);
}

TEST(ProcessRunner, CapturesOutputAndReportsItsFirstLine)
{
    FakeNetsh netsh;
    netsh.SetExitCode(1);
    netsh.SetStdout("\r\n   \r\n");
    // Non-ASCII, as a localized netsh writes it: on Windows in the console's code page.
    netsh.SetStderr("  Die Schnittstelle ist unbekannt: \xC3\xBC.  \r\nMore text\r\n");
    const ProcessResult result = ExecuteAndWait("netsh interface ip set dns \"Nowhere\"  dhcp ", WithoutPause());
    EXPECT_EQ(result.ExitCode, 1u);
    EXPECT_NE(result.Output.find("More text"), std::string::npos);
    EXPECT_EQ(FailureReason(result), "Die Schnittstelle ist unbekannt: \xC3\xBC.");
}

TEST(ProcessRunner, MuchOutputNeitherBlocksTheChildNorGrowsWithoutBound)
{
    FakeNetsh netsh;
    netsh.SetExtraOutputBytes(300 * 1024);
    const ProcessResult result = ExecuteAndWait("netsh talk", WithoutPause());
    EXPECT_TRUE(result.Succeeded());
    EXPECT_EQ(result.Output.size(), 64u * 1024u);
}

TEST(ProcessRunner, AProgramPastTheTimeLimitIsStoppedAndReported)
{
    FakeNetsh netsh;
    netsh.SetSleep(20s);
    ProcessRunOptions options = WithoutPause();
    options.TimeLimit = 2s;   // room for a slow start under Wine
    const ProcessResult result = ExecuteAndWait("netsh hang", options);
    EXPECT_TRUE(result.Started);
    EXPECT_TRUE(result.TimedOut);
    EXPECT_FALSE(result.Succeeded());
    EXPECT_EQ(FailureReason(result), "stopped after 2 seconds without finishing");
    const auto calls = netsh.Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_FALSE(calls[0].Ended);
    EXPECT_FALSE(IsProcessAlive(calls[0].Pid));
}

TEST(ProcessRunner, PumpRunsWhileTheProgramRunsAndDuringThePause)
{
    FakeNetsh netsh;
    netsh.SetSleep(300ms);
    ProcessRunOptions options;
    options.Pause = 200ms;
    int whileRunning = 0, afterEnd = 0;
    options.Pump = [&] {
        const auto calls = netsh.Calls();
        if (!calls.empty() && calls[0].Ended)
            ++afterEnd;
        else
            ++whileRunning;
    };
    const ProcessResult result = ExecuteAndWait("netsh slow", options);
    EXPECT_TRUE(result.Succeeded());
    EXPECT_GE(whileRunning, 2);
    EXPECT_GE(afterEnd, 2);
}

TEST(ProcessRunner, NoPauseAfterAProgramThatDidNotStart)
{
    ProcessRunOptions options;
    options.Pause = 10min;
    int pumped = 0;
    options.Pump = [&] { ++pumped; };
    EXPECT_FALSE(ExecuteAndWait("netvane-no-such-program", options).Started);
    EXPECT_EQ(pumped, 0);
}

TEST(ProcessRunner, AnErrorInThePumpStopsTheProgram)
{
    FakeNetsh netsh;
    netsh.SetSleep(20s);
    ProcessRunOptions options = WithoutPause();
    options.Pump = [&] {
        if (!netsh.Calls().empty())
            throw std::runtime_error("window gone");
    };
    EXPECT_THROW(ExecuteAndWait("netsh hang", options), std::runtime_error);
    const auto calls = netsh.Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_FALSE(IsProcessAlive(calls[0].Pid));
}
}
