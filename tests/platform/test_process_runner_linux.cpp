// What the runner does here that Windows does for it: program search, no shell, descriptors.
#include "platform/FakeNetsh.h"
#include "platform/ProcessRunner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <signal.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {
// A folder holding small scripts, put in front of PATH for the test's duration.
class PathFolder {
public:
    PathFolder()
    {
        char pattern[] = "/tmp/netvane-path-XXXXXX";
        folder_ = mkdtemp(pattern);
        oldPath_ = std::getenv("PATH") ? std::getenv("PATH") : "";
        SetEnvironment("PATH", folder_.string() + ":" + oldPath_);
    }
    ~PathFolder()
    {
        SetEnvironment("PATH", oldPath_);
        std::filesystem::remove_all(folder_);
    }
    void AddScript(const std::string& name, int exitCode)
    {
        const auto path = folder_ / name;
        std::ofstream(path) << "#!/bin/sh\nexit " << exitCode << "\n";
        chmod(path.c_str(), 0755);
    }

private:
    std::filesystem::path folder_;
    std::string oldPath_;
};

int OpenDescriptors()
{
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

TEST(ProcessRunnerLinux, TheProgramsOwnFolderComesBeforePath)
{
    FakeNetsh netsh;
    PathFolder path;
    path.AddScript("netsh", 42);
    const ProcessResult result = ExecuteAndWait("netsh interface", WithoutPause());
    EXPECT_EQ(result.ExitCode, 0u);
    EXPECT_EQ(netsh.Calls().size(), 1u);
}

TEST(ProcessRunnerLinux, OtherProgramsAreFoundOnPath)
{
    PathFolder path;
    path.AddScript("netvane-path-probe", 42);
    const ProcessResult result = ExecuteAndWait("netvane-path-probe", WithoutPause());
    EXPECT_TRUE(result.Started);
    EXPECT_EQ(result.ExitCode, 42u);
}

TEST(ProcessRunnerLinux, AFileThatMayNotRunIsRefusedAsTheSystemWould)
{
    PathFolder path;
    path.AddScript("netvane-path-probe", 0);
    const std::string located = std::string(std::getenv("PATH")).substr(0, std::string(std::getenv("PATH")).find(':'));
    chmod((located + "/netvane-path-probe").c_str(), 0644);
    const ProcessResult result = ExecuteAndWait("netvane-path-probe", WithoutPause());
    EXPECT_FALSE(result.Started);
    EXPECT_EQ(result.SystemErrorCode, EACCES);
}

TEST(ProcessRunnerLinux, NoShellSeesTheLine)
{
    FakeNetsh netsh;
    const std::string marker = "/tmp/netvane-no-shell-" + std::to_string(getpid());
    const ProcessResult result =
        ExecuteAndWait("netsh \"a;b\" $(id) `id` | tee " + marker + " > " + marker + " && true", WithoutPause());
    EXPECT_TRUE(result.Succeeded());
    ASSERT_EQ(netsh.Calls().size(), 1u);
    EXPECT_EQ(netsh.Calls()[0].Args, (std::vector<std::string>{"a;b", "$(id)", "`id`", "|", "tee", marker, ">",
                                                               marker, "&&", "true"}));
    EXPECT_FALSE(std::filesystem::exists(marker));
}

TEST(ProcessRunnerLinux, AnExitStatusTheSystemThrewAwayIsNoSuccess)
{
    FakeNetsh netsh;
    // A program that ignores SIGCHLD has its children reaped by the system.
    struct sigaction ignore {}, old {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGCHLD, &ignore, &old);
    const ProcessResult result = ExecuteAndWait("netsh ok", WithoutPause());
    sigaction(SIGCHLD, &old, nullptr);
    EXPECT_TRUE(result.Started);
    EXPECT_FALSE(result.TimedOut);
    EXPECT_FALSE(result.Succeeded());
    EXPECT_EQ(result.ExitCode, 255u);
}

TEST(ProcessRunnerLinux, NoDescriptorIsLeftOpenOnAnyPath)
{
    FakeNetsh netsh;
    const int before = OpenDescriptors();
    RunEveryOutcome(netsh, "/etc/hostname");
    EXPECT_EQ(OpenDescriptors(), before);
}
}
