#include "controls/IPAddressParse.h"

#include <cstddef>
#include <string>

#include "common/qxText.h"

namespace {

// Characters first..last, 1-based and inclusive; "" when last lies before first.
std::string_view CopyRange(std::string_view text, std::int32_t first, std::int32_t last)
{
    if (first < 1)
        first = 1;
    if (last > static_cast<std::int32_t>(text.size()))
        last = static_cast<std::int32_t>(text.size());
    if (last < first)
        return {};
    return text.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1));
}

constexpr std::int32_t kNotANumber = 256;

}  // namespace

bool TIPAddressParse::Valid() const
{
    if (DotCount != 3)
        return false;
    for (std::int32_t part : Parts)
        if (part < 0 || part > 255)
            return false;
    return true;
}

void CountDots(std::string_view text, TIPAddressParse& parse)
{
    parse.DotCount = 0;
    parse.DotIndex = {};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '.')
            continue;
        if (parse.DotCount < 3)
            parse.DotIndex[static_cast<std::size_t>(parse.DotCount)] = static_cast<std::int32_t>(i + 1);
        ++parse.DotCount;
    }
}

TIPAddressParse ParseIP(std::string_view text)
{
    TIPAddressParse parse;
    CountDots(text, parse);
    const auto& d = parse.DotIndex;
    const std::string_view parts[4] = {
        CopyRange(text, 1, d[0] - 1),
        CopyRange(text, d[0] + 1, d[1] - 1),
        CopyRange(text, d[1] + 1, d[2] - 1),
        CopyRange(text, d[2] + 1, static_cast<std::int32_t>(text.size())),
    };
    for (std::size_t i = 0; i < 4; ++i)
        parse.Parts[i] = TryStrToInt(parts[i]).value_or(kNotANumber);
    return parse;
}

bool IsDottedAddress(std::string_view text)
{
    std::size_t i = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (i >= text.size() || text[i] != '.')
                return false;
            ++i;
        }
        int value = 0;
        std::size_t digits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            if (++digits > 3)
                return false;
            value = value * 10 + (text[i] - '0');
            ++i;
        }
        if (digits == 0 || value > 255)
            return false;
    }
    return i == text.size();
}

bool IsContiguousMask(std::string_view text)
{
    if (!IsDottedAddress(text))
        return false;
    const TIPAddressParse parse = ParseIP(text);
    std::uint32_t mask = 0;
    for (std::int32_t part : parse.Parts)
        mask = (mask << 8) | static_cast<std::uint32_t>(part);
    // Ones then zeros: the host bits plus one is a power of two.
    const std::uint32_t hostBits = ~mask;
    return (hostBits & (hostBits + 1)) == 0;
}
