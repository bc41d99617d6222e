// netsh's rewrite of a profile NetworkManager handed out: any groups and keys in
// it, any values for the settings netsh changes. Either a refusal, or settings
// where each change stands once and the old address and route lists are gone.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <sstream>

#include "netsh/LooseBus.h"
#include "netsh/NmSettingsEdit.h"

namespace {

// netsh's settings and the key each is written under.
const std::pair<const char*, const char*> kSettings[] = {
    {"ipv4.method", "ipv4.method"},       {"ipv4.addresses", "ipv4.address-data"},
    {"ipv4.gateway", "ipv4.gateway"},     {"ipv4.dns", "ipv4.dns"},
    {"ipv4.ignore-auto-dns", "ipv4.ignore-auto-dns"}, {"ipv4.dad-timeout", "ipv4.dad-timeout"}};

// "group key value" lines, then a line "--", then lines whose first byte picks a
// setting and whose rest is its value.
void Read(const std::string& input, std::map<std::string, std::map<std::string, std::string>>& groups,
          netsh::NmSettingChanges& changes)
{
    std::istringstream lines(input);
    bool inChanges = false;
    for (std::string line; std::getline(lines, line);) {
        if (line == "--") {
            inChanges = true;
        } else if (inChanges && !line.empty()) {
            const auto& [setting, key] = kSettings[static_cast<unsigned char>(line[0]) % std::size(kSettings)];
            changes.emplace_back(setting, line.substr(1));
        } else if (const std::size_t a = line.find(' '), b = line.find(' ', a + 1); b != std::string::npos) {
            groups[line.substr(0, a)][line.substr(a + 1, b - a - 1)] = line.substr(b + 1);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::map<std::string, std::map<std::string, std::string>> groups;
    netsh::NmSettingChanges changes;
    Read(std::string(reinterpret_cast<const char*>(data), size), groups, changes);
    static const LooseBus bus;
    const netsh::Message profile = bus.New();
    int r = sd_bus_message_open_container(profile.get(), 'a', "{sa{sv}}");
    for (const auto& [group, keys] : groups) {
        r |= sd_bus_message_open_container(profile.get(), 'e', "sa{sv}") |
             sd_bus_message_append(profile.get(), "s", group.c_str()) |
             sd_bus_message_open_container(profile.get(), 'a', "{sv}");
        for (const auto& [key, value] : keys)
            r |= sd_bus_message_append(profile.get(), "{sv}", key.c_str(), "s", value.c_str());
        r |= sd_bus_message_close_container(profile.get()) | sd_bus_message_close_container(profile.get());
    }
    r |= sd_bus_message_close_container(profile.get());
    if (r < 0)
        return 0;  // not valid UTF-8: no daemon sends that
    LooseBus::Seal(profile.get());

    const netsh::Message out = bus.New();
    try {
        netsh::AppendChangedSettings(out.get(), profile.get(), changes);
    } catch (const netsh::ENetshError&) {
        return 0;
    }
    LooseBus::Seal(out.get());
    // Every key, by group, as it came out.
    std::map<std::string, int> seen;
    sd_bus_message* m = out.get();
    const char* group = nullptr;
    const char* key = nullptr;
    sd_bus_message_enter_container(m, 'a', "{sa{sv}}");
    while (sd_bus_message_enter_container(m, 'e', "sa{sv}") > 0 && sd_bus_message_read(m, "s", &group) > 0 &&
           sd_bus_message_enter_container(m, 'a', "{sv}") > 0) {
        while (sd_bus_message_enter_container(m, 'e', "sv") > 0 && sd_bus_message_read(m, "s", &key) > 0 &&
               sd_bus_message_skip(m, "v") >= 0 && sd_bus_message_exit_container(m) >= 0)
            ++seen[std::string(group) + "." + key];
        sd_bus_message_exit_container(m);
        sd_bus_message_exit_container(m);
    }
    for (const char* legacy : {"ipv4.addresses", "ipv4.routes", "ipv6.addresses", "ipv6.routes"})
        if (seen.count(legacy))
            std::abort();
    for (const auto& [setting, value] : changes)
        for (const auto& [name, key] : kSettings)
            if (setting == name && seen[key] > 1)
                std::abort();
    return 0;
}
