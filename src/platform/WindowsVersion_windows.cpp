#include <windows.h>

#include "platform/WideText.h"
#include "platform/WindowsVersion.h"

TqxWindowsVersion GetWindowsVersion()
{
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;  // 276: the structure without the "Ex" fields
    static_assert(sizeof(OSVERSIONINFOW) == 276);
    // Deprecated, yet it is the query the classification is defined on.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const BOOL ok = ::GetVersionExW(&info);
#pragma GCC diagnostic pop
    if (!ok)
        return wvUnknown;
    TOSVersionInfo raw;
    raw.PlatformId = info.dwPlatformId;
    raw.MajorVersion = info.dwMajorVersion;
    raw.MinorVersion = info.dwMinorVersion;
    raw.CSDVersion = WideToUtf8(info.szCSDVersion);
    return ClassifyWindowsVersion(raw);
}
