// The kernel's neighbour messages as netlink delivers them: any datagram is
// read without reading past it, and every entry read has an IPv4 address.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "adapters/AddressProbe.h"
#include "adapters/Neighbours_linux.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const TNeighbourBatch batch = ReadNeighbourMessages(data, size);
    for (const TNeighbour& n : batch.Entries) {
        if (n.Address.empty() || n.Address.size() > 15)
            std::abort();
        if (HasAnswered(n) && HardwareAddressText(n.HardwareAddress).size() != n.HardwareAddress.size() * 3 - 1)
            std::abort();
    }
    return 0;
}
