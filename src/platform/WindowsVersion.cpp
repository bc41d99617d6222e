#include "platform/WindowsVersion.h"

TqxWindowsVersion ClassifyWindowsVersion(const TOSVersionInfo& Info)
{
    const std::uint32_t major = Info.MajorVersion, minor = Info.MinorVersion;
    if (Info.PlatformId == kPlatformWin32Windows) {
        if (major != 4)
            return wvUnknown;
        if (minor == 0)
            return wvWin95;
        if (minor == 10)
            return Info.CSDVersion.size() >= 2 && Info.CSDVersion[1] == 'A' ? wvWin98SE : wvWin98;
        if (minor == 90)
            return wvWinME;
        return wvUnknown;
    }
    if (Info.PlatformId == kPlatformWin32NT) {
        if (major <= 4)
            return wvWinNT4;
        if (major == 5)
            // 5.2 is the 64-bit XP (and the server of its day): XP's registry layout.
            return minor == 0 ? wvWin2000 : wvWinXP;
        if (major == 6 && minor == 0)
            return wvWinVista;
        if (major == 6 && minor == 1)
            return wvWin7;
        return wvWin8OrLater;
    }
    return wvUnknown;
}

bool ConnectionDiscoveryRuns(TqxWindowsVersion Version)
{
    switch (Version) {
    case wvWinXP:
    case wvWinVista:
    case wvWin7:
    case wvWin8OrLater:
    case wvLinux:
        return true;
    default:
        return false;
    }
}
