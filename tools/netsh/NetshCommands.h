#pragma once
#include <functional>
#include <ostream>

#include "netsh/NetshArguments.h"
#include "netsh/Nmcli.h"

namespace netsh {

// Carries out a checked request through NetworkManager: profiles are looked up
// through profiles, changed through nm. Output for the user goes to out;
// failures are raised as ENetshError.
class NetshCommands {
public:
    using ProfileSource = std::function<std::vector<NmProfile>()>;
    NetshCommands(const NmControl& nm, ProfileSource profiles, std::ostream& out)
        : FNm(nm), FProfiles(std::move(profiles)), FOut(out) {}
    void Run(const NetshRequest& request);

private:
    NmProfile FindProfile(const std::string& name) const;
    void SetAddress(const NetshRequest& request);
    void SetStaticAddress(const NmProfile& profile, const NetshRequest& request);
    // NetworkManager found the address in use: the previous settings go back and
    // the failure names the address (and the device, when the kernel knows it).
    [[noreturn]] void AddressInUse(const NmProfile& profile, const std::string& name, const std::string& address,
                                   const std::vector<std::pair<std::string, std::string>>& previous);
    void SetDns(const NetshRequest& request);
    void ShowConfig(const NetshRequest& request);
    void Activate(const NmProfile& profile, const std::string& name);
    void SavedForLater(const std::string& name);

    const NmControl& FNm;
    ProfileSource FProfiles;
    std::ostream& FOut;
};

}  // namespace netsh
