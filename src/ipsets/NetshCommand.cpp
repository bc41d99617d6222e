#include "ipsets/NetshCommand.h"

#include "common/qxError.h"

#include <cstdint>
#include <optional>

namespace {
struct Decoded {
    long long utf16Units = 0;
    bool hasControlOrQuote = false;
};

// Walks the UTF-8 text once: its length as Windows counts it, and whether it holds
// a character that would change how the line is split (quotation mark, C0 or C1
// control, DEL). Empty when the text is not valid UTF-8.
std::optional<Decoded> Decode(std::string_view text)
{
    Decoded result;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::uint32_t code;
        std::size_t extra;
        if (lead < 0x80) {
            code = lead;
            extra = 0;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            code = lead & 0x1Fu;
            extra = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            code = lead & 0x0Fu;
            extra = 2;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            code = lead & 0x07u;
            extra = 3;
        } else {
            return std::nullopt;
        }
        if (i + extra >= text.size())
            return std::nullopt;   // cut off in the middle of a character
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0u) != 0x80u)
                return std::nullopt;
            code = (code << 6) | (next & 0x3Fu);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not text.
        if ((extra == 2 && code < 0x800) || (extra == 3 && (code < 0x10000 || code > 0x10FFFF)) ||
            (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        if (code == '"' || code < 0x20 || (code >= 0x7F && code <= 0x9F))
            result.hasControlOrQuote = true;
        result.utf16Units += code >= 0x10000 ? 2 : 1;
        i += extra + 1;
    }
    return result;
}

void CheckValue(std::string_view value, const char* what)
{
    const std::optional<Decoded> decoded = Decode(value);
    if (!decoded)
        throw EqxError(std::string("The ") + what + " is not valid UTF-8 text");
    if (decoded->hasControlOrQuote)
        throw EqxError(std::string("The ") + what +
                       " contains a quotation mark or a control character and cannot be passed to netsh");
}

void CheckLength(const std::string& line, const char* which)
{
    const long long length = Utf16Length(line);
    if (length > static_cast<long long>(kMaxNetshCommandLength))
        throw EqxError(std::string("The netsh command for the ") + which + " would have " +
                       std::to_string(length) + " characters, more than the " +
                       std::to_string(kMaxNetshCommandLength) + " allowed");
}
}

long long Utf16Length(std::string_view text)
{
    const std::optional<Decoded> decoded = Decode(text);
    return decoded ? decoded->utf16Units : -1;
}

NetshCommandLines ComposeNetshCommands(std::string_view connectionName, bool dhcp, std::string_view address,
                                       std::string_view subnetMask, std::string_view gateway,
                                       std::string_view dnsServer)
{
    CheckValue(connectionName, "connection name");
    // "...\" would make the closing quotation mark a literal one.
    if (!connectionName.empty() && connectionName.back() == '\\')
        throw EqxError("The connection name ends with a backslash and cannot be passed to netsh");

    // netsh reads an argument with "=" as a tag and its value, so a name such as
    // "name=Office" would name another connection; tagged, the whole name is the value.
    const bool tagged = connectionName.find('=') != std::string_view::npos;
    const std::string name = (tagged ? "name=\"" : "\"") + std::string(connectionName) + "\"";
    NetshCommandLines lines;
    lines.Address = "netsh interface ip set address " + name + " ";
    lines.Dns = "netsh interface ip set dns " + name + " ";
    if (dhcp) {
        lines.Address += " dhcp ";
        lines.Dns += " dhcp ";
    } else {
        CheckValue(address, "IP address");
        CheckValue(subnetMask, "subnet mask");
        CheckValue(gateway, "default gateway");
        CheckValue(dnsServer, "DNS server");
        lines.Address += " static ";
        lines.Address.append(address).append(" ").append(subnetMask).append(" ");
        // netsh takes a bare "1" after the mask as the gateway, and a DNS line
        // without a server is refused: "none" is its own word for neither.
        if (gateway.empty())
            lines.Address += "none";
        else
            lines.Address.append(gateway).append(" 1");
        lines.Dns += " static ";
        if (dnsServer.empty())
            lines.Dns += "none";
        else
            lines.Dns.append(dnsServer).append(" primary");
    }
    CheckLength(lines.Address, "address");
    CheckLength(lines.Dns, "DNS server");
    return lines;
}
