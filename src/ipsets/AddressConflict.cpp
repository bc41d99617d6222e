#include "ipsets/AddressConflict.h"

#include "adapters/o_AdapterInformation.h"
#include "controls/IPv4Rules.h"

std::string ProbeSource(const std::string& Address, const std::string& Mask, const TqxNetworkAdapter& Adapter)
{
    const auto address = ParseIpv4(Address);
    const auto mask = ParseIpv4(Mask);
    const auto prefix = mask ? MaskToPrefix(*mask) : std::nullopt;
    if (!address || !prefix || *prefix == 0)
        return "";
    for (const std::string& entry : Adapter.IPAddressList()) {
        const auto own = ParseIpv4(entry);
        if (own && *own != 0 && *own != *address && InSubnet(*own, *address, *prefix))
            return entry;
    }
    return "";
}

TAddressCheck DecideAddressCheck(bool Dhcp, const std::string& Address, const std::string& Mask,
                                 const TqxNetworkAdapter* Adapter)
{
    const auto address = ParseIpv4(Address);
    const auto mask = ParseIpv4(Mask);
    const auto prefix = mask ? MaskToPrefix(*mask) : std::nullopt;
    if (Dhcp || !address || !prefix || *prefix == 0)
        return TAddressCheck::None;
    if (!Adapter)
        return TAddressCheck::System;
    for (const std::string& entry : Adapter->IPAddressList())
        if (ParseIpv4(entry) == address)
            return TAddressCheck::Held;
    return ProbeSource(Address, Mask, *Adapter).empty() ? TAddressCheck::System : TAddressCheck::Probe;
}
