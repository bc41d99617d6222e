#include "netsh/NmBus.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>

#include "netsh/BusCall.h"
#include "netsh/NetshError.h"

namespace netsh {

namespace {

constexpr const char* kService = kNmService;

std::vector<std::string> ReadPaths(sd_bus_message* m)
{
    std::vector<std::string> paths;
    Check(sd_bus_message_enter_container(m, 'a', "o"), "reading a path list");
    const char* path = nullptr;
    int r;
    while ((r = sd_bus_message_read(m, "o", &path)) > 0)
        paths.emplace_back(path);
    Check(r, "reading a path list");
    Check(sd_bus_message_exit_container(m), "reading a path list");
    return paths;
}

std::vector<std::string> PathsProperty(sd_bus* bus, const std::string& path, const char* interface, const char* name)
{
    BusError error;
    sd_bus_message* raw = nullptr;
    const int r = sd_bus_get_property(bus, kService, path.c_str(), interface, name, &error.Value, &raw, "ao");
    Message reply(raw);
    if (r < 0)
        Fail(error, r, std::string("reading ") + name);
    return ReadPaths(reply.get());
}

std::string StringProperty(sd_bus* bus, const std::string& path, const char* interface, const char* name)
{
    BusError error;
    char* value = nullptr;
    if (sd_bus_get_property_string(bus, kService, path.c_str(), interface, name, &error.Value, &value) < 0)
        return "";
    std::string result(value);
    std::free(value);
    return result;
}

// The few settings netsh needs out of GetSettings' a{sa{sv}}; the rest is skipped.
// A setting at its default is left out of it: ipv4.dad-timeout stays -1 then.
bool ReadProfile(sd_bus* bus, const std::string& path, NmProfile& profile)
{
    BusError error;
    sd_bus_message* raw = nullptr;
    if (sd_bus_call_method(bus, kService, path.c_str(), "org.freedesktop.NetworkManager.Settings.Connection",
                           "GetSettings", &error.Value, &raw, "") < 0)
        return false;  // removed meanwhile, or not ours to see
    Message reply(raw);
    sd_bus_message* m = reply.get();
    const std::string doing = "reading connection " + path;
    Check(sd_bus_message_enter_container(m, 'a', "{sa{sv}}"), doing);
    int group;
    while ((group = sd_bus_message_enter_container(m, 'e', "sa{sv}")) > 0) {
        const char* name = nullptr;
        Check(sd_bus_message_read(m, "s", &name), doing);
        Check(sd_bus_message_enter_container(m, 'a', "{sv}"), doing);
        int entry;
        while ((entry = sd_bus_message_enter_container(m, 'e', "sv")) > 0) {
            const char* key = nullptr;
            Check(sd_bus_message_read(m, "s", &key), doing);
            const std::string setting = std::string(name) + "." + key;
            std::string* target = setting == "connection.id"     ? &profile.Name
                                  : setting == "connection.uuid" ? &profile.Uuid
                                  : setting == "ipv4.method"     ? &profile.Method
                                                                 : nullptr;
            const char* value = nullptr;
            if (target)
                Check(sd_bus_message_read(m, "v", "s", &value), doing);
            else if (setting == "ipv4.dad-timeout")
                Check(sd_bus_message_read(m, "v", "i", &profile.DadTimeout), doing);
            else
                Check(sd_bus_message_skip(m, "v"), doing);
            if (value)
                *target = value;
            Check(sd_bus_message_exit_container(m), doing);
        }
        Check(entry, doing);
        Check(sd_bus_message_exit_container(m), doing);
        Check(sd_bus_message_exit_container(m), doing);
    }
    Check(group, doing);
    Check(sd_bus_message_exit_container(m), doing);
    return !profile.Uuid.empty();
}

}  // namespace

std::vector<NmProfile> ReadProfilesFromBus()
{
    BusConnection bus;
    return ReadProfilesFromBus(bus.Get());
}

std::vector<NmProfile> ReadProfilesFromBus(sd_bus* bus)
{
    // Device of each active profile, by UUID.
    std::map<std::string, std::string> devices;
    for (const std::string& active : PathsProperty(bus, "/org/freedesktop/NetworkManager", kService,
                                                   "ActiveConnections")) {
        const char* interface = "org.freedesktop.NetworkManager.Connection.Active";
        const std::string uuid = StringProperty(bus, active, interface, "Uuid");
        const std::vector<std::string> onDevices = PathsProperty(bus, active, interface, "Devices");
        if (!uuid.empty() && !onDevices.empty())
            devices[uuid] = StringProperty(bus, onDevices.front(), "org.freedesktop.NetworkManager.Device",
                                           "Interface");
    }

    BusError error;
    sd_bus_message* list = nullptr;
    const int listed = sd_bus_call_method(bus, kService, "/org/freedesktop/NetworkManager/Settings",
                                          "org.freedesktop.NetworkManager.Settings", "ListConnections", &error.Value,
                                          &list, "");
    Message reply(list);
    if (listed < 0)
        Fail(error, listed, "listing connections");
    std::vector<NmProfile> profiles;
    for (const std::string& path : ReadPaths(reply.get())) {
        NmProfile profile;
        if (ReadProfile(bus, path, profile)) {
            profile.Device = devices.count(profile.Uuid) ? devices[profile.Uuid] : "";
            profiles.push_back(profile);
        }
    }
    return profiles;
}

}  // namespace netsh
