#include <gtest/gtest.h>

#include "LooseBus.h"
#include "netsh/NmSettingsEdit.h"

using namespace netsh;

namespace {

// A profile as NetworkManager hands it out: old and new forms of the lists side by side.
netsh::Message Profile(const LooseBus& bus, bool withIpv4)
{
    netsh::Message m = bus.New();
    int r = sd_bus_message_open_container(m.get(), 'a', "{sa{sv}}");
    r |= sd_bus_message_append(m.get(), "{sa{sv}}", "connection", 1, "id", "s", "Office LAN");
    if (withIpv4)
        r |= sd_bus_message_append(m.get(), "{sa{sv}}", "ipv4", 8, "method", "s", "manual", "addresses", "aau", 1, 3, 1u, 24u,
                              2u, "address-data", "aa{sv}", 1, 2, "address", "s", "10.9.0.6", "prefix", "u", 24u,
                              "gateway", "s", "10.9.0.1", "dns", "au", 1, 33556746u, "dns-data", "as", 1, "10.9.0.2",
                              "routes", "aau", 0, "route-data", "aa{sv}", 1, 1, "table", "u", 100u);
    r |= sd_bus_message_append(m.get(), "{sa{sv}}", "ipv6", 2, "method", "s", "disabled", "routes", "a(ayuayu)", 0);
    r |= sd_bus_message_close_container(m.get());
    if (r < 0)
        throw std::runtime_error("cannot compose the profile");
    LooseBus::Seal(m.get());
    return m;
}

const std::string kConnection = "connection=[id=Office LAN]";
const std::string kIpv6 = "ipv6=[method=disabled]";

}  // namespace

TEST(NmSettingsEdit, ReplacesWhatChangesAndKeepsTheRest)
{
    const struct {
        NmSettingChanges Changes;
        bool WithIpv4;
        std::string Ipv4;
    } cases[] = {
        {{{"ipv4.method", "manual"}, {"ipv4.addresses", "10.9.0.5/24, 10.9.0.7/16"}, {"ipv4.gateway", "10.9.0.254"},
          {"ipv4.dad-timeout", "1000"}},
         true,
         "ipv4=[dns=[33556746] dns-data=[10.9.0.2] route-data=[[table=100]] method=manual "
         "address-data=[[address=10.9.0.5 prefix=24] [address=10.9.0.7 prefix=16]] gateway=10.9.0.254 "
         "dad-timeout=1000]"},
        {{{"ipv4.method", "auto"}, {"ipv4.addresses", ""}, {"ipv4.gateway", ""}},
         true,
         "ipv4=[dns=[33556746] dns-data=[10.9.0.2] route-data=[[table=100]] method=auto address-data=[]]"},
        // Network byte order: 10.9.0.3 is 03 00 09 0a read as a little-endian number.
        {{{"ipv4.dns", "10.9.0.3"}, {"ipv4.ignore-auto-dns", "yes"}},
         true,
         "ipv4=[method=manual address-data=[[address=10.9.0.6 prefix=24]] gateway=10.9.0.1 route-data=[[table=100]] "
         "dns=[50333962] ignore-auto-dns=yes]"},
        {{{"ipv4.dns", ""}, {"ipv4.ignore-auto-dns", "no"}}, false, "ipv4=[dns=[] ignore-auto-dns=no]"},
    };
    for (const auto& c : cases) {
        const LooseBus bus;
        const netsh::Message profile = Profile(bus, c.WithIpv4);
        const netsh::Message out = bus.New();
        AppendChangedSettings(out.get(), profile.get(), c.Changes);
        LooseBus::Seal(out.get());
        const std::string groups =
            c.WithIpv4 ? kConnection + " " + c.Ipv4 + " " + kIpv6 : kConnection + " " + kIpv6 + " " + c.Ipv4;
        EXPECT_EQ(RenderMessage(out.get()), "[" + groups + "]") << c.Changes.front().first;
    }
}

TEST(NmSettingsEdit, RefusesWhatItCannotWrite)
{
    for (const NmSettingChanges& changes : {NmSettingChanges{{"ipv4.addresses", "10.9.0.5/24,10.9.0.300/24"}},
                                            {{"ipv4.addresses", "10.9.0.5/33"}}, {{"ipv4.gateway", "10.9.0"}},
                                            {{"ipv4.dns", "10.9.0.3 10.9.0.4"}}, {{"ipv4.ignore-auto-dns", "maybe"}},
                                            {{"ipv4.dad-timeout", "1s"}}, {{"ipv4.mtu", "1400"}}}) {
        const LooseBus bus;
        const netsh::Message profile = Profile(bus, true);
        const netsh::Message out = bus.New();
        EXPECT_THROW(AppendChangedSettings(out.get(), profile.get(), changes), ENetshError) << changes.front().second;
    }
}
