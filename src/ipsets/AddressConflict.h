#pragma once
// Whether applying an IP set could take an address another device on the link
// already uses, and how that is found out. Pure: it works on the adapter the
// set's connection is on now, as the caller found it in the snapshot.
//
//   switch (DecideAddressCheck(dhcp, address, mask, adapter)) {
//   case TAddressCheck::Probe:  ask the link (adapters/AddressProbe.h) from ProbeSource(...)
//   case TAddressCheck::System: let the system check while it changes the address
//   case TAddressCheck::None, TAddressCheck::Held: nothing to check
//   }
#include <string>

class TqxNetworkAdapter;

enum class TAddressCheck {
    None,    // a DHCP set, or values netsh refuses anyway
    Held,    // the adapter holds the address already: taking it takes it from nobody
    Probe,   // the adapter is on the set's subnet now: a device that uses the address answers there
    System,  // no probe possible (no adapter carries the connection, or it is on another network now)
};

TAddressCheck DecideAddressCheck(bool Dhcp, const std::string& Address, const std::string& Mask,
                                 const TqxNetworkAdapter* Adapter);

// The adapter's own address on the set's subnet, the one a probe goes out from; "" when it has none.
std::string ProbeSource(const std::string& Address, const std::string& Mask, const TqxNetworkAdapter& Adapter);
