// The dotted address parser and the mask check on any text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "controls/IPAddressParse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TIPAddressParse parse = ParseIP(text);
    if (parse.DotCount < 0 || parse.DotCount > static_cast<std::int32_t>(size))
        std::abort();
    parse.Valid();
    const bool dotted = IsDottedAddress(text);
    // A mask is a dotted address first.
    if (IsContiguousMask(text) && !dotted)
        std::abort();
    if (dotted && !parse.Valid())
        std::abort();
    return 0;
}
