#include <gtest/gtest.h>

#include "adapters/o_AdapterInformation.h"
#include "ipsets/AddressConflict.h"

namespace {

std::unique_ptr<TqxNetworkAdapter> Adapter(const TTextList& addresses)
{
    TAdaptorInfo info;
    info.AdapterName = "v0";
    info.IPAddressList = addresses;
    auto adapter = std::make_unique<TqxNetworkAdapter>();
    adapter->LoadFromAdaptorInfo(info);
    return adapter;
}

}  // namespace

TEST(AddressConflict, WhatIsCheckedAndFromWhere)
{
    const auto onLink = Adapter({"", "192.168.77.2", "10.9.0.6"});
    const auto elsewhere = Adapter({"192.168.77.2", ""});
    const auto holding = Adapter({"10.9.0.5"});
    const struct {
        bool dhcp;
        const char* address;
        const char* mask;
        const TqxNetworkAdapter* adapter;
        TAddressCheck check;
        const char* source;
    } cases[] = {
        {false, "10.9.0.5", "255.255.255.0", onLink.get(), TAddressCheck::Probe, "10.9.0.6"},
        {false, "10.9.0.5", "255.255.0.0", onLink.get(), TAddressCheck::Probe, "10.9.0.6"},
        {false, "10.9.0.5", "255.255.255.254", onLink.get(), TAddressCheck::System, ""},  // 10.9.0.4/31
        {false, "10.9.0.5", "255.255.255.0", elsewhere.get(), TAddressCheck::System, ""},
        {false, "10.9.0.5", "255.255.255.0", nullptr, TAddressCheck::System, ""},
        {false, "010.9.0.5", "255.255.255.0", holding.get(), TAddressCheck::Held, ""},
        {true, "0.0.0.0", "0.0.0.0", onLink.get(), TAddressCheck::None, ""},
        {false, "10.9.0.5", "255.0.255.0", onLink.get(), TAddressCheck::None, ""},  // netsh refuses it anyway
        {false, "10.9.0.5", "", nullptr, TAddressCheck::None, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecideAddressCheck(c.dhcp, c.address, c.mask, c.adapter), c.check) << c.address << " " << c.mask;
        if (c.adapter) {
            EXPECT_EQ(ProbeSource(c.address, c.mask, *c.adapter), c.source) << c.address << " " << c.mask;
        }
    }
}
