#include "netsh/NmSettingsEdit.h"

#include <arpa/inet.h>

#include <algorithm>
#include <charconv>
#include <map>
#include <set>
#include <sstream>

#include "common/qxText.h"
#include "netsh/BusCall.h"
#include "netsh/Ipv4Address.h"

namespace netsh {

namespace {

const std::string kDoing = "saving the change";

[[noreturn]] void BadValue(const std::string& setting, const std::string& value)
{
    throw ENetshError(NetshStatus::Failed, kDoing + " failed: invalid value '" + value + "' for " + setting);
}

std::vector<std::string> Items(const std::string& list)
{
    std::vector<std::string> items;
    std::istringstream parts(list);
    for (std::string part; std::getline(parts, part, ',');)
        if (!IsBlank(part))
            items.push_back(Trim(part));
    return items;
}

Ipv4 Address(const std::string& setting, const std::string& text)
{
    const auto address = ParseIpv4(text);
    if (!address)
        BadValue(setting, text);
    return *address;
}

void AppendAddresses(sd_bus_message* m, const std::string& setting, const std::string& value)
{
    Check(sd_bus_message_open_container(m, 'v', "aa{sv}"), kDoing);
    Check(sd_bus_message_open_container(m, 'a', "a{sv}"), kDoing);
    for (const std::string& item : Items(value)) {
        const std::size_t slash = item.find('/');
        const std::string address = FormatIpv4(Address(setting, item.substr(0, slash)));
        unsigned prefix = 32;
        if (slash != std::string::npos) {
            const char* first = item.data() + slash + 1;
            const char* last = item.data() + item.size();
            const auto [end, ec] = std::from_chars(first, last, prefix);
            if (ec != std::errc() || end != last || prefix > 32)
                BadValue(setting, item);
        }
        Check(sd_bus_message_append(m, "a{sv}", 2, "address", "s", address.c_str(), "prefix", "u", prefix), kDoing);
    }
    Check(sd_bus_message_close_container(m), kDoing);
    Check(sd_bus_message_close_container(m), kDoing);
}

void AppendDns(sd_bus_message* m, const std::string& setting, const std::string& value)
{
    Check(sd_bus_message_open_container(m, 'v', "au"), kDoing);
    Check(sd_bus_message_open_container(m, 'a', "u"), kDoing);
    // The bus carries the four bytes in network order.
    for (const std::string& item : Items(value))
        Check(sd_bus_message_append(m, "u", htonl(Address(setting, item))), kDoing);
    Check(sd_bus_message_close_container(m), kDoing);
    Check(sd_bus_message_close_container(m), kDoing);
}

void AppendGateway(sd_bus_message* m, const std::string& setting, const std::string& value)
{
    const std::string gateway = FormatIpv4(Address(setting, Trim(value)));
    Check(sd_bus_message_append(m, "v", "s", gateway.c_str()), kDoing);
}

void AppendString(sd_bus_message* m, const std::string&, const std::string& value)
{
    Check(sd_bus_message_append(m, "v", "s", value.c_str()), kDoing);
}

void AppendBoolean(sd_bus_message* m, const std::string& setting, const std::string& value)
{
    if (value != "yes" && value != "no")
        BadValue(setting, value);
    Check(sd_bus_message_append(m, "v", "b", value == "yes"), kDoing);
}

void AppendInteger(sd_bus_message* m, const std::string& setting, const std::string& value)
{
    int number = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || ec != std::errc() || end != value.data() + value.size())
        BadValue(setting, value);
    Check(sd_bus_message_append(m, "v", "i", number), kDoing);
}

struct SettingForm {
    const char* Group;
    const char* Key;
    // Other keys of the group that say the same in another form; they go.
    std::vector<const char*> Twins;
    void (*Append)(sd_bus_message*, const std::string&, const std::string&);
    bool OmittedWhenEmpty;  // an empty value is the key left out
};

const std::map<std::string, SettingForm>& Forms()
{
    static const std::map<std::string, SettingForm> forms{
        {"ipv4.method", {"ipv4", "method", {}, AppendString, false}},
        {"ipv4.addresses", {"ipv4", "address-data", {"addresses"}, AppendAddresses, false}},
        {"ipv4.gateway", {"ipv4", "gateway", {}, AppendGateway, true}},
        {"ipv4.dns", {"ipv4", "dns", {"dns-data"}, AppendDns, false}},
        {"ipv4.ignore-auto-dns", {"ipv4", "ignore-auto-dns", {}, AppendBoolean, false}},
        {"ipv4.dad-timeout", {"ipv4", "dad-timeout", {}, AppendInteger, false}},
    };
    return forms;
}

const SettingForm& FormOf(const std::string& setting)
{
    const auto found = Forms().find(setting);
    if (found == Forms().end())
        throw ENetshError(NetshStatus::Failed, kDoing + " failed: netsh does not change " + setting);
    return found->second;
}

// Address and route lists without their attributes (labels, route tables): a
// daemon given both forms takes these, so they never go back.
bool IsLegacyList(const std::string& group, const std::string& key)
{
    return (group == "ipv4" || group == "ipv6") && (key == "addresses" || key == "routes");
}

void AppendChangesOf(sd_bus_message* out, const std::string& group, const NmSettingChanges& changes)
{
    for (auto change = changes.begin(); change != changes.end(); ++change) {
        const std::string& setting = change->first;
        const std::string& value = change->second;
        const SettingForm& form = FormOf(setting);
        // A setting given twice takes the later value, as with nmcli.
        const bool later = std::any_of(change + 1, changes.end(), [&](const auto& c) { return c.first == setting; });
        if (later || form.Group != group || (form.OmittedWhenEmpty && IsBlank(value)))
            continue;
        Check(sd_bus_message_open_container(out, 'e', "sv"), kDoing);
        Check(sd_bus_message_append(out, "s", form.Key), kDoing);
        form.Append(out, setting, value);
        Check(sd_bus_message_close_container(out), kDoing);
    }
}

}  // namespace

void AppendChangedSettings(sd_bus_message* out, sd_bus_message* settings, const NmSettingChanges& changes)
{
    std::set<std::pair<std::string, std::string>> replaced;  // (group, key)
    std::set<std::string> groups;
    for (const auto& [setting, value] : changes) {
        const SettingForm& form = FormOf(setting);
        groups.insert(form.Group);
        replaced.insert({form.Group, form.Key});
        for (const char* twin : form.Twins)
            replaced.insert({form.Group, twin});
    }

    const std::string reading = "reading the profile";
    Check(sd_bus_message_enter_container(settings, 'a', "{sa{sv}}"), reading);
    Check(sd_bus_message_open_container(out, 'a', "{sa{sv}}"), kDoing);
    int group;
    while ((group = sd_bus_message_enter_container(settings, 'e', "sa{sv}")) > 0) {
        const char* name = nullptr;
        Check(sd_bus_message_read(settings, "s", &name), reading);
        const std::string groupName = name;
        Check(sd_bus_message_open_container(out, 'e', "sa{sv}"), kDoing);
        Check(sd_bus_message_append(out, "s", name), kDoing);
        Check(sd_bus_message_enter_container(settings, 'a', "{sv}"), reading);
        Check(sd_bus_message_open_container(out, 'a', "{sv}"), kDoing);
        int entry;
        while ((entry = sd_bus_message_enter_container(settings, 'e', "sv")) > 0) {
            const char* key = nullptr;
            Check(sd_bus_message_read(settings, "s", &key), reading);
            if (replaced.count({groupName, key}) || IsLegacyList(groupName, key)) {
                Check(sd_bus_message_skip(settings, "v"), reading);
            } else {
                Check(sd_bus_message_open_container(out, 'e', "sv"), kDoing);
                Check(sd_bus_message_append(out, "s", key), kDoing);
                Check(sd_bus_message_copy(out, settings, false), kDoing);
                Check(sd_bus_message_close_container(out), kDoing);
            }
            Check(sd_bus_message_exit_container(settings), reading);
        }
        Check(entry, reading);
        // Into the group's first appearance only, should a profile name it twice.
        if (groups.erase(groupName))
            AppendChangesOf(out, groupName, changes);
        Check(sd_bus_message_close_container(out), kDoing);
        Check(sd_bus_message_exit_container(settings), reading);
        Check(sd_bus_message_close_container(out), kDoing);
        Check(sd_bus_message_exit_container(settings), reading);
    }
    Check(group, reading);
    // A group the profile did not have yet.
    for (const std::string& missing : groups) {
        Check(sd_bus_message_open_container(out, 'e', "sa{sv}"), kDoing);
        Check(sd_bus_message_append(out, "s", missing.c_str()), kDoing);
        Check(sd_bus_message_open_container(out, 'a', "{sv}"), kDoing);
        AppendChangesOf(out, missing, changes);
        Check(sd_bus_message_close_container(out), kDoing);
        Check(sd_bus_message_close_container(out), kDoing);
    }
    Check(sd_bus_message_exit_container(settings), reading);
    Check(sd_bus_message_close_container(out), kDoing);
}

}  // namespace netsh
