#include "controls/IPv4Rules.h"
#include "common/qxTranslate.h"

std::optional<Ipv4> ParseIpv4(std::string_view text)
{
    Ipv4 result = 0;
    std::size_t i = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (i >= text.size() || text[i] != '.')
                return std::nullopt;
            ++i;
        }
        std::size_t digits = 0;
        unsigned value = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            if (++digits > 3)
                return std::nullopt;
            value = value * 10 + static_cast<unsigned>(text[i] - '0');
            ++i;
        }
        if (digits == 0 || value > 255)
            return std::nullopt;
        result = (result << 8) | value;
    }
    if (i != text.size())
        return std::nullopt;
    return result;
}

std::string FormatIpv4(Ipv4 address)
{
    return std::to_string(address >> 24) + '.' + std::to_string((address >> 16) & 0xFF) + '.' +
           std::to_string((address >> 8) & 0xFF) + '.' + std::to_string(address & 0xFF);
}

std::optional<int> MaskToPrefix(Ipv4 mask)
{
    // Contiguous ones followed by zeros: the inverted mask plus one is a power of two.
    const Ipv4 hostBits = ~mask;
    if ((hostBits & (hostBits + 1)) != 0)
        return std::nullopt;
    int prefix = 0;
    for (Ipv4 m = mask; m & 0x80000000u; m <<= 1)
        ++prefix;
    return prefix;
}

Ipv4 PrefixToMask(int prefix) { return prefix <= 0 ? 0 : ~Ipv4{0} << (32 - prefix); }

bool InSubnet(Ipv4 address, Ipv4 other, int prefix)
{
    const Ipv4 mask = PrefixToMask(prefix);
    return (address & mask) == (other & mask);
}

bool IsHostOfSubnet(Ipv4 address, int prefix)
{
    if (prefix >= 31)
        return true;
    const Ipv4 hostBits = ~PrefixToMask(prefix);
    return (address & hostBits) != 0 && (address & hostBits) != hostBits;
}

bool IsUnicast(Ipv4 address)
{
    const Ipv4 first = address >> 24;
    return first >= 1 && first <= 223 && first != 127;
}

std::optional<TIPv4Fault> CheckStaticAddress(Ipv4 address, Ipv4 mask, std::optional<Ipv4> gateway)
{
    const auto prefix = MaskToPrefix(mask);
    if (!prefix || *prefix == 0)
        return TIPv4Fault{TIPv4Field::SubnetMask, Fill(Tx("IPv4Rules", "invalid subnet mask \"%1\""), {FormatIpv4(mask)})};
    if (!IsUnicast(address) || !IsHostOfSubnet(address, *prefix))
        return TIPv4Fault{TIPv4Field::Address, Fill(Tx("IPv4Rules", "address %1 cannot be given to a host with mask %2"),
                                                    {FormatIpv4(address), FormatIpv4(mask)})};
    if (!gateway)
        return std::nullopt;
    const std::string subnet = FormatIpv4(address) + "/" + std::to_string(*prefix);
    if (!InSubnet(*gateway, address, *prefix))
        return TIPv4Fault{TIPv4Field::Gateway,
                          Fill(Tx("IPv4Rules", "gateway %1 is outside the subnet of %2"), {FormatIpv4(*gateway), subnet})};
    if (*gateway == address || !IsUnicast(*gateway) || !IsHostOfSubnet(*gateway, *prefix))
        return TIPv4Fault{TIPv4Field::Gateway,
                          Fill(Tx("IPv4Rules", "gateway %1 cannot be a gateway for %2"), {FormatIpv4(*gateway), subnet})};
    return std::nullopt;
}

std::optional<TIPv4Fault> CheckDnsServer(Ipv4 server)
{
    if (IsUnicast(server))
        return std::nullopt;
    return TIPv4Fault{TIPv4Field::DnsServer, Fill(Tx("IPv4Rules", "invalid DNS server \"%1\""), {FormatIpv4(server)})};
}
