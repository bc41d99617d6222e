#include "adapters/NetworkChanges.h"

#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "common/qxError.h"
#include "platform/SystemError.h"
#include "common/qxTranslate.h"

namespace {

// NLMSG_OK without its signed/unsigned comparison: the length is compared once known not negative.
bool MessageFits(const nlmsghdr* m, int left)
{
    return left >= static_cast<int>(sizeof *m) && m->nlmsg_len >= sizeof *m &&
           m->nlmsg_len <= static_cast<unsigned>(left);
}

class TNetlinkListener final : public TNetworkChangeListener {
public:
    TNetlinkListener()
    {
        FFd = ::socket(AF_NETLINK, SOCK_RAW | SOCK_NONBLOCK | SOCK_CLOEXEC, NETLINK_ROUTE);
        if (FFd < 0)
            Fail();
        sockaddr_nl local{};
        local.nl_family = AF_NETLINK;
        local.nl_groups = RTMGRP_IPV4_IFADDR | RTMGRP_LINK | RTMGRP_IPV4_ROUTE;
        if (::bind(FFd, reinterpret_cast<const sockaddr*>(&local), sizeof local) < 0) {
            const int error = errno;
            ::close(FFd);
            errno = error;
            Fail();
        }
    }
    ~TNetlinkListener() override { ::close(FFd); }

    int Descriptor() const override { return FFd; }

    int Drain() override
    {
        int changes = 0;
        for (;;) {
            const ssize_t received = ::recv(FFd, FBuffer.data(), FBuffer.size(), 0);
            if (received < 0) {
                if (errno == EINTR)
                    continue;
                if (errno == ENOBUFS) {  // the kernel dropped messages: something changed
                    ++changes;
                    continue;
                }
                return changes;  // EAGAIN: all read
            }
            if (received == 0)
                return changes;
            int left = static_cast<int>(received);
            for (auto* m = reinterpret_cast<const nlmsghdr*>(FBuffer.data()); MessageFits(m, left);
                 m = NLMSG_NEXT(m, left)) {
                switch (m->nlmsg_type) {
                case RTM_NEWADDR:
                case RTM_DELADDR:
                case RTM_NEWLINK:
                case RTM_DELLINK:
                case RTM_NEWROUTE:
                case RTM_DELROUTE:
                    ++changes;
                    break;
                default:
                    break;
                }
            }
        }
    }

private:
    [[noreturn]] static void Fail()
    {
        throw EqxError(Fill(Tx("NetworkChanges", "Cannot listen for network changes: %1"), {SystemErrorText(errno)}));
    }

    int FFd = -1;
    std::vector<char> FBuffer = std::vector<char>(32 * 1024);
};

}  // namespace

std::unique_ptr<TNetworkChangeListener> ListenForNetworkChanges(TNetworkChangeListener::TNotify)
{
    return std::make_unique<TNetlinkListener>();
}
