#include "ipsets/NetshCommand.h"

#include "common/qxError.h"
#include "controls/IPSetRules.h"

namespace {
void CheckValue(std::string_view value, const char* what)
{
    const TTextScan scan = ScanText(value);
    if (!scan.Utf8)
        throw EqxError(std::string("The ") + what + " is not valid UTF-8 text");
    if (scan.Control || scan.QuotationMark)
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
    const TTextScan scan = ScanText(text);
    return scan.Utf8 ? scan.Utf16Units : -1;
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
