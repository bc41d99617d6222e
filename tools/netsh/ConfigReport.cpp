#include "netsh/ConfigReport.h"

#include <algorithm>
#include <cstdlib>

#include "netsh/Ipv4Address.h"

namespace netsh {

namespace {

const std::vector<std::string> kNone;

const std::vector<std::string>& Values(const NmFields& fields, const std::string& name)
{
    const auto found = fields.find(name);
    return found == fields.end() ? kNone : found->second;
}

std::string First(const NmFields& fields, const std::string& name)
{
    const auto& values = Values(fields, name);
    return values.empty() ? std::string() : values.front();
}

// "    Label:" padded so that values start in column 43, continuation lines too.
void Line(std::string& out, const std::string& label, const std::string& value)
{
    std::string head = "    " + label;
    head.resize(std::max<std::size_t>(head.size() + 1, 42), ' ');
    out += head + value + "\n";
}

void List(std::string& out, const std::string& label, const std::vector<std::string>& values)
{
    if (values.empty()) {
        Line(out, label, "None");
        return;
    }
    Line(out, label, values.front());
    for (std::size_t i = 1; i < values.size(); ++i)
        out += std::string(42, ' ') + values[i] + "\n";
}

// "10.9.0.5/24" as the address line and the subnet line of netsh.
void Address(std::string& out, const std::string& cidr)
{
    const std::size_t slash = cidr.find('/');
    const auto address = ParseIpv4(cidr.substr(0, slash));
    const int prefix = slash == std::string::npos ? 32 : std::atoi(cidr.c_str() + slash + 1);
    Line(out, "IP Address:", cidr.substr(0, slash));
    if (address && prefix >= 0 && prefix <= 32)
        Line(out, "Subnet Prefix:", FormatIpv4(*address & PrefixToMask(prefix)) + "/" + std::to_string(prefix) +
                                        " (mask " + FormatIpv4(PrefixToMask(prefix)) + ")");
}

}  // namespace

const std::vector<std::string>& ConfigReportFields()
{
    static const std::vector<std::string> fields{"ipv4.method",   "ipv4.addresses", "ipv4.gateway",
                                                 "ipv4.dns",      "ipv4.ignore-auto-dns", "GENERAL.STATE",
                                                 "IP4.ADDRESS",   "IP4.GATEWAY",    "IP4.DNS"};
    return fields;
}

std::string FormatConfigReport(const std::string& name, const NmFields& fields)
{
    const bool active = !First(fields, "GENERAL.STATE").empty();
    const bool dhcp = First(fields, "ipv4.method") == "auto";
    std::string out = "Configuration for interface \"" + name + "\"\n";
    Line(out, "DHCP enabled:", dhcp ? "Yes" : "No");
    for (const std::string& cidr : Values(fields, active ? "IP4.ADDRESS" : "ipv4.addresses"))
        Address(out, cidr);
    const std::string gateway = First(fields, active ? "IP4.GATEWAY" : "ipv4.gateway");
    if (!gateway.empty() && gateway != "--")
        Line(out, "Default Gateway:", gateway);
    if (dhcp && First(fields, "ipv4.ignore-auto-dns") != "yes")
        List(out, "DNS servers configured through DHCP:", active ? Values(fields, "IP4.DNS") : kNone);
    else
        List(out, "Statically Configured DNS Servers:", Values(fields, "ipv4.dns"));
    return out + "\n";
}

}  // namespace netsh
