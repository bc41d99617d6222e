#pragma once
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "netsh/NetshError.h"
#include "netsh/ProcessRunner.h"

namespace netsh {

// NetworkManager as nmcli shows it: terse output with explicit fields, changes as
// "setting value" pairs. Every failure is raised as ENetshError of the right kind.

struct NmProfile {
    std::string Name;
    std::string Uuid;
    std::string Device;  // empty unless the profile is active
    std::string Method;  // ipv4.method: "auto", "manual", ...
    int DadTimeout = -1; // ipv4.dad-timeout: -1 the default, 0 no check, else milliseconds
};

// Field name (without "[n]") to its values, in order; a line listing several
// values (addresses, DNS servers) is split at its commas.
using NmFields = std::map<std::string, std::vector<std::string>>;

enum class NmActivation { Activated, DeviceUnavailable };

// What netsh asks of NetworkManager. Changes are carried out either through
// nmcli (Nmcli) or straight over the bus (NmBusControl); both raise ENetshError
// of the same kinds with the same wording.
class NmControl {
public:
    virtual ~NmControl() = default;
    virtual NmFields Fields(const std::string& uuid, const std::vector<std::string>& fields) const = 0;
    // Saves the settings in the profile in one step; values as nmcli takes them.
    virtual void Modify(const std::string& uuid,
                        const std::vector<std::pair<std::string, std::string>>& settings) const = 0;
    // Brings the profile up and waits until it is; DeviceUnavailable when no
    // device can carry it now.
    virtual NmActivation Activate(const std::string& uuid, const std::string& name) const = 0;
    // Applies the saved profile to the device it is active on, without taking it down.
    virtual void Reapply(const std::string& device, const std::string& name) const = 0;
};

class Nmcli : public NmControl {
public:
    // Takes nmcli's arguments (without "nmcli"); the default runs the real nmcli.
    using Runner = std::function<ProcessResult(const std::vector<std::string>&)>;
    explicit Nmcli(Runner runner = RunNmcli);

    NmFields Fields(const std::string& uuid, const std::vector<std::string>& fields) const override;
    void Modify(const std::string& uuid,
                const std::vector<std::pair<std::string, std::string>>& settings) const override;
    NmActivation Activate(const std::string& uuid, const std::string& name) const override;
    void Reapply(const std::string& device, const std::string& name) const override;

    static ProcessResult RunNmcli(const std::vector<std::string>& args);

private:
    ProcessResult Run(const std::vector<std::string>& args, const std::string& doing) const;
    Runner FRunner;
};

// The error for a failed nmcli run; doing says what was attempted ("changing X").
ENetshError NmcliFailure(const ProcessResult& result, const std::string& doing);

// An activation that failed because NetworkManager could not configure the IPv4
// address (no DHCP answer, or another device answering for a static address).
bool IsNoIpConfiguration(const ENetshError& error);

}  // namespace netsh
