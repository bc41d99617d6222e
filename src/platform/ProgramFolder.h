#pragma once
#include <string>

// The folder that holds the running program's executable, without a trailing
// separator (where the program looks for netsh first, as Windows does).
// Empty when the system cannot tell.
std::string ProgramFolder();
