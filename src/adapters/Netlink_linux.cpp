// The kernel's view of the adapters, read over rtnetlink in three dumps:
// links, IPv4 addresses, IPv4 routes of the main table.
// glibc's net/if.h must come before the kernel headers that include linux/if.h.
#include <net/if.h>
#include <arpa/inet.h>
#include <linux/ethtool.h>
#include <linux/if_arp.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <linux/sockios.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <unordered_map>
#include <vector>

#include "adapters/AdapterFacts_linux.h"

namespace {

// NLMSG_OK, with the length compared as unsigned once it is known not to be negative.
bool MessageFits(const nlmsghdr* m, int left)
{
    return left >= static_cast<int>(sizeof *m) && m->nlmsg_len >= sizeof *m &&
           m->nlmsg_len <= static_cast<unsigned>(left);
}

// Closes the descriptor however the reading ends.
class TFd {
public:
    explicit TFd(int Fd) : FFd(Fd) {}
    ~TFd() {
        if (FFd >= 0)
            ::close(FFd);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int Get() const { return FFd; }

private:
    int FFd;
};

constexpr unsigned long kSiocGiwName = 0x8B01;  // wireless extensions: answers only on wireless devices

using TMessageHandler = std::function<void(const nlmsghdr&)>;

// Sends one dump request and hands every answer to Handle. False when the
// kernel refuses or the socket fails.
bool Dump(int Fd, std::uint16_t Type, const void* Header, std::size_t HeaderSize, std::uint32_t Sequence,
          const TMessageHandler& Handle) {
    alignas(nlmsghdr) char request[NLMSG_SPACE(sizeof(ifinfomsg)) + RTA_SPACE(sizeof(std::uint32_t))] = {};
    auto* h = reinterpret_cast<nlmsghdr*>(request);
    h->nlmsg_len = static_cast<std::uint32_t>(NLMSG_LENGTH(HeaderSize));
    h->nlmsg_type = Type;
    h->nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
    h->nlmsg_seq = Sequence;
    std::memcpy(NLMSG_DATA(h), Header, HeaderSize);
    if (Type == RTM_GETLINK) {
        // Statistics make up most of a link message and are not wanted here.
        auto* attribute = reinterpret_cast<rtattr*>(request + NLMSG_ALIGN(h->nlmsg_len));
        attribute->rta_type = IFLA_EXT_MASK;
        attribute->rta_len = RTA_LENGTH(sizeof(std::uint32_t));
        const std::uint32_t mask = RTEXT_FILTER_SKIP_STATS;
        std::memcpy(RTA_DATA(attribute), &mask, sizeof mask);
        h->nlmsg_len = NLMSG_ALIGN(h->nlmsg_len) + attribute->rta_len;
    }
    if (::send(Fd, request, h->nlmsg_len, 0) < 0)
        return false;

    static thread_local std::vector<char> buffer(64 * 1024);
    for (;;) {
        const ssize_t received = ::recv(Fd, buffer.data(), buffer.size(), 0);
        if (received < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (received == 0)
            return false;
        int left = static_cast<int>(received);
        for (auto* m = reinterpret_cast<nlmsghdr*>(buffer.data()); MessageFits(m, left); m = NLMSG_NEXT(m, left)) {
            if (m->nlmsg_seq != Sequence)
                continue;
            if (m->nlmsg_type == NLMSG_DONE)
                return true;
            if (m->nlmsg_type == NLMSG_ERROR)
                return false;
            Handle(*m);
        }
    }
}

std::string Dotted(const void* Address) {
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, Address, text, sizeof text);
    return text;
}

std::string MaskOf(unsigned PrefixLength) {
    const std::uint32_t bits = PrefixLength == 0 ? 0 : ~std::uint32_t{0} << (32 - std::min(PrefixLength, 32u));
    const std::uint32_t network = htonl(bits);
    return Dotted(&network);
}

bool AskInterface(int Fd, unsigned long Request, const std::string& Name, void* Data) {
    ifreq request{};
    std::strncpy(request.ifr_name, Name.c_str(), IFNAMSIZ - 1);
    request.ifr_data = static_cast<char*>(Data);
    return ::ioctl(Fd, Request, &request) == 0;
}

// Virtual devices are described by their kind (veth, bridge, ...); the others
// by their driver from ethtool, else by a plain kind.
void DescribeDevice(int IoctlFd, TAdapterFacts& Adapter, unsigned short HardwareType) {
    if (!Adapter.Description.empty())
        return;
    const bool wireless = HardwareType == ARPHRD_ETHER && IoctlFd >= 0 && [&] {
        char name[40] = {};
        return AskInterface(IoctlFd, kSiocGiwName, Adapter.Name, name);
    }();
    if (wireless)
        Adapter.Type = kAdapterTypeWireless;
    ethtool_drvinfo info{};
    info.cmd = ETHTOOL_GDRVINFO;
    if (IoctlFd >= 0 && AskInterface(IoctlFd, SIOCETHTOOL, Adapter.Name, &info) && info.driver[0] != '\0') {
        Adapter.Description.assign(info.driver, ::strnlen(info.driver, sizeof info.driver));
        return;
    }
    if (wireless)
        Adapter.Description = "Wireless";
    else if (HardwareType == ARPHRD_ETHER)
        Adapter.Description = "Ethernet";
    else if (HardwareType == ARPHRD_PPP)
        Adapter.Description = "PPP";
    else
        Adapter.Description = "Network adapter";
}

std::uint32_t TypeNumber(unsigned short HardwareType) {
    switch (HardwareType) {
    case ARPHRD_ETHER:
        return kAdapterTypeEthernet;
    case ARPHRD_PPP:
        return kAdapterTypePpp;
    case ARPHRD_LOOPBACK:
        return kAdapterTypeLoopback;
    default:
        return kAdapterTypeOther;
    }
}

struct TLinkReading {
    std::vector<TAdapterFacts>& Adapters;
    std::vector<unsigned short> HardwareTypes;
    std::unordered_map<std::uint32_t, std::size_t> ByIndex;
};

void OnLink(TLinkReading& Reading, const nlmsghdr& Message) {
    if (Message.nlmsg_type != RTM_NEWLINK)
        return;
    const auto* info = static_cast<const ifinfomsg*>(NLMSG_DATA(&Message));
    if (info->ifi_type == ARPHRD_LOOPBACK || (info->ifi_flags & IFF_LOOPBACK))
        return;  // as on Windows, loopback is not an adapter
    TAdapterFacts adapter;
    adapter.Index = static_cast<std::uint32_t>(info->ifi_index);
    adapter.Type = TypeNumber(info->ifi_type);
    int length = static_cast<int>(IFLA_PAYLOAD(&Message));
    for (auto* a = IFLA_RTA(info); RTA_OK(a, length); a = RTA_NEXT(a, length)) {
        const auto* data = static_cast<const char*>(RTA_DATA(a));
        const std::size_t size = RTA_PAYLOAD(a);
        if (a->rta_type == IFLA_IFNAME) {
            adapter.Name.assign(data, ::strnlen(data, size));
        } else if (a->rta_type == IFLA_ADDRESS) {
            adapter.HardwareAddress.assign(data, data + size);
        } else if (a->rta_type == IFLA_LINKINFO) {
            int inner = static_cast<int>(size);
            for (auto* k = static_cast<rtattr*>(RTA_DATA(a)); RTA_OK(k, inner); k = RTA_NEXT(k, inner))
                if (k->rta_type == IFLA_INFO_KIND) {
                    const auto* kind = static_cast<const char*>(RTA_DATA(k));
                    adapter.Description.assign(kind, ::strnlen(kind, RTA_PAYLOAD(k)));
                }
        }
    }
    Reading.ByIndex[adapter.Index] = Reading.Adapters.size();
    Reading.HardwareTypes.push_back(info->ifi_type);
    Reading.Adapters.push_back(std::move(adapter));
}

void OnAddress(TLinkReading& Reading, const nlmsghdr& Message) {
    if (Message.nlmsg_type != RTM_NEWADDR)
        return;
    const auto* info = static_cast<const ifaddrmsg*>(NLMSG_DATA(&Message));
    const auto found = Reading.ByIndex.find(info->ifa_index);
    if (info->ifa_family != AF_INET || found == Reading.ByIndex.end())
        return;
    const void* local = nullptr;
    const void* address = nullptr;
    int length = static_cast<int>(IFA_PAYLOAD(&Message));
    for (auto* a = IFA_RTA(info); RTA_OK(a, length); a = RTA_NEXT(a, length)) {
        if (a->rta_type == IFA_LOCAL)
            local = RTA_DATA(a);
        else if (a->rta_type == IFA_ADDRESS)
            address = RTA_DATA(a);
    }
    // On point-to-point links IFA_ADDRESS is the far end; IFA_LOCAL is ours.
    if (const void* own = local ? local : address)
        Reading.Adapters[found->second].Addresses.push_back({Dotted(own), MaskOf(info->ifa_prefixlen)});
}

void AddDefaultRoute(TLinkReading& Reading, int OutInterface, const void* Gateway) {
    const auto found = Reading.ByIndex.find(static_cast<std::uint32_t>(OutInterface));
    if (found == Reading.ByIndex.end())
        return;
    TAdapterFacts& adapter = Reading.Adapters[found->second];
    adapter.HasDefaultRoute = true;
    if (!Gateway)
        return;
    std::string text = Dotted(Gateway);
    if (std::find(adapter.Gateways.begin(), adapter.Gateways.end(), text) == adapter.Gateways.end())
        adapter.Gateways.push_back(std::move(text));
}

void OnRoute(TLinkReading& Reading, const nlmsghdr& Message) {
    if (Message.nlmsg_type != RTM_NEWROUTE)
        return;
    const auto* info = static_cast<const rtmsg*>(NLMSG_DATA(&Message));
    if (info->rtm_family != AF_INET || info->rtm_dst_len != 0 || info->rtm_type != RTN_UNICAST)
        return;
    std::uint32_t table = info->rtm_table;
    int outInterface = 0;
    const void* gateway = nullptr;
    const rtattr* multipath = nullptr;
    int length = static_cast<int>(RTM_PAYLOAD(&Message));
    for (auto* a = RTM_RTA(info); RTA_OK(a, length); a = RTA_NEXT(a, length)) {
        if (a->rta_type == RTA_TABLE)
            std::memcpy(&table, RTA_DATA(a), sizeof table);
        else if (a->rta_type == RTA_OIF)
            std::memcpy(&outInterface, RTA_DATA(a), sizeof outInterface);
        else if (a->rta_type == RTA_GATEWAY)
            gateway = RTA_DATA(a);
        else if (a->rta_type == RTA_MULTIPATH)
            multipath = a;
    }
    if (table != RT_TABLE_MAIN)
        return;
    if (outInterface != 0)
        AddDefaultRoute(Reading, outInterface, gateway);
    if (!multipath)
        return;
    // A route over several next hops: each hop names its own interface and gateway.
    int left = static_cast<int>(RTA_PAYLOAD(multipath));
    for (auto* hop = static_cast<const rtnexthop*>(RTA_DATA(multipath)); left >= static_cast<int>(sizeof(rtnexthop)) &&
                                                                        hop->rtnh_len >= sizeof(rtnexthop) &&
                                                                        hop->rtnh_len <= left;
         left -= RTNH_ALIGN(hop->rtnh_len), hop = RTNH_NEXT(hop)) {
        const void* hopGateway = nullptr;
        int attributes = static_cast<int>(hop->rtnh_len - sizeof(rtnexthop));
        for (auto* a = reinterpret_cast<const rtattr*>(RTNH_DATA(hop)); RTA_OK(a, attributes);
             a = RTA_NEXT(a, attributes))
            if (a->rta_type == RTA_GATEWAY)
                hopGateway = RTA_DATA(a);
        AddDefaultRoute(Reading, hop->rtnh_ifindex, hopGateway);
    }
}

}  // namespace

bool ReadKernelAdapters(std::vector<TAdapterFacts>& Adapters) {
    TFd netlink(::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE));
    if (netlink.Get() < 0)
        return false;
    TLinkReading reading{Adapters, {}, {}};

    ifinfomsg links{};
    links.ifi_family = AF_UNSPEC;
    if (!Dump(netlink.Get(), RTM_GETLINK, &links, sizeof links, 1,
              [&](const nlmsghdr& m) { OnLink(reading, m); }))
        return false;
    ifaddrmsg addresses{};
    addresses.ifa_family = AF_INET;
    if (!Dump(netlink.Get(), RTM_GETADDR, &addresses, sizeof addresses, 2,
              [&](const nlmsghdr& m) { OnAddress(reading, m); }))
        return false;
    rtmsg routes{};
    routes.rtm_family = AF_INET;
    if (!Dump(netlink.Get(), RTM_GETROUTE, &routes, sizeof routes, 3,
              [&](const nlmsghdr& m) { OnRoute(reading, m); }))
        return false;

    TFd ioctlSocket(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    for (std::size_t i = 0; i < Adapters.size(); ++i)
        DescribeDevice(ioctlSocket.Get(), Adapters[i], reading.HardwareTypes[i]);
    return true;
}
