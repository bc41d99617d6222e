#pragma once
#include <string>

#include "netsh/Nmcli.h"

namespace netsh {

// The fields "show config" reads for each connection.
const std::vector<std::string>& ConfigReportFields();

// One connection's block of "netsh interface ip show config", laid out as netsh
// users know it. Live values (IP4.*) are shown while the profile is active, the
// saved settings (ipv4.*) otherwise.
std::string FormatConfigReport(const std::string& name, const NmFields& fields);

}  // namespace netsh
