#include "platform/FakeNetshDetails.h"

#include "platform/WideText.h"

#include <windows.h>
#include <shellapi.h>

unsigned long FakeNetshProcessId() { return GetCurrentProcessId(); }

// The runtime's argv is in the ANSI code page; the wide command line keeps every character.
std::vector<std::string> FakeNetshArguments(int, char**)
{
    std::vector<std::string> args;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide && i < count; ++i)
        args.push_back(WideToUtf8(wide[i]));
    LocalFree(wide);
    return args;
}

std::vector<std::pair<std::string, std::string>> FakeNetshPlatformDetails()
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    return {{"cmdline", WideToUtf8(GetCommandLineW())},
            {"startflags", std::to_string(startup.dwFlags)},
            {"show", std::to_string(startup.wShowWindow)}};
}
