#include "adapters/AddressProbe.h"

std::string HardwareAddressText(const std::vector<unsigned char>& Address)
{
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (unsigned char byte : Address) {
        if (!text.empty())
            text += ':';
        text += digits[byte >> 4];
        text += digits[byte & 15];
    }
    return text;
}
