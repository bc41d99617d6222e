#include "adapters/SystemAddressCheck.h"

std::string WithoutSystemAddressCheck(const std::string& AddressLine)
{
    return AddressLine + " dad=no";
}

bool NetshFoundAddressInUse(std::uint32_t ExitCode)
{
    return ExitCode == static_cast<std::uint32_t>(kNetshAddressInUse);
}

// netsh itself reports a conflict NetworkManager found, with its exit status.
std::string SystemAddressConflict(const std::string&, std::chrono::milliseconds, const std::function<void()>&)
{
    return "";
}
