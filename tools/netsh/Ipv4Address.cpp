#include "netsh/Ipv4Address.h"

namespace netsh {

std::optional<Ipv4> ParseIpv4(std::string_view text)
{
    Ipv4 result = 0;
    int parts = 0;
    std::size_t i = 0;
    while (true) {
        std::size_t digits = 0;
        unsigned part = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 4) {
            part = part * 10 + static_cast<unsigned>(text[i] - '0');
            ++i;
            ++digits;
        }
        if (digits == 0 || digits > 3 || part > 255)
            return std::nullopt;
        result = (result << 8) | part;
        if (++parts == 4)
            break;
        if (i >= text.size() || text[i] != '.')
            return std::nullopt;
        ++i;
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

Ipv4 PrefixToMask(int prefix)
{
    return prefix <= 0 ? 0 : ~Ipv4{0} << (32 - prefix);
}

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

}  // namespace netsh
