#pragma once
// Test side of the fake netsh (fake_netsh.cpp): tells it how to behave and reads
// back what it received. netvane_use_fake_netsh(<test>) in CMake puts the fake,
// named netsh, beside the test program, where the process runner looks first.
//
//   FakeNetsh netsh;            // fresh log; exit code 0, no delay
//   netsh.SetExitCode(1);
//   ExecuteAndWait("netsh interface ...");
//   netsh.Calls()[0].Args       // {"interface", ...}
#include "platform/ProcessRunner.h"

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

struct FakeNetshCall {
    unsigned long Pid = 0;
    std::vector<std::string> Args;                  // after the program name
    std::map<std::string, std::string> Details;     // Windows: cmdline, startflags, show
    bool Ended = false;                             // it got to its own end
};

class FakeNetsh {
public:
    FakeNetsh();
    ~FakeNetsh();
    FakeNetsh(const FakeNetsh&) = delete;
    FakeNetsh& operator=(const FakeNetsh&) = delete;

    void SetExitCode(int code);
    void SetSleep(std::chrono::milliseconds delay);
    void SetStdout(const std::string& text);
    void SetStderr(const std::string& text);
    void SetExtraOutputBytes(long count);

    // Every run so far, in the order they began.
    std::vector<FakeNetshCall> Calls() const;
    // "begin" and "end" in the order they happened, e.g. to show one run ended before the next began.
    std::vector<std::string> Events() const;

    // Where the fake sits: the test program's own folder.
    static std::filesystem::path Location();

private:
    std::vector<std::pair<std::string, std::string>> Records() const;
    std::filesystem::path log_;
};

// Runner options for quick tests: no pause after the command.
ProcessRunOptions WithoutPause();

// Runs the fake to success, to a failing exit code and past a time limit, a missing
// program and notAProgram (a file that exists but cannot run): every way out of the runner.
void RunEveryOutcome(FakeNetsh& netsh, const std::string& notAProgram);

// The small system calls the tests need, for each system.
void SetEnvironment(const std::string& name, const std::string& value);
void UnsetEnvironment(const std::string& name);
bool IsProcessAlive(unsigned long pid);
