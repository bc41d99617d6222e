#include "platform/FakeNetshDetails.h"

#include <unistd.h>

unsigned long FakeNetshProcessId() { return static_cast<unsigned long>(getpid()); }

std::vector<std::string> FakeNetshArguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

std::vector<std::pair<std::string, std::string>> FakeNetshPlatformDetails() { return {}; }
