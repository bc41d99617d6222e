// What only Windows can show: the exact line CreateProcessW hands over, the
// start-up information, handles, and the splitting rules against the system's own.
#include "platform/CommandLine.h"
#include "platform/FakeNetsh.h"
#include "platform/ProcessRunner.h"
#include "platform/WideText.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include <winternl.h>

using namespace std::chrono_literals;

namespace {
TEST(ProcessRunnerWindows, TheCommandLineArrivesByteForByte)
{
    FakeNetsh netsh;
    // Non-ASCII (two-byte, three-byte and astral), double blanks, the final blank of the DHCP form.
    const std::string line = "netsh interface ip set address \"B\xC3\xBCro \xE2\x80\x94 \xF0\x9F\x93\xA1\"  dhcp ";
    EXPECT_TRUE(ExecuteAndWait(line, WithoutPause()).Succeeded());
    const auto calls = netsh.Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Details.at("cmdline"), line);
    EXPECT_EQ(calls[0].Args.at(4), "B\xC3\xBCro \xE2\x80\x94 \xF0\x9F\x93\xA1");
}

TEST(ProcessRunnerWindows, TheConsoleIsHiddenAndTheOutputPiped)
{
    FakeNetsh netsh;
    ExecuteAndWait("netsh hidden", WithoutPause());
    ProcessRunOptions shown = WithoutPause();
    shown.ShowWindow = SW_SHOWMINNOACTIVE;
    ExecuteAndWait("netsh shown", shown);
    const auto calls = netsh.Calls();
    ASSERT_EQ(calls.size(), 2u);
    const unsigned long flags = std::stoul(calls[0].Details.at("startflags"));
    EXPECT_TRUE(flags & STARTF_USESHOWWINDOW);
    EXPECT_TRUE(flags & STARTF_USESTDHANDLES);
    EXPECT_EQ(calls[0].Details.at("show"), std::to_string(SW_HIDE));
    EXPECT_EQ(calls[1].Details.at("show"), std::to_string(SW_SHOWMINNOACTIVE));
}

// This process's open handles, from the system's handle list: Wine's
// GetProcessHandleCount always says 0, this list is kept by both systems.
unsigned long OwnHandleCount()
{
    constexpr auto kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
    constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);
    std::vector<char> buffer(1 << 20);
    NTSTATUS status;
    while ((status = NtQuerySystemInformation(kSystemHandleInformation, buffer.data(),
                                              static_cast<ULONG>(buffer.size()), nullptr)) == kInfoLengthMismatch)
        buffer.resize(buffer.size() * 2);
    if (status != 0)
        return 0;
    const auto* info = reinterpret_cast<const SYSTEM_HANDLE_INFORMATION*>(buffer.data());
    unsigned long own = 0;
    for (ULONG i = 0; i < info->Count; ++i)
        own += info->Handle[i].OwnerPid == GetCurrentProcessId();
    return own;
}

TEST(ProcessRunnerWindows, NoHandleIsLeftOpenOnAnyPath)
{
    FakeNetsh netsh;
    ExecuteAndWait("netsh warm-up", WithoutPause());    // the runtime opens a few handles once
    const unsigned long before = OwnHandleCount();
    ASSERT_GT(before, 0u);
    RunEveryOutcome(netsh, "\"C:\\windows\\win.ini\"");
    EXPECT_EQ(OwnHandleCount(), before);
}

// Our splitting (used where there is no CreateProcessW) against the system's.
TEST(ProcessRunnerWindows, SplittingMatchesCommandLineToArgvW)
{
    const char* const lines[] = {
        "netsh interface ip set address \"Office\"  static 10.0.0.5 255.0.0.0 10.0.0.1 1",
        "netsh interface ip set dns \"Local Area  Connection\"  dhcp ",
        "\"C:\\Program Files\\x.exe\" a", "\"a b\"c d", "dir\\\"x y", "p a\\b\\\\c", "p \\\"x",
        "p \\\\\"x y\"", "p \\\\\\\"x", "p \"Lan\\\"  static 1", "p \"a\"\"b\"", "p \"a \"\" b\" c",
        "p \"\"\"\" x", "p \"\"\"\"\"\" x", "p \"\" x", "p a\"b c\"d", "p \"open to the end", "p\ta\t\"b\tc\"",
    };
    for (const char* line : lines) {
        int count = 0;
        wchar_t** wide = CommandLineToArgvW(Utf8ToWide(line).c_str(), &count);
        ASSERT_NE(wide, nullptr);
        std::vector<std::string> expected;
        for (int i = 0; i < count; ++i)
            expected.push_back(WideToUtf8(wide[i]));
        LocalFree(wide);
        EXPECT_EQ(SplitCommandLine(line), expected) << line;
    }
}
}
