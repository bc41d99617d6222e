#include "ipsets/ElevatedApply.h"

#include "common/qxError.h"
#include "controls/IPSetRules.h"
#include "platform/CommandLine.h"
#include "platform/SystemError.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <limits>
#include "common/qxTranslate.h"

namespace {
using std::chrono::milliseconds;

constexpr std::string_view kReportHeader = "netvane-elevated-apply-report 1\n";
// Besides the two lines' limits and pauses: the helper's own start and end.
constexpr milliseconds kHelperAllowance{30000};
constexpr milliseconds kLongestLimit{24 * 3600 * 1000};

std::filesystem::path PathOf(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// Only UTF-8 text makes a path, and only an absolute one names the caller's file.
bool IsReportPath(const std::string& path)
{
    return !path.empty() && Utf16Length(path) >= 0 && PathOf(path).is_absolute();
}

// The report file the caller made. The helper makes no file and writes over none
// that holds anything, whatever path it was given.
class ReportWriter {
public:
    bool Open(const std::string& path)
    {
        file_.open(PathOf(path), std::ios::in | std::ios::out | std::ios::binary);
        return file_.is_open() && file_.seekg(0, std::ios::end) && file_.tellg() == std::streampos(0);
    }
    bool Write(const std::string& text)
    {
        file_.seekp(0);
        file_.write(text.data(), static_cast<std::streamsize>(text.size()));
        file_.flush();
        return static_cast<bool>(file_);
    }

private:
    std::fstream file_;
};

void AppendStep(std::string& out, const ProcessResult& step)
{
    const std::string error = step.SystemError.substr(0, kMaxReportReason);
    const std::string output = step.Output.substr(0, ChildProcess::kMaxOutput);
    const long long limit = std::min(step.TimeLimit, kLongestLimit).count();
    out += std::to_string(step.Started) + ' ' + std::to_string(step.TimedOut) + ' ' + std::to_string(step.ExitCode) +
           ' ' + std::to_string(limit) + ' ' + std::to_string(step.SystemErrorCode) + ' ' +
           std::to_string(error.size()) + ' ' + std::to_string(output.size()) + '\n' + error + output + '\n';
}

// Reads a report from its start, trusting no number it finds beyond its bounds.
class ReportReader {
public:
    explicit ReportReader(std::string_view text) : rest_(text) {}
    bool Literal(std::string_view literal)
    {
        if (rest_.substr(0, literal.size()) != literal)
            return false;
        rest_.remove_prefix(literal.size());
        return true;
    }
    // A decimal number up to max, then the character after.
    template <typename T>
    bool Number(T& value, T max, char after)
    {
        const char* end = rest_.data() + rest_.size();
        const auto [stop, error] = std::from_chars(rest_.data(), end, value);
        if (error != std::errc() || stop == rest_.data() || stop == end || *stop != after || value > max)
            return false;
        rest_.remove_prefix(static_cast<std::size_t>(stop - rest_.data()) + 1);
        return true;
    }
    bool Bytes(std::size_t count, std::string& out)
    {
        if (count > rest_.size())
            return false;
        out.assign(rest_.substr(0, count));
        rest_.remove_prefix(count);
        return true;
    }
    bool Step(ProcessResult& step)
    {
        unsigned started = 0, timedOut = 0;
        milliseconds::rep limit = 0;
        std::size_t errorSize = 0, outputSize = 0;
        if (!Number(started, 1u, ' ') || !Number(timedOut, 1u, ' ') ||
            !Number(step.ExitCode, std::uint32_t(0xFFFFFFFF), ' ') || !Number(limit, kLongestLimit.count(), ' ') ||
            !Number(step.SystemErrorCode, std::numeric_limits<int>::max(), ' ') ||
            !Number(errorSize, kMaxReportReason, ' ') || !Number(outputSize, ChildProcess::kMaxOutput, '\n') ||
            limit < 0 || !Bytes(errorSize, step.SystemError) || !Bytes(outputSize, step.Output) || !Literal("\n"))
            return false;
        step.Started = started != 0;
        step.TimedOut = timedOut != 0;
        step.TimeLimit = milliseconds(limit);
        return true;
    }
    bool AtEnd() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

std::string Seconds(milliseconds time)
{
    return std::to_string(std::chrono::duration_cast<std::chrono::seconds>(time).count());
}
}  // namespace

std::vector<std::string> ElevatedApplyArguments(const NetshValues& values, const std::string& reportPath)
{
    if (values.Dhcp)
        return {std::string(kElevatedApplyOption), reportPath, values.Connection, "dhcp", "", "", "", ""};
    return {std::string(kElevatedApplyOption), reportPath, values.Connection, "static",
            values.Address, values.SubnetMask, values.Gateway, values.DnsServer};
}

ElevatedApplyRequest ParseElevatedApplyRequest(const std::vector<std::string>& arguments)
{
    if (arguments.size() != 8 || arguments[0] != kElevatedApplyOption)
        throw EqxError(Fill(Tx("ElevatedApply", "%1 takes exactly seven values"), {kElevatedApplyOption}));
    ElevatedApplyRequest request;
    request.ReportPath = arguments[1];
    if (!IsReportPath(request.ReportPath))
        throw EqxError(Tx("ElevatedApply", "The report path is not an absolute path"));
    NetshValues& values = request.Values;
    values.Connection = arguments[2];
    if (arguments[3] != "static" && arguments[3] != "dhcp")
        throw EqxError(Tx("ElevatedApply", "The mode is neither static nor dhcp"));
    values.Dhcp = arguments[3] == "dhcp";
    values.Address = arguments[4];
    values.SubnetMask = arguments[5];
    values.Gateway = arguments[6];
    values.DnsServer = arguments[7];
    if (values.Dhcp && !(values.Address + values.SubnetMask + values.Gateway + values.DnsServer).empty())
        throw EqxError(Tx("ElevatedApply", "A DHCP request carries no addresses"));
    // The rules applying keeps, so that the helper composes nothing the program would not.
    if (const std::string fault = ConnectionNameFault(values.Connection); !fault.empty())
        throw EqxError(fault);
    if (!values.Dhcp) {
        TStaticValues canonical{values.Address, values.SubnetMask, values.Gateway, values.DnsServer};
        if (CanonicalStaticValues(canonical))
            throw EqxError(Tx("ElevatedApply", "An address value is not a dotted IPv4 address"));
        if (canonical.Address != values.Address || canonical.Mask != values.SubnetMask ||
            canonical.Gateway != values.Gateway || canonical.Dns != values.DnsServer)
            throw EqxError(Tx("ElevatedApply", "An address value is not in the form the program gives"));
    }
    request.Lines = ComposeNetshCommands(values.Connection, values.Dhcp, values.Address, values.SubnetMask,
                                         values.Gateway, values.DnsServer);
    return request;
}

std::string EncodeHelperReport(const HelperReport& report)
{
    std::string out(kReportHeader);
    if (report.Refused) {
        const std::string reason = report.Reason.substr(0, kMaxReportReason);
        return out + "refused " + std::to_string(reason.size()) + '\n' + reason;
    }
    out += "steps\n";
    AppendStep(out, report.Address);
    AppendStep(out, report.Dns);
    return out;
}

std::optional<HelperReport> DecodeHelperReport(std::string_view text)
{
    ReportReader reader(text);
    HelperReport report;
    if (!reader.Literal(kReportHeader))
        return std::nullopt;
    if (reader.Literal("refused ")) {
        std::size_t size = 0;
        report.Refused = true;
        if (!reader.Number(size, kMaxReportReason, '\n') || !reader.Bytes(size, report.Reason) || !reader.AtEnd())
            return std::nullopt;
        return report;
    }
    if (!reader.Literal("steps\n") || !reader.Step(report.Address) || !reader.Step(report.Dns) || !reader.AtEnd())
        return std::nullopt;
    return report;
}

int RunElevatedApplyHelper(const std::vector<std::string>& arguments)
{
    ReportWriter report;
    try {
        const ElevatedApplyRequest request = ParseElevatedApplyRequest(arguments);
        // Nothing runs unless the outcome can be told.
        if (!report.Open(request.ReportPath))
            return 2;
        ProcessRunOptions options;
        options.ShowWindow = 0;  // SW_HIDE
        options.TimeLimit = kNetshTimeLimit;
        options.Pause = kNetshPause;
        const NetshSteps steps = RunNetshLines(request.Lines, options);
        HelperReport told;
        told.Address = steps.Address;
        told.Dns = steps.Dns;
        report.Write(EncodeHelperReport(told));
        return steps.Address.Succeeded() && steps.Dns.Succeeded() ? 0 : 1;
    } catch (const EqxError& e) {
        // Told where it was asked to tell, when that is a report file waiting for it.
        if (arguments.size() > 1 && IsReportPath(arguments[1]) && report.Open(arguments[1])) {
            HelperReport told;
            told.Refused = true;
            told.Reason = e.what();
            report.Write(EncodeHelperReport(told));
        }
        return 2;
    }
}

NetshSteps ApplyThroughHelper(const NetshValues& values, const ElevationSeam& elevation,
                              const ProcessRunOptions& options)
{
    NetshSteps steps;
    int error = 0;
    const std::unique_ptr<ReportFile> report = ReportFile::Create(error);
    if (!report) {
        steps.Whole = {Tx("ApplyReport", "%1 was not applied: no report file could be made for Netvane with "
                                         "administrator rights (%2)"),
                       SystemErrorText(error)};
        return steps;
    }
    std::string parameters;
    for (const std::string& argument : ElevatedApplyArguments(values, report->Path())) {
        if (!parameters.empty())
            parameters += ' ';
        parameters += QuoteArgument(argument);
    }
    std::unique_ptr<ChildProcess> helper = elevation.Start(elevation.HelperProgram, parameters, options.Pump, error);
    if (!helper) {
        steps.Whole = error == kElevationRefused
                          ? TWholeFailure{Tx("ApplyReport", "%1 was not applied: administrator rights were refused"), {}}
                          : TWholeFailure{Tx("ApplyReport", "%1 was not applied: Netvane could not start with "
                                                            "administrator rights (%2)"),
                                          SystemErrorText(error)};
        return steps;
    }
    // The helper keeps each line's limit and pause itself.
    ProcessRunOptions waiting = options;
    waiting.TimeLimit = 2 * (kNetshTimeLimit + kNetshPause) + kHelperAllowance;
    waiting.Pause = milliseconds(0);
    const ProcessResult ended = WaitForChild(std::move(helper), waiting);
    const std::optional<std::string> text = report->Read(kMaxHelperReport);
    const std::optional<HelperReport> told = text ? DecodeHelperReport(*text) : std::nullopt;
    if (!told) {
        steps.Whole = ended.TimedOut
                          ? TWholeFailure{Tx("ApplyReport", "%1 may not have been applied: Netvane with administrator "
                                                            "rights did not finish within %2 seconds"),
                                          Seconds(waiting.TimeLimit)}
                          : TWholeFailure{Tx("ApplyReport", "%1 may not have been applied: Netvane with administrator "
                                                            "rights ended without telling how it went (exit code %2)"),
                                          std::to_string(ended.ExitCode)};
    } else if (told->Refused) {
        steps.Whole = {Tx("ApplyReport", "%1 was not applied: Netvane with administrator rights refused it: %2"),
                       told->Reason};
    } else {
        steps.Address = told->Address;
        steps.Dns = told->Dns;
    }
    return steps;
}
