// The application manifest as Windows (here Wine) applies it to a program: this test
// program carries the same one as netvane.exe.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>

#include "platform/WindowsVersion.h"

namespace {

TEST(ProgramManifest, VersionQueryReportsTheTrueSystem)
{
    // Without its system among the supported ones, Windows 8.1 and later tell a program 6.2.
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    const auto rtlGetVersion =
        reinterpret_cast<RtlGetVersionFn>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion"));
    ASSERT_NE(rtlGetVersion, nullptr);
    OSVERSIONINFOW truth{};
    truth.dwOSVersionInfoSize = sizeof truth;
    ASSERT_EQ(rtlGetVersion(&truth), 0);
    OSVERSIONINFOW seen{};
    seen.dwOSVersionInfoSize = sizeof seen;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ASSERT_TRUE(::GetVersionExW(&seen));
#pragma GCC diagnostic pop
    EXPECT_EQ(seen.dwMajorVersion, truth.dwMajorVersion);
    EXPECT_EQ(seen.dwMinorVersion, truth.dwMinorVersion);
    // And the discovery runs on what it sees.
    EXPECT_TRUE(ConnectionDiscoveryRuns(GetWindowsVersion())) << seen.dwMajorVersion << "." << seen.dwMinorVersion;
}

TEST(ProgramManifest, CommonControlsVersionSix)
{
    const HMODULE comctl = ::LoadLibraryW(L"comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    const auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(::GetProcAddress(comctl, "DllGetVersion"));
    ASSERT_NE(getVersion, nullptr);
    DLLVERSIONINFO info{};
    info.cbSize = sizeof info;
    ASSERT_EQ(getVersion(&info), S_OK);
    EXPECT_EQ(info.dwMajorVersion, 6u);
    ::FreeLibrary(comctl);
}

TEST(ProgramManifest, AwareOfEachMonitorsDpi)
{
    EXPECT_EQ(::GetAwarenessFromDpiAwarenessContext(::GetThreadDpiAwarenessContext()),
              DPI_AWARENESS_PER_MONITOR_AWARE);
}

}  // namespace
