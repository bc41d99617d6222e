#pragma once
// Runs one command line as a child process and waits for it, keeping the caller's
// event loop alive meanwhile.
//
//   ProcessRunOptions options;
//   options.Pump = [] { QCoreApplication::processEvents(); };
//   const ProcessResult result = ExecuteAndWait(commandLine, options);
//   if (!result.Succeeded()) report(FailureReason(result));
//
// What happens, in order:
// 1. The program is started without any shell. On Windows the line goes to
//    CreateProcessW unchanged (CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, the
//    show-window value in STARTUPINFOW). Elsewhere it is split into arguments by
//    the Windows rules (platform/CommandLine.h) and the program, when its name
//    has no folder in it, is looked up first in the running program's own folder,
//    then in its install's helper folder, then on PATH (ProgramFolder.h).
// 2. Standard input reads nothing; standard output and standard error go,
//    interleaved, into ProcessResult::Output (its first 64 KiB are kept), as
//    UTF-8 (on Windows converted from the OEM code page console programs use).
// 3. The wait runs in slices of PumpInterval; Pump is called once right after the
//    start and after every slice, so a GUI keeps painting and answering.
// 4. A process still running after TimeLimit is killed (here with the process
//    group it leads) and reported as TimedOut.
// 5. After a started process has ended, a fixed Pause follows, pumped the same way.
//
// Nothing throws for a failing program: the result tells. Only an exception from
// Pump leaves ExecuteAndWait; the process is then killed and reaped on the way out.
// Not re-entrant by design of the caller: a Pump that starts another run waits
// inside this one.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

struct ProcessRunOptions {
    // Windows' show-window value for the new console (0 = SW_HIDE); unused elsewhere.
    std::uint16_t ShowWindow = 0;
    std::chrono::milliseconds TimeLimit{60000};
    std::chrono::milliseconds Pause{1000};
    std::chrono::milliseconds PumpInterval{20};
    std::function<void()> Pump;
};

struct ProcessResult {
    bool Started = false;
    bool TimedOut = false;
    // The exit code when the process ended by itself; here 128 + N for a death by signal N.
    std::uint32_t ExitCode = 0;
    // Why the process could not be started (the system's number and text).
    int SystemErrorCode = 0;
    std::string SystemError;
    // Standard output and standard error, as written.
    std::string Output;
    // The limit that applied, for the failure text.
    std::chrono::milliseconds TimeLimit{0};

    bool Succeeded() const { return Started && !TimedOut && ExitCode == 0; }
};

ProcessResult ExecuteAndWait(std::string_view commandLine, const ProcessRunOptions& options = {});

// Steps 3 to 5 for a child started some other way (ChildProcess::StartElevated).
class ChildProcess;
ProcessResult WaitForChild(std::unique_ptr<ChildProcess> child, const ProcessRunOptions& options);

// The first line of output that is not blank, trimmed; empty when there is none.
std::string FirstNonEmptyLine(std::string_view output);

// Why a run failed, in a few words for the user; empty when it succeeded:
// the system's text when it could not start, "stopped after N seconds without
// finishing" after the time limit, otherwise the first non-empty output line,
// or "exit code N" when the program said nothing.
std::string FailureReason(const ProcessResult& result);
