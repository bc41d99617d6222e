#include "netsh/NmActivationWait.h"

#include <time.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>

#include "netsh/BusCall.h"

namespace netsh {

namespace {

constexpr const char* kActive = "org.freedesktop.NetworkManager.Connection.Active";
constexpr const char* kDevice = "org.freedesktop.NetworkManager.Device";

// NMActiveConnectionState and the reasons of interest.
constexpr unsigned kActivated = 2, kDeactivated = 4;
constexpr unsigned kDeviceDisconnected = 3;
constexpr unsigned kDeviceFailed = 120;  // NMDeviceState
// nmcli's own limit for "connection up".
constexpr std::uint64_t kWaitUs = 90'000'000;

// What the signals told so far about one activation.
struct Watch {
    std::string Active, Device;
    unsigned State = 0, Reason = 0;
    unsigned DeviceReason = 0;  // of the device's last fall into "failed"
    bool DeviceFailed = false;
};

int OnActiveState(sd_bus_message* m, void* data, sd_bus_error*)
{
    auto* watch = static_cast<Watch*>(data);
    std::uint32_t state = 0, reason = 0;
    if (watch->Active == sd_bus_message_get_path(m) && sd_bus_message_read(m, "uu", &state, &reason) >= 0) {
        watch->State = state;
        watch->Reason = reason;
    }
    return 0;
}

int OnDeviceState(sd_bus_message* m, void* data, sd_bus_error*)
{
    auto* watch = static_cast<Watch*>(data);
    std::uint32_t now = 0, before = 0, reason = 0;
    if (watch->Device == sd_bus_message_get_path(m) && sd_bus_message_read(m, "uuu", &now, &before, &reason) >= 0 &&
        now == kDeviceFailed) {
        watch->DeviceFailed = true;
        watch->DeviceReason = reason;
    }
    return 0;
}

std::uint64_t Now()
{
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<std::uint64_t>(t.tv_sec) * 1'000'000 + static_cast<std::uint64_t>(t.tv_nsec) / 1000;
}

// Why an activation ended (NMActiveConnectionStateReason).
std::string ActiveReasonText(unsigned reason)
{
    static const std::map<unsigned, std::string> texts{
        {0, "The reason for the active connection state change is unknown"},
        {1, "No reason given"},
        {2, "The connection was disconnected by the user"},
        {3, "The device the connection was using was disconnected"},
        {4, "The service providing the VPN connection was stopped"},
        {5, "The IP config of the active connection was invalid"},
        {6, "The connection attempt to the VPN service timed out"},
        {11, "The connection was removed"},
        {12, "Master connection failed to activate"},
        {13, "Could not create a software link"},
        {14, "The device disappeared"},
    };
    const auto found = texts.find(reason);
    return found != texts.end() ? found->second : "reason " + std::to_string(reason);
}

// Why a device failed (NMDeviceStateReason). An address that could not be had
// is worded as nmcli words it: IsNoIpConfiguration looks for that.
std::string DeviceReasonText(unsigned reason)
{
    static const std::map<unsigned, std::string> texts{
        {0, "No reason given"},
        {1, "Unknown error"},
        {4, "Configuration failed"},
        {5, "IP configuration could not be reserved (no available address, timeout, etc.)"},
        {6, "The IP configuration is no longer valid"},
        {15, "The DHCP client failed to start"},
        {16, "The DHCP client had an error"},
        {17, "The DHCP client failed"},
        {36, "The device was removed"},
        {38, "The device's active connection disappeared"},
        {39, "Device disconnected by user or client"},
        {40, "Carrier/link changed"},
    };
    const auto found = texts.find(reason);
    return found != texts.end() ? found->second : "device reason " + std::to_string(reason);
}

ENetshError ActivationFailure(const std::string& name, const std::string& reason)
{
    return ENetshError(NetshStatus::ActivationFailed,
                       "activating " + name + " failed: Connection activation failed: " + reason + "; the change is saved");
}

std::string ActivePath(sd_bus* bus, const std::string& connection, const std::string& name)
{
    BusError error;
    sd_bus_message* raw = nullptr;
    const int r = sd_bus_call_method(bus, kNmService, kNmPath, kNmService, "ActivateConnection", &error.Value, &raw,
                                     "ooo", connection.c_str(), "/", "/");
    const Message reply(raw);
    if (r < 0) {
        ENetshError e = BusFailure(error.Value, r, "activating " + name);
        if (e.Status() != NetshStatus::Failed)
            throw e;
        throw ActivationFailure(name, error.Value.message ? error.Value.message : "no reason given");
    }
    const char* path = nullptr;
    Check(sd_bus_message_read(reply.get(), "o", &path), "activating " + name);
    return path;
}

}  // namespace

NmActivation ActivateAndWait(sd_bus* bus, const std::string& connection, const std::string& name)
{
    const std::string doing = "activating " + name;
    Watch watch;
    // Listening first: the signals that come while the calls below wait are kept
    // and handed over only once the paths they are matched against are known.
    sd_bus_slot* activeSlot = nullptr;
    sd_bus_slot* deviceSlot = nullptr;
    Check(sd_bus_match_signal(bus, &activeSlot, kNmService, nullptr, kActive, "StateChanged", OnActiveState, &watch),
          doing);
    const std::unique_ptr<sd_bus_slot, sd_bus_slot* (*)(sd_bus_slot*)> activeOwner(activeSlot, sd_bus_slot_unref);
    Check(sd_bus_match_signal(bus, &deviceSlot, kNmService, nullptr, kDevice, "StateChanged", OnDeviceState, &watch),
          doing);
    const std::unique_ptr<sd_bus_slot, sd_bus_slot* (*)(sd_bus_slot*)> deviceOwner(deviceSlot, sd_bus_slot_unref);

    try {
        watch.Active = ActivePath(bus, connection, name);
    } catch (const ENetshError& e) {
        if (e.Status() == NetshStatus::ActivationFailed && ::strcasestr(e.what(), "No suitable device found"))
            return NmActivation::DeviceUnavailable;
        throw;
    }

    // The state as it is now; later changes come as signals.
    BusError error;
    sd_bus_message* raw = nullptr;
    if (sd_bus_get_property(bus, kNmService, watch.Active.c_str(), kActive, "Devices", &error.Value, &raw, "ao") >= 0) {
        const Message devices(raw);
        const char* device = nullptr;
        if (sd_bus_message_enter_container(devices.get(), 'a', "o") > 0 &&
            sd_bus_message_read(devices.get(), "o", &device) > 0)
            watch.Device = device;
    }
    std::uint32_t state = kDeactivated;
    sd_bus_error_free(&error.Value);
    if (sd_bus_get_property_trivial(bus, kNmService, watch.Active.c_str(), kActive, "State", &error.Value, 'u',
                                    &state) >= 0)
        watch.State = state;
    else
        watch.State = kDeactivated;  // gone already: it ended

    const std::uint64_t until = Now() + kWaitUs;
    while (watch.State != kActivated && watch.State != kDeactivated) {
        const int r = sd_bus_process(bus, nullptr);
        if (r < 0)
            throw BusFailure(SD_BUS_ERROR_NULL, r, doing);
        if (r > 0)
            continue;
        const std::uint64_t now = Now();
        if (now >= until)
            throw ActivationFailure(name, "Timeout expired (90 seconds)");
        Check(sd_bus_wait(bus, until - now), doing);
    }
    if (watch.State == kActivated)
        return NmActivation::Activated;

    std::string reason = ActiveReasonText(watch.Reason);
    if (watch.Reason == kDeviceDisconnected || watch.Reason == 0) {
        if (watch.DeviceFailed) {
            reason = DeviceReasonText(watch.DeviceReason);
        } else if (!watch.Device.empty()) {
            // The fall went by before we listened: the device still says why.
            sd_bus_error_free(&error.Value);
            raw = nullptr;
            if (sd_bus_get_property(bus, kNmService, watch.Device.c_str(), kDevice, "StateReason", &error.Value, &raw,
                                    "(uu)") >= 0) {
                const Message why(raw);
                std::uint32_t deviceState = 0, deviceReason = 0;
                if (sd_bus_message_read(why.get(), "(uu)", &deviceState, &deviceReason) >= 0)
                    reason = DeviceReasonText(deviceReason);
            }
        }
    }
    throw ActivationFailure(name, reason);
}

}  // namespace netsh
