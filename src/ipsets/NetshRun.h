#pragma once
// Running an IP set's two netsh lines one after the other, hidden, each under the
// time limit and followed by the pause: what applying does wherever it runs (the
// program itself, or its helper with administrator rights, ElevatedApply.h).
#include <chrono>
#include <string>

#include "ipsets/NetshCommand.h"
#include "platform/ProcessRunner.h"

inline constexpr std::chrono::milliseconds kNetshTimeLimit{60000};
inline constexpr std::chrono::milliseconds kNetshPause{1000};

// Each step's outcome; Whole, when not empty, says why neither outcome is known
// and the steps are then empty: it completes "<set> ...", e.g. "was not applied:
// administrator rights were refused".
struct NetshSteps {
    ProcessResult Address;
    ProcessResult Dns;
    std::string Whole;
    bool DnsSkipped = false;  // netsh refused the address as another device's: nothing was changed
};

// The DNS line runs whatever became of the address line, except when netsh refused
// the address as another device's: the set is then not half applied.
NetshSteps RunNetshLines(const NetshCommandLines& lines, const ProcessRunOptions& options);
