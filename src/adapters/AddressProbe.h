#pragma once
// Asks the link whether a device already uses an IPv4 address, without special
// rights: on Linux one datagram goes towards the address and the kernel's
// neighbour table (rtnetlink) tells whether a device answered the address
// resolution; on Windows IP Helper's SendARP asks. Either gives up after Limit.
//
//   const std::string device = ProbeAddress({"10.9.0.5", "10.9.0.6", adapterIndex}, 1000ms, pump);
//   if (!device.empty()) ... "10.9.0.5 is already used by the device " + device ...
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct TAddressProbe {
    std::string Address;       // the address asked about
    std::string Source;        // the adapter's own address on that link, sent from
    std::uint32_t AdapterIndex = 0;  // the adapter's interface index (0: any)
};

// The answering device's hardware address ("52:54:00:12:34:56"); "" when none
// answered within Limit, or the probe could not be sent. Pump (may be empty) is
// called while it waits, so a window keeps answering.
std::string ProbeAddress(const TAddressProbe& Probe, std::chrono::milliseconds Limit,
                         const std::function<void()>& Pump);

inline constexpr std::chrono::milliseconds kAddressProbeLimit{1000};

// "52:54:00:12:34:56": lower-case hex pairs joined by colons.
std::string HardwareAddressText(const std::vector<unsigned char>& Address);
