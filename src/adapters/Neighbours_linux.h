#pragma once
// The kernel's IPv4 neighbour table (the link-layer addresses it has learnt for
// addresses on its links), read over rtnetlink: RTM_NEWNEIGH and RTM_DELNEIGH
// messages, from a dump or as the kernel announces changes. No special rights.
//
//   TNeighbourWatch watch;                 // subscribed before anything is sent
//   watch.RequestDump();
//   for (const TNeighbour& n : watch.Read(std::chrono::milliseconds(20), end)) ...
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct TNeighbour {
    int Index = 0;             // the link's interface index
    std::string Address;       // dotted IPv4 address
    std::uint16_t State = 0;   // NUD_* bits
    std::vector<unsigned char> HardwareAddress;
    bool Removed = false;      // RTM_DELNEIGH
};

struct TNeighbourBatch {
    std::vector<TNeighbour> Entries;
    bool End = false;  // the datagram ended a dump (NLMSG_DONE or NLMSG_ERROR)
};

// The IPv4 neighbour messages of one netlink datagram, in order. Other messages,
// other families and anything malformed (short headers, lengths beyond the
// datagram, attributes out of bounds, a destination that is no IPv4 address)
// are passed over.
TNeighbourBatch ReadNeighbourMessages(const void* Data, std::size_t Size);

// A device answered for the address: the kernel holds a hardware address for it
// in a state it keeps for a device heard from (reachable, stale, delay, probe, permanent).
bool HasAnswered(const TNeighbour& Neighbour);

// A netlink socket that hears the kernel's neighbour changes.
class TNeighbourWatch {
public:
    TNeighbourWatch();
    ~TNeighbourWatch();
    TNeighbourWatch(const TNeighbourWatch&) = delete;
    TNeighbourWatch& operator=(const TNeighbourWatch&) = delete;

    bool Valid() const { return FFd >= 0; }
    // Asks for the whole IPv4 table; its entries come through Read like changes do.
    bool RequestDump();
    // What arrived within Slice (at least one datagram's worth when something did).
    // End becomes true once a requested dump is complete.
    std::vector<TNeighbour> Read(std::chrono::milliseconds Slice, bool& End);

private:
    int FFd = -1;
    std::uint32_t FSequence = 0;
};

// The whole IPv4 table now; empty when it cannot be read.
std::vector<TNeighbour> ReadNeighbourTable();
