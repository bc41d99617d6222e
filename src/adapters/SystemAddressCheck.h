#pragma once
// The system's own duplicate address detection, and how Netvane takes part in it.
// Linux: our netsh has NetworkManager check a static address while it sets it
// (ipv4.dad-timeout for that activation) unless the line says the check was done
// ("dad=no"), and ends with kNetshAddressInUse, changing nothing, when a device
// answers for the address. Windows: Windows checks every address it sets; its
// address table (IP Helper) tells afterwards whether it found the address duplicate.
//
//   line = WithoutSystemAddressCheck(line);   // Netvane probed before the change
//   ... netsh runs ...
//   if (const std::string why = SystemAddressConflict(address, limit, pump); !why.empty()) ... a failure ...
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

// Our Linux netsh's exit status for "another device uses that address; nothing was changed".
inline constexpr int kNetshAddressInUse = 8;

// The address line for a change Netvane checked itself, or that the user makes regardless.
std::string WithoutSystemAddressCheck(const std::string& AddressLine);

// Whether a netsh that ended with this status refused the address as in use.
bool NetshFoundAddressInUse(std::uint32_t ExitCode);

// After netsh set a static address: why the system will not use it (another
// device has it), or "" when it does. Waits up to Limit while the system is
// still checking; Pump (may be empty) is called meanwhile.
std::string SystemAddressConflict(const std::string& Address, std::chrono::milliseconds Limit,
                                  const std::function<void()>& Pump);
