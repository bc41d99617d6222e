#pragma once
// Owners of sd-bus objects: a connection flushed and closed, a message unreferenced,
// however the code that holds them ends.
#include <systemd/sd-bus.h>

#include <memory>

struct TSdBusUnref {
    void operator()(sd_bus* bus) const { sd_bus_flush_close_unref(bus); }
};
struct TSdBusMessageUnref {
    void operator()(sd_bus_message* message) const { sd_bus_message_unref(message); }
};
using TSdBus = std::unique_ptr<sd_bus, TSdBusUnref>;
using TSdBusMessage = std::unique_ptr<sd_bus_message, TSdBusMessageUnref>;
