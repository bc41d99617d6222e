// The application manifest as Windows (here Wine) applies it to a program: this test
// program carries the same one as netvane.exe.
#include <gtest/gtest.h>
#include <windows.h>
#include <cwchar>

#include "platform/WindowsVersion.h"

namespace {

template <typename F>
F Function(HMODULE module, const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

TEST(ProgramManifest, VersionQueryReportsTheTrueSystem)
{
    // Without its system among the supported ones, Windows 8.1 and later tell a program 6.2.
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    const auto rtlGetVersion = Function<RtlGetVersionFn>(::GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
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
    // The manifest's dependency puts version 6 of the common controls in the process's
    // activation context: loading them by name finds that assembly's copy. (Wine's copy
    // reports 5 from DllGetVersion, so where it was loaded from is what tells.)
    ACTCTX_SECTION_KEYED_DATA data{};
    data.cbSize = sizeof data;
    ASSERT_TRUE(::FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, L"comctl32.dll",
                                           &data))
        << "no assembly redirects comctl32.dll";
    const HMODULE comctl = ::LoadLibraryW(L"comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    wchar_t path[MAX_PATH] = {}, system[MAX_PATH] = {};
    ASSERT_GT(::GetModuleFileNameW(comctl, path, MAX_PATH), 0u);
    ASSERT_GT(::GetSystemDirectoryW(system, MAX_PATH), 0u);
    // Version 5 is the one in the system folder.
    EXPECT_NE(::CompareStringOrdinal(path, static_cast<int>(wcslen(system)), system, -1, TRUE), CSTR_EQUAL)
        << "loaded from the system folder";
    ::FreeLibrary(comctl);
}

TEST(ProgramManifest, AwareOfEachMonitorsDpi)
{
    EXPECT_EQ(::GetAwarenessFromDpiAwarenessContext(::GetThreadDpiAwarenessContext()),
              DPI_AWARENESS_PER_MONITOR_AWARE);
}

}  // namespace
