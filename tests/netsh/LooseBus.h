#pragma once
// Bus messages without a daemon: a bus on one end of a socket pair is enough for
// sd-bus to compose messages, and a sealed message reads back from its start.
#include <sys/socket.h>
#include <systemd/sd-bus.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

#include "netsh/BusCall.h"

class LooseBus {
public:
    LooseBus()
    {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, FFds) != 0)
            throw std::runtime_error("socketpair failed");
        sd_bus* bus = nullptr;
        if (sd_bus_new(&bus) < 0 || sd_bus_set_fd(bus, FFds[0], FFds[0]) < 0 || sd_bus_start(bus) < 0)
            throw std::runtime_error("no loose bus");
        FBus.reset(bus);
    }
    ~LooseBus() { ::close(FFds[1]); }

    netsh::Message New() const
    {
        sd_bus_message* m = nullptr;
        if (sd_bus_message_new_method_call(FBus.get(), &m, "a.b", "/a", "a.b", "M") < 0)
            throw std::runtime_error("no message");
        return netsh::Message(m);
    }

    // Ends composing and goes back to the first argument, for reading.
    static void Seal(sd_bus_message* m)
    {
        if (sd_bus_message_seal(m, 1, 0) < 0 || sd_bus_message_rewind(m, true) < 0)
            throw std::runtime_error("cannot seal");
    }

private:
    int FFds[2] = {-1, -1};
    netsh::Bus FBus;
};

// The message's arguments from where it stands, as text: strings as they are,
// numbers (i, u) in decimal, booleans yes/no, containers in brackets, "key=value" for
// dictionary entries, variants by their contents.
inline std::string RenderMessage(sd_bus_message* m)
{
    std::string text;
    char type = 0;
    const char* contents = nullptr;
    while (sd_bus_message_peek_type(m, &type, &contents) > 0) {
        if (!text.empty())
            text += ' ';
        if (type == 'a' || type == 'e' || type == 'r' || type == 'v') {
            if (sd_bus_message_enter_container(m, type, contents) < 0)
                throw std::runtime_error("cannot enter");
            std::string inner = RenderMessage(m);
            sd_bus_message_exit_container(m);
            if (type == 'e')
                inner.replace(inner.find(' '), 1, "=");
            text += type == 'a' ? "[" + inner + "]" : type == 'r' ? "(" + inner + ")" : inner;
            continue;
        }
        union {
            int b;
            std::int32_t i;
            std::uint32_t u;
            const char* s;
        } v{};
        if (sd_bus_message_read_basic(m, type, &v) < 0)
            throw std::runtime_error("cannot read");
        text += type == 'b' ? (v.b ? "yes" : "no")
                : type == 'i' ? std::to_string(v.i)
                : type == 'u' ? std::to_string(v.u)
                              : std::string(v.s);
    }
    return text;
}
