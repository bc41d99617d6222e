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

// Why neither step's outcome is known: a sentence, already in the user's language, with
// %1 for the set's name and %2 for the detail, e.g. "%1 was not applied: administrator
// rights were refused".
struct TWholeFailure {
    std::string Pattern;
    std::string Detail;
    bool empty() const { return Pattern.empty(); }
};

// Each step's outcome; Whole, when not empty, says why neither outcome is known
// and the steps are then empty.
struct NetshSteps {
    ProcessResult Address;
    ProcessResult Dns;
    TWholeFailure Whole;
    bool DnsSkipped = false;  // netsh refused the address as another device's: nothing was changed
};

// The DNS line runs whatever became of the address line, except when netsh refused
// the address as another device's: the set is then not half applied.
NetshSteps RunNetshLines(const NetshCommandLines& lines, const ProcessRunOptions& options);
