#pragma once
#include "netsh/BusCall.h"
#include "netsh/Nmcli.h"

namespace netsh {

// NetworkManager driven straight over the system bus: a change costs a few bus
// calls instead of an nmcli run, which first loads NetworkManager's whole state.
// Activations are waited for as nmcli waits for them. Fields of the live state
// (IP4.*, GENERAL.*) are still read through nmcli, which lays them out.
class NmBusControl : public NmControl {
public:
    NmBusControl(BusConnection& bus, const Nmcli& nmcli) : FBus(bus), FNmcli(nmcli) {}

    NmFields Fields(const std::string& uuid, const std::vector<std::string>& fields) const override;
    void Modify(const std::string& uuid,
                const std::vector<std::pair<std::string, std::string>>& settings) const override;
    NmActivation Activate(const std::string& uuid, const std::string& name) const override;
    void Reapply(const std::string& device, const std::string& name) const override;

private:
    std::string ConnectionPath(const std::string& uuid, const std::string& doing) const;
    Message Settings(const std::string& path, const std::string& doing) const;

    BusConnection& FBus;
    const Nmcli& FNmcli;
};

}  // namespace netsh
