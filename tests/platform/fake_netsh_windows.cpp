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

std::string FakeNetshConsoleText(const char* variable)
{
    const std::wstring name = Utf8ToWide(variable);
    const DWORD size = GetEnvironmentVariableW(name.c_str(), nullptr, 0);
    if (size == 0)
        return {};
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name.c_str(), value.data(), size));
    const int length = WideCharToMultiByte(CP_OEMCP, 0, value.data(), static_cast<int>(value.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_OEMCP, 0, value.data(), static_cast<int>(value.size()), text.data(), length, nullptr,
                        nullptr);
    return text;
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
