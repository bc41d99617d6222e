#pragma once
// The look before an IP set is applied: is its address used by another device
// on the link? The connection's adapter is found in a fresh snapshot, the check
// decided (ipsets/AddressConflict.h) and, where it can be, the link probed
// (adapters/AddressProbe.h). The window and the command line both use it.
//
//   const TAddressGuard guard(source);
//   const TAddressGuardResult look = guard.Check(connection, dhcp, address, mask, pump);
//   if (look.InUse()) ... ask, or refuse ...
//   lines.Address = TAddressGuard::AddressLine(lines.Address, look.Check);
#include <chrono>
#include <functional>
#include <string>

#include "adapters/AddressProbe.h"
#include "ipsets/AddressConflict.h"
#include "ipsets/ConnectionAdapters.h"

struct TAddressGuardResult {
    TAddressCheck Check = TAddressCheck::None;
    std::string HardwareAddress;  // the device that answered; "" when none did or no probe was made
    bool InUse() const { return !HardwareAddress.empty(); }
};

class TAddressGuard {
public:
    using TProber = std::function<std::string(const TAddressProbe&, std::chrono::milliseconds,
                                              const std::function<void()>&)>;
    explicit TAddressGuard(TConnectionAdapters Source = {}, TProber Prober = ProbeAddress)
        : FSource(std::move(Source)), FProber(std::move(Prober))
    {
    }

    // Reads the adapters anew (a reading that fails leaves no adapter to probe
    // from) and looks, waiting at most Limit for an answer.
    TAddressGuardResult Check(const std::string& Connection, bool Dhcp, const std::string& Address,
                              const std::string& Mask, const std::function<void()>& Pump) const;

    // The address line for the change as the look left it: when Netvane probed the
    // link, or the adapter holds the address already, the system need not check again.
    static std::string AddressLine(const std::string& Line, TAddressCheck Check);

    std::chrono::milliseconds Limit = kAddressProbeLimit;

private:
    TConnectionAdapters FSource;
    TProber FProber;
};
