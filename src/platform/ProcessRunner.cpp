#include "platform/ProcessRunner.h"

#include "common/qxText.h"
#include "platform/ChildProcess.h"
#include "platform/SystemError.h"

#include <algorithm>
#include <thread>
#include "common/qxTranslate.h"

namespace {
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

void CallPump(const ProcessRunOptions& options)
{
    if (options.Pump)
        options.Pump();
}

milliseconds Remaining(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
    return std::max(left, milliseconds(0));
}

milliseconds Slice(const ProcessRunOptions& options) { return std::max(options.PumpInterval, milliseconds(1)); }

// The fixed pause after a command, in pumped slices.
void PumpedPause(const ProcessRunOptions& options)
{
    const auto deadline = Clock::now() + options.Pause;
    for (milliseconds left = Remaining(deadline); left > milliseconds(0); left = Remaining(deadline)) {
        std::this_thread::sleep_for(std::min(left, Slice(options)));
        CallPump(options);
    }
}
}

ProcessResult ExecuteAndWait(std::string_view commandLine, const ProcessRunOptions& options)
{
    ProcessResult result;
    result.TimeLimit = options.TimeLimit;
    int errorCode = 0;
    std::unique_ptr<ChildProcess> child = ChildProcess::Start(commandLine, options.ShowWindow, errorCode);
    if (!child) {
        result.SystemErrorCode = errorCode;
        result.SystemError = SystemErrorText(errorCode);
        return result;
    }
    return WaitForChild(std::move(child), options);
}

ProcessResult WaitForChild(std::unique_ptr<ChildProcess> child, const ProcessRunOptions& options)
{
    ProcessResult result;
    result.TimeLimit = options.TimeLimit;
    result.Started = true;
    CallPump(options);

    const milliseconds slice = Slice(options);
    const auto deadline = Clock::now() + options.TimeLimit;
    for (;;) {
        const milliseconds left = Remaining(deadline);
        if (left == milliseconds(0)) {
            child->Kill();
            result.TimedOut = true;
            break;
        }
        if (child->Wait(std::min(slice, left)))
            break;
        CallPump(options);
    }
    result.ExitCode = child->ExitCode();
    result.Output = child->Output();
    child.reset();

    // The last slice may have ended early; pump now so no gap grows to two slices.
    CallPump(options);
    PumpedPause(options);
    return result;
}

std::string FirstNonEmptyLine(std::string_view output)
{
    while (!output.empty()) {
        const std::size_t end = output.find_first_of("\r\n");
        const std::string line = Trim(output.substr(0, end));
        if (!line.empty())
            return line;
        if (end == std::string_view::npos)
            break;
        output.remove_prefix(end + 1);
    }
    return {};
}

std::string FailureReason(const ProcessResult& result)
{
    if (!result.Started)
        return result.SystemError;
    if (result.TimedOut) {
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(result.TimeLimit).count();
        return Fill(Tx("ProcessRunner", "stopped after %1 seconds without finishing"), {std::to_string(seconds)});
    }
    if (result.ExitCode == 0)
        return {};
    const std::string line = FirstNonEmptyLine(result.Output);
    return line.empty() ? Fill(Tx("ProcessRunner", "exit code %1"), {std::to_string(result.ExitCode)}) : line;
}
