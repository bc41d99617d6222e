#pragma once
#include <string>
#include <vector>

namespace netsh {

struct ProcessResult {
    bool Started = false;  // false: the program could not be run (Err says why)
    int ExitCode = -1;     // 128 + signal number when a signal ended it
    std::string Out;
    std::string Err;
};

// Runs argv[0] (looked up on PATH) with argv as its argument vector: no shell is
// involved, so no text is ever interpreted. Standard input is /dev/null; standard
// output and error are collected. env holds "NAME=value" entries that override the
// caller's environment for the child.
ProcessResult RunProcess(const std::vector<std::string>& argv, const std::vector<std::string>& env = {});

}  // namespace netsh
