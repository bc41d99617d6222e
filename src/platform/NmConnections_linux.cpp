// NetworkManager's devices and connection profiles, read over the system bus with sd-bus.
#include "platform/NmConnections_linux.h"

#include <systemd/sd-bus.h>

#include <algorithm>
#include <memory>

namespace {

constexpr const char* kService = "org.freedesktop.NetworkManager";
constexpr const char* kDeviceInterface = "org.freedesktop.NetworkManager.Device";
// A hung NetworkManager must not hold up the program's start for sd-bus's 25 s.
constexpr std::uint64_t kTimeoutUsec = 2'000'000;

struct TMessageFree {
    void operator()(sd_bus_message* m) const { sd_bus_message_unref(m); }
};
using TReply = std::unique_ptr<sd_bus_message, TMessageFree>;

bool IsObject(const std::string& Path) { return !Path.empty() && Path != "/"; }

bool ReadBasic(sd_bus_message* m, char Type, std::string& Text)
{
    const char* value = nullptr;
    if (sd_bus_message_read_basic(m, Type, &value) <= 0)
        return false;
    Text = value ? value : "";
    return true;
}

// Reads a variant holding one text of the given D-Bus type ("s" or "o").
bool ReadVariantText(sd_bus_message* m, const char* Type, std::string& Text)
{
    if (sd_bus_message_enter_container(m, 'v', Type) <= 0)
        return false;
    const bool ok = ReadBasic(m, Type[0], Text);
    return sd_bus_message_exit_container(m) >= 0 && ok;
}

// Reads an array of object paths ("ao"), the message standing at the array.
bool ReadPaths(sd_bus_message* m, std::vector<std::string>& Paths)
{
    if (sd_bus_message_enter_container(m, 'a', "o") <= 0)
        return false;
    for (std::string path; ReadBasic(m, 'o', path);)
        Paths.push_back(path);
    return sd_bus_message_exit_container(m) >= 0;
}

// Walks an a{sv}; Take reads the variant of a key it wants and says so, the rest is skipped.
template <typename TTake>
bool ReadDictionary(sd_bus_message* m, TTake Take)
{
    if (sd_bus_message_enter_container(m, 'a', "{sv}") <= 0)
        return false;
    while (sd_bus_message_enter_container(m, 'e', "sv") > 0) {
        std::string key;
        if (!ReadBasic(m, 's', key) || (!Take(key) && sd_bus_message_skip(m, "v") < 0) ||
            sd_bus_message_exit_container(m) < 0)
            return false;
    }
    return sd_bus_message_exit_container(m) >= 0;
}

class TNmBus {
public:
    ~TNmBus() { sd_bus_flush_close_unref(FBus); }

    bool Open() { return sd_bus_open_system(&FBus) >= 0; }

    // Null when the call fails. Never starts NetworkManager when it does not run.
    TReply Call(const std::string& Path, const char* Interface, const char* Member,
                std::initializer_list<const char*> Texts = {}) const
    {
        sd_bus_message* request = nullptr;
        if (sd_bus_message_new_method_call(FBus, &request, kService, Path.c_str(), Interface, Member) < 0)
            return nullptr;
        const TReply owned(request);
        sd_bus_message_set_auto_start(request, 0);
        for (const char* text : Texts)
            if (sd_bus_message_append_basic(request, 's', text) < 0)
                return nullptr;
        sd_bus_error error = SD_BUS_ERROR_NULL;
        sd_bus_message* reply = nullptr;
        const int result = sd_bus_call(FBus, request, kTimeoutUsec, &error, &reply);
        sd_bus_error_free(&error);
        return TReply(result < 0 ? nullptr : reply);
    }

    bool ReadDevice(const std::string& Path, TNmDevice& Device) const
    {
        const TReply reply = Call(Path, "org.freedesktop.DBus.Properties", "GetAll", {kDeviceInterface});
        std::string active;
        sd_bus_message* m = reply.get();
        const bool ok = m && ReadDictionary(m, [&](const std::string& Key) {
            if (Key == "Interface")
                return ReadVariantText(m, "s", Device.Interface);
            if (Key == "ActiveConnection")
                return ReadVariantText(m, "o", active);
            if (Key == "AvailableConnections")
                return sd_bus_message_enter_container(m, 'v', "ao") > 0 && ReadPaths(m, Device.Available) &&
                       sd_bus_message_exit_container(m) >= 0;
            return false;
        });
        if (ok && IsObject(active))
            Device.ActiveId = ActiveConnectionId(active);
        return ok;
    }

    std::vector<TNmProfile> ReadProfiles() const
    {
        std::vector<TNmProfile> profiles;
        std::vector<std::string> paths;
        const TReply list = Call("/org/freedesktop/NetworkManager/Settings", "org.freedesktop.NetworkManager.Settings",
                                 "ListConnections");
        if (!list || !ReadPaths(list.get(), paths))
            return profiles;
        for (const std::string& path : paths) {
            TNmProfile profile;
            profile.Path = path;
            if (ReadProfile(profile))
                profiles.push_back(profile);
        }
        return profiles;
    }

private:
    std::string ActiveConnectionId(const std::string& Path) const
    {
        const TReply reply = Call(Path, "org.freedesktop.DBus.Properties", "Get",
                                  {"org.freedesktop.NetworkManager.Connection.Active", "Id"});
        std::string id;
        if (reply)
            ReadVariantText(reply.get(), "s", id);
        return id;
    }

    static bool ReadConnectionGroup(sd_bus_message* m, TNmProfile& Profile)
    {
        return ReadDictionary(m, [&](const std::string& Key) {
            if (Key == "id")
                return ReadVariantText(m, "s", Profile.Id);
            if (Key == "interface-name")
                return ReadVariantText(m, "s", Profile.InterfaceName);
            if (Key == "timestamp")
                return sd_bus_message_read(m, "v", "t", &Profile.Timestamp) > 0;
            return false;
        });
    }

    // The "connection" group of the profile's settings: its name, binding and last use.
    bool ReadProfile(TNmProfile& Profile) const
    {
        const TReply reply = Call(Profile.Path, "org.freedesktop.NetworkManager.Settings.Connection", "GetSettings");
        sd_bus_message* m = reply.get();
        if (!m || sd_bus_message_enter_container(m, 'a', "{sa{sv}}") <= 0)
            return false;
        while (sd_bus_message_enter_container(m, 'e', "sa{sv}") > 0) {
            std::string group;
            if (!ReadBasic(m, 's', group))
                return false;
            const bool read =
                group == "connection" ? ReadConnectionGroup(m, Profile) : sd_bus_message_skip(m, "a{sv}") >= 0;
            if (!read || sd_bus_message_exit_container(m) < 0)
                return false;
        }
        return !Profile.Id.empty();
    }

    sd_bus* FBus = nullptr;
};

}  // namespace

std::string ChooseDeviceConnection(const TNmDevice& Device, const std::vector<TNmProfile>& Profiles)
{
    if (!Device.ActiveId.empty())
        return Device.ActiveId;
    const TNmProfile* best = nullptr;
    bool bestBound = false;
    for (const TNmProfile& profile : Profiles) {
        const bool bound = !Device.Interface.empty() && profile.InterfaceName == Device.Interface;
        const auto& available = Device.Available;
        if (!bound && std::find(available.begin(), available.end(), profile.Path) == available.end())
            continue;
        const bool newer = !best || profile.Timestamp > best->Timestamp;
        if (newer || (profile.Timestamp == best->Timestamp && bound && !bestBound)) {
            best = &profile;
            bestBound = bound;
        }
    }
    return best ? best->Id : "";
}

std::optional<std::vector<TDeviceConnection>> ReadNetworkManagerConnections()
{
    TNmBus bus;
    if (!bus.Open())
        return std::nullopt;
    const TReply devices = bus.Call("/org/freedesktop/NetworkManager", kService, "GetDevices");
    std::vector<std::string> paths;
    if (!devices || !ReadPaths(devices.get(), paths))
        return std::nullopt;
    const std::vector<TNmProfile> profiles = bus.ReadProfiles();
    std::vector<TDeviceConnection> connections;
    for (const std::string& path : paths) {
        TNmDevice device;
        if (bus.ReadDevice(path, device) && !device.Interface.empty())
            connections.push_back({device.Interface, ChooseDeviceConnection(device, profiles)});
    }
    return connections;
}
