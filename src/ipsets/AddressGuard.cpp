#include "ipsets/AddressGuard.h"

#include "adapters/SystemAddressCheck.h"
#include "adapters/o_AdapterInformation.h"

TAddressGuardResult TAddressGuard::Check(const std::string& Connection, bool Dhcp, const std::string& Address,
                                         const std::string& Mask, const std::function<void()>& Pump) const
{
    TAddressGuardResult result;
    result.Check = DecideAddressCheck(Dhcp, Address, Mask, nullptr);
    if (result.Check == TAddressCheck::None)
        return result;
    const TqxNetworkAdapter* adapter = nullptr;
    try {
        FSource.Manager().EnumerateNetworkAdapters();
        adapter = FSource.AdapterOf(Connection);
    } catch (const std::exception&) {
        // Without a snapshot nothing can be probed: the system checks while it changes the address.
    }
    result.Check = DecideAddressCheck(Dhcp, Address, Mask, adapter);
    if (result.Check == TAddressCheck::Probe && FProber)
        result.HardwareAddress =
            FProber({Address, ProbeSource(Address, Mask, *adapter), adapter->AdaptorIndex()}, Limit, Pump);
    return result;
}

std::string TAddressGuard::AddressLine(const std::string& Line, TAddressCheck Check)
{
    return Check == TAddressCheck::Probe || Check == TAddressCheck::Held ? WithoutSystemAddressCheck(Line) : Line;
}
