#include "netsh/NmBusControl.h"

#include <algorithm>

#include "netsh/NmActivationWait.h"
#include "netsh/NmSettingsEdit.h"

namespace netsh {

namespace {

constexpr const char* kSettings = "org.freedesktop.NetworkManager.Settings";
constexpr const char* kConnection = "org.freedesktop.NetworkManager.Settings.Connection";
// NMSettingsUpdate2Flags: written to disk, as "nmcli connection modify" does.
constexpr std::uint32_t kToDisk = 0x1;

// The profile's own settings that are read here; anything else goes to nmcli.
const std::vector<std::string> kOwnFields{"ipv4.method", "ipv4.addresses", "ipv4.gateway"};

bool AllOwn(const std::vector<std::string>& fields)
{
    return std::all_of(fields.begin(), fields.end(), [](const std::string& f) {
        return std::find(kOwnFields.begin(), kOwnFields.end(), f) != kOwnFields.end();
    });
}

// "address-data" entries as nmcli lists them: "10.9.0.5/24".
std::vector<std::string> ReadAddressData(sd_bus_message* m, const std::string& doing)
{
    std::vector<std::string> addresses;
    Check(sd_bus_message_enter_container(m, 'v', "aa{sv}"), doing);
    Check(sd_bus_message_enter_container(m, 'a', "a{sv}"), doing);
    while (sd_bus_message_enter_container(m, 'a', "{sv}") > 0) {
        std::string address;
        std::uint32_t prefix = 32;
        while (sd_bus_message_enter_container(m, 'e', "sv") > 0) {
            const char* key = nullptr;
            Check(sd_bus_message_read(m, "s", &key), doing);
            const char* text = nullptr;
            if (std::string(key) == "address" && sd_bus_message_read(m, "v", "s", &text) >= 0)
                address = text;
            else if (std::string(key) == "prefix")
                Check(sd_bus_message_read(m, "v", "u", &prefix), doing);
            else
                Check(sd_bus_message_skip(m, "v"), doing);
            Check(sd_bus_message_exit_container(m), doing);
        }
        Check(sd_bus_message_exit_container(m), doing);
        if (!address.empty())
            addresses.push_back(address + "/" + std::to_string(prefix));
    }
    Check(sd_bus_message_exit_container(m), doing);
    Check(sd_bus_message_exit_container(m), doing);
    return addresses;
}

}  // namespace

std::string NmBusControl::ConnectionPath(const std::string& uuid, const std::string& doing) const
{
    BusError error;
    sd_bus_message* raw = nullptr;
    const int r = sd_bus_call_method(FBus.Get(), kNmService, "/org/freedesktop/NetworkManager/Settings", kSettings,
                                     "GetConnectionByUuid", &error.Value, &raw, "s", uuid.c_str());
    const Message reply(raw);
    if (r < 0) {
        const ENetshError e = BusFailure(error.Value, r, doing);
        if (e.Status() == NetshStatus::Failed)
            throw ENetshError(NetshStatus::UnknownConnection, e.what());
        throw e;
    }
    const char* path = nullptr;
    Check(sd_bus_message_read(reply.get(), "o", &path), doing);
    return path;
}

Message NmBusControl::Settings(const std::string& path, const std::string& doing) const
{
    const Message request = NewNmCall(FBus.Get(), path, kConnection, "GetSettings", doing);
    return CallNm(FBus.Get(), request.get(), doing);
}

NmFields NmBusControl::Fields(const std::string& uuid, const std::vector<std::string>& fields) const
{
    if (!AllOwn(fields))
        return FNmcli.Fields(uuid, fields);
    const std::string doing = "reading connection " + uuid;
    const Message reply = Settings(ConnectionPath(uuid, doing), doing);
    sd_bus_message* m = reply.get();
    NmFields values;
    for (const std::string& f : fields)
        values[f];
    Check(sd_bus_message_enter_container(m, 'a', "{sa{sv}}"), doing);
    while (sd_bus_message_enter_container(m, 'e', "sa{sv}") > 0) {
        const char* group = nullptr;
        Check(sd_bus_message_read(m, "s", &group), doing);
        Check(sd_bus_message_enter_container(m, 'a', "{sv}"), doing);
        while (sd_bus_message_enter_container(m, 'e', "sv") > 0) {
            const char* key = nullptr;
            Check(sd_bus_message_read(m, "s", &key), doing);
            const std::string setting = std::string(group) + "." + key;
            const char* text = nullptr;
            if (setting == "ipv4.address-data" && values.count("ipv4.addresses"))
                values["ipv4.addresses"] = ReadAddressData(m, doing);
            else if (values.count(setting) && sd_bus_message_read(m, "v", "s", &text) >= 0)
                values[setting] = {text};
            else
                Check(sd_bus_message_skip(m, "v"), doing);
            Check(sd_bus_message_exit_container(m), doing);
        }
        Check(sd_bus_message_exit_container(m), doing);
        Check(sd_bus_message_exit_container(m), doing);
    }
    return values;
}

void NmBusControl::Modify(const std::string& uuid,
                          const std::vector<std::pair<std::string, std::string>>& settings) const
{
    const std::string doing = "saving the change";
    const std::string path = ConnectionPath(uuid, doing);
    const Message current = Settings(path, doing);
    const Message request = NewNmCall(FBus.Get(), path, kConnection, "Update2", doing);
    AppendChangedSettings(request.get(), current.get(), settings);
    Check(sd_bus_message_append(request.get(), "ua{sv}", kToDisk, 0), doing);
    CallNm(FBus.Get(), request.get(), doing);
}

NmActivation NmBusControl::Activate(const std::string& uuid, const std::string& name) const
{
    return ActivateAndWait(FBus.Get(), ConnectionPath(uuid, "activating " + name), name);
}

void NmBusControl::Reapply(const std::string& device, const std::string& name) const
{
    const std::string doing = "applying the change to " + name;
    BusError error;
    sd_bus_message* raw = nullptr;
    const int r = sd_bus_call_method(FBus.Get(), kNmService, kNmPath, kNmService, "GetDeviceByIpIface", &error.Value,
                                     &raw, "s", device.c_str());
    const Message reply(raw);
    if (r < 0)
        Fail(error, r, doing);
    const char* path = nullptr;
    Check(sd_bus_message_read(reply.get(), "o", &path), doing);
    // No settings of its own: the saved profile is applied, as "nmcli device reapply" does.
    const Message request = NewNmCall(FBus.Get(), path, "org.freedesktop.NetworkManager.Device", "Reapply", doing);
    Check(sd_bus_message_append(request.get(), "a{sa{sv}}tu", 0, std::uint64_t{0}, std::uint32_t{0}), doing);
    CallNm(FBus.Get(), request.get(), doing);
}

}  // namespace netsh
