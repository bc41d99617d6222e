// NetworkManager's view of the adapters it manages, read over D-Bus with sd-bus.
#include <arpa/inet.h>
#include <systemd/sd-bus.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>

#include "adapters/AdapterFacts_linux.h"
#include "platform/SdBus_linux.h"

namespace {

constexpr const char* kService = "org.freedesktop.NetworkManager";
constexpr const char* kProperties = "org.freedesktop.DBus.Properties";
// A hung NetworkManager must not freeze the program for sd-bus's default 25 s.
constexpr std::uint64_t kCallTimeoutUsec = 2'000'000;

// Calls one method of NetworkManager without starting it when it does not run.
// Arguments are all texts. Null on any failure.
TSdBusMessage Call(sd_bus* Bus, const std::string& Path, const char* Interface, const char* Member,
              std::initializer_list<const char*> Texts = {}) {
    sd_bus_message* raw = nullptr;
    if (sd_bus_message_new_method_call(Bus, &raw, kService, Path.c_str(), Interface, Member) < 0)
        return nullptr;
    TSdBusMessage request(raw);
    sd_bus_message_set_auto_start(request.get(), 0);
    for (const char* text : Texts)
        if (sd_bus_message_append_basic(request.get(), 's', text) < 0)
            return nullptr;
    sd_bus_error error = SD_BUS_ERROR_NULL;
    sd_bus_message* reply = nullptr;
    const int result = sd_bus_call(Bus, request.get(), kCallTimeoutUsec, &error, &reply);
    sd_bus_error_free(&error);
    if (result < 0)
        return nullptr;
    return TSdBusMessage(reply);
}

TSdBusMessage GetProperty(sd_bus* Bus, const std::string& Path, const char* Interface, const char* Name) {
    return Call(Bus, Path, kProperties, "Get", {Interface, Name});
}

bool ReadText(sd_bus_message* Message, char Type, std::string& Text) {
    const char* value = nullptr;
    if (sd_bus_message_read_basic(Message, Type, &value) <= 0)
        return false;
    Text = value ? value : "";
    return true;
}

// Walks an a{sv}: for each key, Read gets the message positioned at the variant
// and returns false when it did not consume it (it is then skipped).
template <typename TRead>
bool ForEachEntry(sd_bus_message* Message, TRead Read) {
    if (sd_bus_message_enter_container(Message, 'a', "{sv}") <= 0)
        return false;
    while (sd_bus_message_enter_container(Message, 'e', "sv") > 0) {
        std::string key;
        if (!ReadText(Message, 's', key))
            return false;
        if (!Read(key) && sd_bus_message_skip(Message, "v") < 0)
            return false;
        if (sd_bus_message_exit_container(Message) < 0)
            return false;
    }
    return sd_bus_message_exit_container(Message) >= 0;
}

bool ReadVariantText(sd_bus_message* Message, const char* Contents, char Type, std::string& Text) {
    if (sd_bus_message_enter_container(Message, 'v', Contents) <= 0)
        return false;
    const bool read = ReadText(Message, Type, Text);
    sd_bus_message_exit_container(Message);
    return read;
}

struct TDeviceState {
    std::string Interface;
    std::string Ip4Config;
    std::string Dhcp4Config;
    std::string ActiveConnection;
};

bool ReadDevice(sd_bus* Bus, const std::string& Path, TDeviceState& Device) {
    TSdBusMessage reply = Call(Bus, Path, kProperties, "GetAll", {"org.freedesktop.NetworkManager.Device"});
    if (!reply)
        return false;
    sd_bus_message* m = reply.get();
    return ForEachEntry(m, [&](const std::string& Key) {
        if (Key == "Interface")
            return ReadVariantText(m, "s", 's', Device.Interface);
        if (Key == "Ip4Config")
            return ReadVariantText(m, "o", 'o', Device.Ip4Config);
        if (Key == "Dhcp4Config")
            return ReadVariantText(m, "o", 'o', Device.Dhcp4Config);
        if (Key == "ActiveConnection")
            return ReadVariantText(m, "o", 'o', Device.ActiveConnection);
        return false;
    });
}

bool IsSet(const std::string& Path) { return !Path.empty() && Path != "/"; }

// True when the profile behind the active connection takes its IPv4 settings from DHCP.
bool ProfileUsesDhcp(sd_bus* Bus, const std::string& ActiveConnection) {
    TSdBusMessage profile = GetProperty(Bus, ActiveConnection, "org.freedesktop.NetworkManager.Connection.Active",
                                   "Connection");
    std::string profilePath;
    if (!profile || !ReadVariantText(profile.get(), "o", 'o', profilePath) || !IsSet(profilePath))
        return false;
    TSdBusMessage settings = Call(Bus, profilePath, "org.freedesktop.NetworkManager.Settings.Connection", "GetSettings");
    if (!settings)
        return false;
    sd_bus_message* m = settings.get();
    std::string method;
    if (sd_bus_message_enter_container(m, 'a', "{sa{sv}}") <= 0)
        return false;
    while (sd_bus_message_enter_container(m, 'e', "sa{sv}") > 0) {
        std::string group;
        if (!ReadText(m, 's', group))
            return false;
        if (group == "ipv4") {
            ForEachEntry(m, [&](const std::string& Key) {
                return Key == "method" && ReadVariantText(m, "s", 's', method);
            });
        } else if (sd_bus_message_skip(m, "a{sv}") < 0) {
            return false;
        }
        sd_bus_message_exit_container(m);
    }
    return method == "auto";
}

void ReadDhcp(sd_bus* Bus, const std::string& Dhcp4Config, TAdapterFacts& Adapter) {
    TSdBusMessage reply = GetProperty(Bus, Dhcp4Config, "org.freedesktop.NetworkManager.DHCP4Config", "Options");
    if (!reply)
        return;
    sd_bus_message* m = reply.get();
    if (sd_bus_message_enter_container(m, 'v', "a{sv}") <= 0)
        return;
    std::map<std::string, std::string> options;
    ForEachEntry(m, [&](const std::string& Key) { return ReadVariantText(m, "s", 's', options[Key]); });
    if (!options["dhcp_server_identifier"].empty())
        Adapter.DhcpServers.push_back(options["dhcp_server_identifier"]);
    const long long expiry = std::atoll(options["expiry"].c_str());
    const long long leaseTime = std::atoll(options["dhcp_lease_time"].c_str());
    if (expiry > 0) {
        Adapter.LeaseExpires = expiry;
        Adapter.LeaseObtained = expiry - leaseTime;
    }
}

void ReadDns(sd_bus* Bus, const std::string& Ip4Config, TAdapterFacts& Adapter) {
    TSdBusMessage reply = GetProperty(Bus, Ip4Config, "org.freedesktop.NetworkManager.IP4Config", "Nameservers");
    if (!reply)
        return;
    sd_bus_message* m = reply.get();
    const void* data = nullptr;
    std::size_t size = 0;
    if (sd_bus_message_enter_container(m, 'v', "au") <= 0 || sd_bus_message_read_array(m, 'u', &data, &size) < 0)
        return;
    // Each server is an IPv4 address in network byte order.
    const auto* servers = static_cast<const std::uint32_t*>(data);
    for (std::size_t i = 0; i < size / sizeof(std::uint32_t); ++i) {
        char text[INET_ADDRSTRLEN] = {};
        ::inet_ntop(AF_INET, &servers[i], text, sizeof text);
        Adapter.DnsServers.emplace_back(text);
    }
}

}  // namespace

std::vector<bool> ReadNetworkManagerFacts(std::vector<TAdapterFacts>& Adapters) {
    std::vector<bool> answered(Adapters.size(), false);
    sd_bus* raw = nullptr;
    if (Adapters.empty() || sd_bus_open_system(&raw) < 0)
        return answered;
    TSdBus bus(raw);
    TSdBusMessage devices = Call(bus.get(), "/org/freedesktop/NetworkManager", kService, "GetDevices");
    if (!devices || sd_bus_message_enter_container(devices.get(), 'a', "o") <= 0)
        return answered;

    std::unordered_map<std::string, std::size_t> byName;
    for (std::size_t i = 0; i < Adapters.size(); ++i)
        byName[Adapters[i].Name] = i;
    std::string path;
    while (ReadText(devices.get(), 'o', path)) {
        TDeviceState device;
        if (!ReadDevice(bus.get(), path, device) || !IsSet(device.ActiveConnection))
            continue;
        const auto found = byName.find(device.Interface);
        if (found == byName.end())
            continue;
        TAdapterFacts& adapter = Adapters[found->second];
        adapter.DhcpEnabled = ProfileUsesDhcp(bus.get(), device.ActiveConnection);
        if (IsSet(device.Dhcp4Config))
            ReadDhcp(bus.get(), device.Dhcp4Config, adapter);
        if (IsSet(device.Ip4Config))
            ReadDns(bus.get(), device.Ip4Config, adapter);
        answered[found->second] = true;
    }
    return answered;
}
