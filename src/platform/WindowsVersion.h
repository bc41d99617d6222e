#pragma once
// Which system the program runs on, as the connection discovery needs to know it.
#include <cstdint>
#include <string>

// Values 0 to 9 keep their historical numbers; later systems come after them.
enum TqxWindowsVersion : int {
    wvUnknown = 0,
    wvWin95 = 1,
    wvWin98 = 2,
    wvWin98SE = 3,
    wvWinNT4 = 4,
    wvWinME = 5,
    wvWin2000 = 6,
    wvWinXP = 7,
    wvWinVista = 8,
    wvWin7 = 9,
    wvWin8OrLater = 10,  // NT 6.2 and later: what 8, 10 and 11 report to a program without a manifest
    wvLinux = 11,
};

// What the version query reports.
struct TOSVersionInfo {
    std::uint32_t PlatformId = 0;  // 1: the 95 line, 2: NT
    std::uint32_t MajorVersion = 0;
    std::uint32_t MinorVersion = 0;
    std::string CSDVersion;  // service-pack text
};

inline constexpr std::uint32_t kPlatformWin32Windows = 1;
inline constexpr std::uint32_t kPlatformWin32NT = 2;

TqxWindowsVersion ClassifyWindowsVersion(const TOSVersionInfo& Info);

// The running system: on Windows the classified version query (wvUnknown when it
// fails), on Linux wvLinux.
TqxWindowsVersion GetWindowsVersion();

// True for the systems whose network connections the discovery knows how to read.
bool ConnectionDiscoveryRuns(TqxWindowsVersion Version);
