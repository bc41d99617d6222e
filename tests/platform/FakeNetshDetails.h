#pragma once
// What the fake netsh records that differs between the systems.
#include <string>
#include <utility>
#include <vector>

unsigned long FakeNetshProcessId();
// The arguments after the program name, as this system hands them to a program.
std::vector<std::string> FakeNetshArguments(int argc, char** argv);
// The environment's text as this system's console programs write it (Windows: the OEM code page).
std::string FakeNetshConsoleText(const char* variable);
// Windows: the raw command line and the start-up flags and show-window value.
std::vector<std::pair<std::string, std::string>> FakeNetshPlatformDetails();
