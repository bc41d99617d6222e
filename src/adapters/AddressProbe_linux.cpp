#include "adapters/AddressProbe.h"

#include <arpa/inet.h>
#include <linux/neighbour.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

#include "adapters/Neighbours_linux.h"

namespace {

// Sends one byte to the discard port: the kernel resolves the address first, and
// the answer (or its absence) lands in the neighbour table.
void SendTowards(const TAddressProbe& Probe)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return;
    sockaddr_in from{};
    from.sin_family = AF_INET;
    if (!Probe.Source.empty() && ::inet_pton(AF_INET, Probe.Source.c_str(), &from.sin_addr) == 1)
        ::bind(fd, reinterpret_cast<const sockaddr*>(&from), sizeof from);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(9);
    if (::inet_pton(AF_INET, Probe.Address.c_str(), &to.sin_addr) == 1) {
        const char byte = 0;
        ::sendto(fd, &byte, 1, 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    }
    ::close(fd);
}

}  // namespace

std::string ProbeAddress(const TAddressProbe& Probe, std::chrono::milliseconds Limit,
                         const std::function<void()>& Pump)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + Limit;
    // Listening first, so that no answer comes before we hear it.
    TNeighbourWatch watch;
    if (!watch.Valid())
        return "";
    SendTowards(Probe);
    watch.RequestDump();  // an entry the kernel holds already counts as well
    bool end = false;
    while (Clock::now() < deadline) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        for (const TNeighbour& n : watch.Read(std::min(left, std::chrono::milliseconds(20)), end)) {
            if (n.Address != Probe.Address || (Probe.AdapterIndex && n.Index != static_cast<int>(Probe.AdapterIndex)))
                continue;
            if (HasAnswered(n))
                return HardwareAddressText(n.HardwareAddress);
            if (n.State & NUD_FAILED)
                return "";  // the kernel asked and gave up: nobody has it
        }
        if (Pump)
            Pump();
    }
    return "";
}
