#pragma once
#include <ostream>

#include "netsh/NetshArguments.h"
#include "netsh/Nmcli.h"

namespace netsh {

// Carries out a checked request through NetworkManager. Output for the user goes
// to out; failures are raised as ENetshError.
class NetshCommands {
public:
    NetshCommands(const Nmcli& nm, std::ostream& out) : FNm(nm), FOut(out) {}
    void Run(const NetshRequest& request);

private:
    NmProfile FindProfile(const std::string& name) const;
    void SetAddress(const NetshRequest& request);
    void SetDns(const NetshRequest& request);
    void ShowConfig(const NetshRequest& request);
    void Activate(const NmProfile& profile, const std::string& name);
    void SavedForLater(const std::string& name);

    const Nmcli& FNm;
    std::ostream& FOut;
};

}  // namespace netsh
