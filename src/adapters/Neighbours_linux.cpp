#include "adapters/Neighbours_linux.h"

#include <arpa/inet.h>
#include <linux/neighbour.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr std::uint16_t kAnsweredStates = NUD_REACHABLE | NUD_STALE | NUD_DELAY | NUD_PROBE | NUD_PERMANENT;

// Reads one neighbour message's body: the fixed part, then its attributes.
bool ReadNeighbour(const unsigned char* Body, std::size_t Size, TNeighbour& Out)
{
    if (Size < sizeof(ndmsg))
        return false;
    ndmsg header;
    std::memcpy(&header, Body, sizeof header);
    if (header.ndm_family != AF_INET)
        return false;
    Out.Index = header.ndm_ifindex;
    Out.State = header.ndm_state;
    bool haveAddress = false;
    std::size_t at = NLMSG_ALIGN(sizeof(ndmsg));
    while (at + sizeof(rtattr) <= Size) {
        rtattr attribute;
        std::memcpy(&attribute, Body + at, sizeof attribute);
        if (attribute.rta_len < sizeof(rtattr) || attribute.rta_len > Size - at)
            return false;
        const unsigned char* value = Body + at + RTA_LENGTH(0);
        const std::size_t length = attribute.rta_len - RTA_LENGTH(0);
        if (attribute.rta_type == NDA_DST) {
            if (length != 4)
                return false;
            char text[INET_ADDRSTRLEN] = {};
            ::inet_ntop(AF_INET, value, text, sizeof text);
            Out.Address = text;
            haveAddress = true;
        } else if (attribute.rta_type == NDA_LLADDR) {
            Out.HardwareAddress.assign(value, value + length);
        }
        at += RTA_ALIGN(attribute.rta_len);
    }
    return haveAddress;
}

}  // namespace

TNeighbourBatch ReadNeighbourMessages(const void* Data, std::size_t Size)
{
    TNeighbourBatch batch;
    const auto* bytes = static_cast<const unsigned char*>(Data);
    std::size_t at = 0;
    while (at + sizeof(nlmsghdr) <= Size) {
        nlmsghdr header;
        std::memcpy(&header, bytes + at, sizeof header);
        if (header.nlmsg_len < sizeof(nlmsghdr) || header.nlmsg_len > Size - at)
            break;
        if (header.nlmsg_type == NLMSG_DONE || header.nlmsg_type == NLMSG_ERROR) {
            batch.End = true;
            break;
        }
        if (header.nlmsg_type == RTM_NEWNEIGH || header.nlmsg_type == RTM_DELNEIGH) {
            TNeighbour neighbour;
            neighbour.Removed = header.nlmsg_type == RTM_DELNEIGH;
            const std::size_t body = NLMSG_HDRLEN;
            if (header.nlmsg_len >= body &&
                ReadNeighbour(bytes + at + body, header.nlmsg_len - body, neighbour))
                batch.Entries.push_back(std::move(neighbour));
        }
        at += NLMSG_ALIGN(header.nlmsg_len);
    }
    return batch;
}

bool HasAnswered(const TNeighbour& Neighbour)
{
    if (Neighbour.Removed || !(Neighbour.State & kAnsweredStates) || Neighbour.HardwareAddress.empty())
        return false;
    for (unsigned char byte : Neighbour.HardwareAddress)
        if (byte != 0)
            return true;
    return false;
}

TNeighbourWatch::TNeighbourWatch()
{
    FFd = ::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE);
    if (FFd < 0)
        return;
    sockaddr_nl local{};
    local.nl_family = AF_NETLINK;
    local.nl_groups = RTMGRP_NEIGH;
    if (::bind(FFd, reinterpret_cast<const sockaddr*>(&local), sizeof local) < 0) {
        ::close(FFd);
        FFd = -1;
    }
}

TNeighbourWatch::~TNeighbourWatch()
{
    if (FFd >= 0)
        ::close(FFd);
}

bool TNeighbourWatch::RequestDump()
{
    struct {
        nlmsghdr Header;
        ndmsg Body;
    } request{};
    request.Header.nlmsg_len = sizeof request;
    request.Header.nlmsg_type = RTM_GETNEIGH;
    request.Header.nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
    request.Header.nlmsg_seq = ++FSequence;
    request.Body.ndm_family = AF_INET;
    return FFd >= 0 && ::send(FFd, &request, sizeof request, 0) == static_cast<ssize_t>(sizeof request);
}

std::vector<TNeighbour> TNeighbourWatch::Read(std::chrono::milliseconds Slice, bool& End)
{
    std::vector<TNeighbour> entries;
    if (FFd < 0)
        return entries;
    pollfd ready{FFd, POLLIN, 0};
    int timeout = static_cast<int>(Slice.count());
    static thread_local std::vector<char> buffer(64 * 1024);
    // Everything waiting now; the first wait may take the whole slice.
    while (::poll(&ready, 1, timeout) > 0) {
        const ssize_t received = ::recv(FFd, buffer.data(), buffer.size(), MSG_DONTWAIT);
        if (received <= 0) {
            if (received < 0 && (errno == EINTR || errno == EAGAIN))
                continue;
            break;
        }
        TNeighbourBatch batch = ReadNeighbourMessages(buffer.data(), static_cast<std::size_t>(received));
        End = End || batch.End;
        for (TNeighbour& n : batch.Entries)
            entries.push_back(std::move(n));
        timeout = 0;
    }
    return entries;
}

std::vector<TNeighbour> ReadNeighbourTable()
{
    TNeighbourWatch watch;
    std::vector<TNeighbour> table;
    if (!watch.RequestDump())
        return table;
    bool end = false;
    // A dump of even a large table arrives within a few milliseconds; a second is a stuck kernel.
    for (int slices = 0; slices < 50 && !end; ++slices)
        for (TNeighbour& n : watch.Read(std::chrono::milliseconds(20), end))
            table.push_back(std::move(n));
    return table;
}
