#include "netsh/Nmcli.h"

#include <algorithm>
#include <sstream>

#include "common/qxText.h"
#include "netsh/NetshError.h"

namespace netsh {

namespace {

bool ContainsNoCase(std::string text, std::string part)
{
    auto lower = [](std::string& s) {
        std::transform(s.begin(), s.end(), s.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
    };
    lower(text);
    lower(part);
    return text.find(part) != std::string::npos;
}

// nmcli's own reason, one line, without its "Error: " prefix.
std::string Reason(const ProcessResult& result)
{
    std::istringstream lines(result.Err);
    std::string line;
    while (std::getline(lines, line)) {
        line = Trim(line);
        if (line.rfind("Error: ", 0) == 0)
            line = line.substr(7);
        if (!line.empty())
            return line;
    }
    return "nmcli ended with status " + std::to_string(result.ExitCode);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

// nmcli's exit statuses (see nmcli(1)).
constexpr int kActivationFailed = 4;
constexpr int kNotRunning = 8;
constexpr int kNoSuchObject = 10;

}  // namespace

ENetshError NmcliFailure(const ProcessResult& result, const std::string& doing)
{
    const std::string reason = Reason(result);
    if (!result.Started)
        return ENetshError(NetshStatus::NotRunning, "cannot run nmcli (" + result.Err + "): is NetworkManager installed?");
    if (result.ExitCode == kNotRunning || ContainsNoCase(result.Err, "Could not create NMClient object"))
        return ENetshError(NetshStatus::NotRunning, "NetworkManager is not running");
    if (ContainsNoCase(result.Err, "not authorized") || ContainsNoCase(result.Err, "insufficient privileges") ||
        ContainsNoCase(result.Err, "permission denied") || ContainsNoCase(result.Err, "checking authorization"))
        return ENetshError(NetshStatus::NotPermitted, "not permitted: " + doing + " was refused (" + reason + ")");
    if (result.ExitCode == kNoSuchObject)
        return ENetshError(NetshStatus::UnknownConnection, doing + " failed: " + reason);
    // Only activations end so, and they come after the change was saved.
    if (result.ExitCode == kActivationFailed)
        return ENetshError(NetshStatus::ActivationFailed, doing + " failed: " + reason + "; the change is saved");
    return ENetshError(NetshStatus::Failed, doing + " failed: " + reason);
}

bool IsNoIpConfiguration(const ENetshError& error)
{
    return error.Status() == NetshStatus::ActivationFailed &&
           ContainsNoCase(error.what(), "IP configuration could not be reserved");
}

Nmcli::Nmcli(Runner runner) : FRunner(std::move(runner)) {}

ProcessResult Nmcli::RunNmcli(const std::vector<std::string>& args)
{
    std::vector<std::string> argv{"nmcli"};
    argv.insert(argv.end(), args.begin(), args.end());
    // Untranslated messages (they are matched above), but UTF-8 names stay intact.
    return RunProcess(argv, {"LC_ALL=C.UTF-8"});
}

ProcessResult Nmcli::Run(const std::vector<std::string>& args, const std::string& doing) const
{
    ProcessResult result = FRunner(args);
    if (!result.Started || result.ExitCode != 0)
        throw NmcliFailure(result, doing);
    return result;
}

NmFields Nmcli::Fields(const std::string& uuid, const std::vector<std::string>& fields) const
{
    std::string list;
    for (const std::string& f : fields)
        list += (list.empty() ? "" : ",") + f;
    const ProcessResult result =
        Run({"--terse", "--fields", list, "connection", "show", "uuid", uuid}, "reading connection " + uuid);
    // Each line is "field:value" or "FIELD[n]:value"; the value is not escaped.
    NmFields values;
    for (const std::string& line : Lines(result.Out)) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        std::string field = line.substr(0, colon);
        field = field.substr(0, field.find('['));
        std::vector<std::string>& target = values[field];
        // Settings list several values in one line, separated by commas.
        std::istringstream parts(line.substr(colon + 1));
        for (std::string part; std::getline(parts, part, ',');)
            if (!IsBlank(part))
                target.push_back(Trim(part));
    }
    return values;
}

void Nmcli::Modify(const std::string& uuid, const std::vector<std::pair<std::string, std::string>>& settings) const
{
    std::vector<std::string> args{"connection", "modify", "uuid", uuid};
    for (const auto& [setting, value] : settings) {
        args.push_back(setting);
        args.push_back(value);
    }
    Run(args, "saving the change");
}

NmActivation Nmcli::Activate(const std::string& uuid, const std::string& name) const
{
    const ProcessResult result = FRunner({"connection", "up", "uuid", uuid});
    if (result.Started && result.ExitCode == 0)
        return NmActivation::Activated;
    if (result.Started && ContainsNoCase(result.Err, "No suitable device found"))
        return NmActivation::DeviceUnavailable;
    throw NmcliFailure(result, "activating " + name);
}

void Nmcli::Reapply(const std::string& device, const std::string& name) const
{
    Run({"device", "reapply", device}, "applying the change to " + name);
}

}  // namespace netsh
