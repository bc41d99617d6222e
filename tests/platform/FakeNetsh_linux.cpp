#include "platform/FakeNetsh.h"

#include <cerrno>
#include <cstdlib>
#include <signal.h>

void SetEnvironment(const std::string& name, const std::string& value) { setenv(name.c_str(), value.c_str(), 1); }
void UnsetEnvironment(const std::string& name) { unsetenv(name.c_str()); }

// A reaped child's number is free again: no such process.
bool IsProcessAlive(unsigned long pid) { return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM; }
