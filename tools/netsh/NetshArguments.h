#pragma once
#include <optional>
#include <string>
#include <vector>

#include "netsh/Ipv4Address.h"

namespace netsh {

// A netsh command line understood and checked: what to change, with every value
// already valid, so that carrying it out never stops halfway over a bad value.

enum class NetshVerb { Help, ShowConfig, SetAddress, SetDns };

struct AddressChange {
    bool Dhcp = false;
    Ipv4 Address = 0;
    int Prefix = 0;
    std::optional<Ipv4> Gateway;  // none: no default gateway
    // Static only: NetworkManager checks that no other device uses the address
    // before it takes it ("dad=no" when the caller checked already).
    bool DuplicateCheck = true;
};

struct DnsChange {
    bool Dhcp = false;
    std::optional<Ipv4> Server;  // none with static: no DNS server at all
};

struct NetshRequest {
    NetshVerb Verb = NetshVerb::Help;
    std::string Connection;  // as given; empty for "show config" of every connection
    AddressChange Address;
    DnsChange Dns;
};

// args: the command line without the program name. Keywords are matched without
// regard to case, as netsh does; values are taken as given. Raises ENetshError
// with BadCommandLine or InvalidValue.
NetshRequest ParseNetshArguments(const std::vector<std::string>& args);

// The usage text printed by "netsh help".
const char* NetshUsage();

}  // namespace netsh
