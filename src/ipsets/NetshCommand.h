#pragma once
// The two netsh command lines that put an IP set onto a connection: pure text
// work, nothing is run here (platform/ProcessRunner.h runs them).
//
//   const NetshCommandLines lines = ComposeNetshCommands(name, dhcp, ip, mask, gateway, dns);
//   ExecuteAndWait(lines.Address, ...); ExecuteAndWait(lines.Dns, ...);
//
// Static set (DHCP off):
//   netsh interface ip set address "<name>"  static <ip> <mask> <gateway> 1
//   netsh interface ip set dns "<name>"  static <dns> primary
// DHCP set (the stored addresses are not used; note the final blank):
//   netsh interface ip set address "<name>"  dhcp 
//   netsh interface ip set dns "<name>"  dhcp 
// An empty gateway gives "... <mask> none" (no metric), an empty DNS server
// "... static none". Other values go in unchanged, not trimmed.
// A connection name with "=" goes in tagged, name="<name>", as netsh would
// otherwise take the text before the "=" for a tag.
//
// Refused with EqxError before anything runs, never cut short:
// - a connection name with a quotation mark or a control character, or ending
//   in a backslash (either would shift the arguments netsh receives);
// - a used address value with a quotation mark or a control character;
// - text that is not valid UTF-8;
// - a line longer than kMaxNetshCommandLength characters (UTF-16 units, as
//   Windows counts them).
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t kMaxNetshCommandLength = 512;

struct NetshCommandLines {
    std::string Address;
    std::string Dns;
};

NetshCommandLines ComposeNetshCommands(std::string_view connectionName, bool dhcp, std::string_view address,
                                       std::string_view subnetMask, std::string_view gateway,
                                       std::string_view dnsServer);

// Length of a UTF-8 text in UTF-16 units; -1 when it is not valid UTF-8.
long long Utf16Length(std::string_view text);
