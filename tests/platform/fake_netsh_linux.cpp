#include "platform/FakeNetshDetails.h"

#include <cstdlib>
#include <unistd.h>

unsigned long FakeNetshProcessId() { return static_cast<unsigned long>(getpid()); }

std::vector<std::string> FakeNetshArguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

std::vector<std::pair<std::string, std::string>> FakeNetshPlatformDetails() { return {}; }

std::string FakeNetshConsoleText(const char* variable)
{
    const char* value = std::getenv(variable);
    return value ? value : "";
}
