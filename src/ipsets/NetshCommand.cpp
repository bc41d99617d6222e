#include "ipsets/NetshCommand.h"

#include "common/qxError.h"
#include "controls/IPSetRules.h"
#include "common/qxTranslate.h"

namespace {
// A value netsh cannot take, said whole for each value so that no sentence is pieced together.
struct TValueTexts {
    const char* NotText;
    const char* Unquotable;
};

void CheckValue(std::string_view value, const TValueTexts& texts)
{
    const TTextScan scan = ScanText(value);
    if (!scan.Utf8)
        throw EqxError(Tx("NetshCommand", texts.NotText));
    if (scan.Control || scan.QuotationMark)
        throw EqxError(Tx("NetshCommand", texts.Unquotable));
}

const TValueTexts kConnectionName{
    TxNoop("NetshCommand", "The connection name is not valid UTF-8 text"),
    TxNoop("NetshCommand",
           "The connection name contains a quotation mark or a control character and cannot be passed to netsh")};
const TValueTexts kIPAddress{
    TxNoop("NetshCommand", "The IP address is not valid UTF-8 text"),
    TxNoop("NetshCommand", "The IP address contains a quotation mark or a control character and cannot be passed to netsh")};
const TValueTexts kSubnetMask{
    TxNoop("NetshCommand", "The subnet mask is not valid UTF-8 text"),
    TxNoop("NetshCommand",
           "The subnet mask contains a quotation mark or a control character and cannot be passed to netsh")};
const TValueTexts kDefaultGateway{
    TxNoop("NetshCommand", "The default gateway is not valid UTF-8 text"),
    TxNoop("NetshCommand",
           "The default gateway contains a quotation mark or a control character and cannot be passed to netsh")};
const TValueTexts kDnsServer{
    TxNoop("NetshCommand", "The DNS server is not valid UTF-8 text"),
    TxNoop("NetshCommand", "The DNS server contains a quotation mark or a control character and cannot be passed to netsh")};

void CheckLength(const std::string& line, const char* pattern)
{
    const long long length = Utf16Length(line);
    if (length > static_cast<long long>(kMaxNetshCommandLength))
        throw EqxError(Fill(Tx("NetshCommand", pattern),
                            {std::to_string(length), std::to_string(kMaxNetshCommandLength)}));
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
    CheckValue(connectionName, kConnectionName);
    // "...\" would make the closing quotation mark a literal one.
    if (!connectionName.empty() && connectionName.back() == '\\')
        throw EqxError(Tx("NetshCommand", "The connection name ends with a backslash and cannot be passed to netsh"));

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
        CheckValue(address, kIPAddress);
        CheckValue(subnetMask, kSubnetMask);
        CheckValue(gateway, kDefaultGateway);
        CheckValue(dnsServer, kDnsServer);
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
    CheckLength(lines.Address, TxNoop("NetshCommand", "The netsh command for the address would have %1 characters, more than the %2 allowed"));
    CheckLength(lines.Dns, TxNoop("NetshCommand", "The netsh command for the DNS server would have %1 characters, more than the %2 allowed"));
    return lines;
}
