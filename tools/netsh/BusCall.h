#pragma once
// Small owners around sd-bus objects and the turning of bus failures into
// ENetshError, shared by everything in netsh that talks to NetworkManager.
#include <systemd/sd-bus.h>

#include <memory>
#include <string>

#include "netsh/NetshError.h"
#include "platform/SdBus_linux.h"

namespace netsh {

inline constexpr const char* kNmService = "org.freedesktop.NetworkManager";
inline constexpr const char* kNmPath = "/org/freedesktop/NetworkManager";

using Bus = TSdBus;
using Message = TSdBusMessage;

// Frees the error's texts however the call ends.
struct BusError {
    sd_bus_error Value = SD_BUS_ERROR_NULL;
    ~BusError() { sd_bus_error_free(&Value); }
};

// One connection to the system bus (DBUS_SYSTEM_BUS_ADDRESS when set), opened on
// first use, so that commands needing no NetworkManager never look for it.
class BusConnection {
public:
    sd_bus* Get();

private:
    Bus FBus;
};

// The error for a failed call: NotRunning when nobody owns NetworkManager's
// name, NotPermitted when it or the bus refused, otherwise Failed.
ENetshError BusFailure(const sd_bus_error& error, int r, const std::string& doing);
[[noreturn]] void Fail(const BusError& error, int r, const std::string& doing);
// Throws Failed for a negative result of reading or writing a message.
void Check(int r, const std::string& doing);

// A call of a method of NetworkManager's, for its arguments to be appended.
Message NewNmCall(sd_bus* bus, const std::string& path, const char* interface, const char* member,
                  const std::string& doing);
// Sends the call and returns the reply; failures are raised.
Message CallNm(sd_bus* bus, sd_bus_message* request, const std::string& doing);

}  // namespace netsh
