#pragma once
// Applying without administrator rights (Windows, the token not elevated): the
// program starts itself once with administrator rights, one prompt per apply, in
// a helper mode that gets the set's values, composes and checks the two netsh
// lines itself (NetshCommand.h), runs them as the program would (NetshRun.h) and
// writes each step's outcome into a report file the caller made (ReportFile).
//
//   caller: NetshSteps steps = ApplyThroughHelper(values, elevation, options);
//   helper: netvane --elevated-apply REPORT CONNECTION static|dhcp ADDRESS MASK GATEWAY DNS
//           (main() hands such a command line to RunElevatedApplyHelper)
//
// The helper takes nothing else: exactly these eight arguments, the four
// addresses empty in DHCP mode, values the composer accepts, and an absolute
// report path naming an existing empty file (it makes no file and overwrites
// none). It runs no text of its command line as given: netsh and its commands
// are its own, the values only fill their places.
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ipsets/NetshRun.h"
#include "platform/ChildProcess.h"
#include "platform/Elevation.h"

inline constexpr std::string_view kElevatedApplyOption = "--elevated-apply";

// The values a set is applied with, as NetshCommand.h composes them.
struct NetshValues {
    std::string Connection;
    bool Dhcp = false;
    std::string Address;
    std::string SubnetMask;
    std::string Gateway;
    std::string DnsServer;
};

// Whether netsh may run from here, and how the helper starts; tests replace them.
struct ElevationSeam {
    using Starter = std::function<std::unique_ptr<ChildProcess>(
        const std::string& program, const std::string& parameters, const std::function<void()>& whileAsking,
        int& errorCode)>;
    std::function<bool()> IsElevated = ProcessIsElevated;
    Starter Start = &ChildProcess::StartElevated;
    std::string HelperProgram;  // this program's own file
};

// The caller's side: both steps' outcomes as the helper reported them, or in
// Whole why they are not known (rights refused, the helper not started, no report).
// Waits, pumping as options say, for as long as the helper may take.
NetshSteps ApplyThroughHelper(const NetshValues& values, const ElevationSeam& elevation,
                              const ProcessRunOptions& options);

// The helper mode. arguments: those after the program's name, the option first.
// Exit status 0 when both steps succeeded, 1 when one failed, 2 for a refused request.
int RunElevatedApplyHelper(const std::vector<std::string>& arguments);

// The pieces both sides share (tested and fuzzed on their own).
std::vector<std::string> ElevatedApplyArguments(const NetshValues& values, const std::string& reportPath);
struct ElevatedApplyRequest {
    NetshValues Values;
    std::string ReportPath;
    NetshCommandLines Lines;
};
// Raises EqxError saying what it refuses.
ElevatedApplyRequest ParseElevatedApplyRequest(const std::vector<std::string>& arguments);

struct HelperReport {
    bool Refused = false;
    std::string Reason;  // why the request was refused
    ProcessResult Address;
    ProcessResult Dns;
};
inline constexpr std::size_t kMaxReportReason = 4096;
inline constexpr std::size_t kMaxHelperReport = 256 + 2 * (128 + kMaxReportReason + ChildProcess::kMaxOutput);
// Longer texts are cut to what the report holds.
std::string EncodeHelperReport(const HelperReport& report);
// Nothing for a text that is not exactly such a report.
std::optional<HelperReport> DecodeHelperReport(std::string_view text);
