// netsh against a real NetworkManager in network namespaces (label netns).
#include <gtest/gtest.h>

#include <algorithm>

#include "NmSandbox.h"
#include "ipsets/NetshCommand.h"
#include "platform/CommandLine.h"

namespace {

struct NetshRun {
    int Status;
    std::string Out, Err;
};

NetshRun Netsh(const std::vector<std::string>& args, const std::vector<std::string>& prefix = {})
{
    std::vector<std::string> argv = prefix;
    argv.push_back(NETSH_PATH);
    argv.insert(argv.end(), args.begin(), args.end());
    const netsh::ProcessResult r = netsh::RunProcess(argv);
    return {r.Started ? r.ExitCode : -1, r.Out, r.Err};
}

// Netvane's own two command lines for an IP set, split into arguments the way
// its process runner does, netsh's name left out.
NetshRun NetvaneLine(const std::string& line)
{
    std::vector<std::string> args = SplitCommandLine(line);
    args.erase(args.begin());
    return Netsh(args);
}

NetshRun Apply(const std::string& name, bool dhcp, const std::string& address = "", const std::string& mask = "",
               const std::string& gateway = "", const std::string& dns = "")
{
    const NetshCommandLines lines = ComposeNetshCommands(name, dhcp, address, mask, gateway, dns);
    const NetshRun set = NetvaneLine(lines.Address);
    return set.Status != 0 ? set : NetvaneLine(lines.Dns);
}

NetshRun SetStatic(const std::string& name, const std::string& address, const std::string& mask,
                   const std::string& gateway, const std::string& dns)
{
    return Apply(name, false, address, mask, gateway, dns);
}

NetshRun SetDhcp(const std::string& name)
{
    return Apply(name, true);
}

using Strings = std::vector<std::string>;

class NetshInSandbox : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string why = NmSandbox::SkipReason(); !why.empty())
            GTEST_SKIP() << why;
        box = std::make_unique<NmSandbox>(Options());
    }
    virtual NmSandbox::Options Options() const { return {}; }

    // What a rejected command must not have touched.
    Strings Profile(const std::string& name) const
    {
        return {box->ProfileSetting(name, "ipv4.method"), box->ProfileSetting(name, "ipv4.addresses"),
                box->ProfileSetting(name, "ipv4.gateway"), box->ProfileSetting(name, "ipv4.dns")};
    }

    std::unique_ptr<NmSandbox> box;
};

}  // namespace

TEST_F(NetshInSandbox, StaticSetLands)
{
    box->AddEthernetProfile("Office LAN");
    const NetshRun run = SetStatic("Office LAN", "10.9.0.5", "255.255.255.0", "10.9.0.1", "10.9.0.3");
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(box->Ipv4Addresses(), Strings{"10.9.0.5/24"});
    EXPECT_EQ(box->DefaultGateway(), "10.9.0.1");
    EXPECT_EQ(box->DnsServers(), Strings{"10.9.0.3"});
    EXPECT_EQ(box->ProfileSetting("Office LAN", "ipv4.ignore-auto-dns"), "yes");

    const NetshRun show = Netsh({"interface", "ip", "show", "config", "Office LAN"});
    EXPECT_EQ(show.Status, 0) << show.Err;
    EXPECT_NE(show.Out.find("Configuration for interface \"Office LAN\""), std::string::npos) << show.Out;
    EXPECT_NE(show.Out.find("IP Address:                           10.9.0.5\n"), std::string::npos) << show.Out;
    EXPECT_NE(show.Out.find("Statically Configured DNS Servers:    10.9.0.3\n"), std::string::npos) << show.Out;
}

TEST_F(NetshInSandbox, StaticThenDhcpThenStaticAgain)
{
    box->AddEthernetProfile("Office LAN");
    ASSERT_EQ(SetStatic("Office LAN", "10.9.0.5", "255.255.255.0", "10.9.0.1", "10.9.0.3").Status, 0);

    const NetshRun dhcp = SetDhcp("Office LAN");
    ASSERT_EQ(dhcp.Status, 0) << dhcp.Err;
    const Strings leased = box->Ipv4Addresses();
    ASSERT_EQ(leased.size(), 1u);
    EXPECT_EQ(leased[0].rfind("10.9.0.1", 0), 0u) << leased[0];  // 10.9.0.100 - 10.9.0.150
    EXPECT_EQ(leased[0].substr(leased[0].size() - 3), "/24");
    EXPECT_EQ(box->DefaultGateway(), NmSandbox::kFarAddress);
    EXPECT_EQ(box->DnsServers(), Strings{NmSandbox::kDhcpDns});
    EXPECT_EQ(box->ProfileSetting("Office LAN", "ipv4.addresses"), "");

    // Back to static, without a gateway this time: no default route is left.
    const NetshRun back = SetStatic("Office LAN", "10.9.0.7", "255.255.0.0", "", "10.9.0.4");
    ASSERT_EQ(back.Status, 0) << back.Err;
    EXPECT_EQ(box->Ipv4Addresses(), Strings{"10.9.0.7/16"});
    EXPECT_EQ(box->DefaultGateway(), "");
    EXPECT_EQ(box->DnsServers(), Strings{"10.9.0.4"});
}

TEST_F(NetshInSandbox, RejectedRequestsLeaveTheProfileAsItWas)
{
    box->AddEthernetProfile("Office LAN");
    ASSERT_EQ(SetStatic("Office LAN", "10.9.0.5", "255.255.255.0", "10.9.0.1", "10.9.0.3").Status, 0);
    const Strings before = Profile("Office LAN");

    const NetshRun unknown = Netsh({"interface", "ip", "set", "address", "Office WAN", "dhcp"});
    EXPECT_EQ(unknown.Status, 3);
    EXPECT_EQ(unknown.Err, "netsh: no connection named \"Office WAN\"\n");

    const NetshRun badMask =
        Netsh({"interface", "ip", "set", "address", "Office LAN", "static", "10.9.0.6", "255.0.255.0", "10.9.0.1", "1"});
    EXPECT_EQ(badMask.Status, 2);
    const NetshRun bigPart =
        Netsh({"interface", "ip", "set", "address", "Office LAN", "static", "10.9.0.6", "255.255.256.0", "10.9.0.1", "1"});
    EXPECT_EQ(bigPart.Status, 2);
    const NetshRun offSubnet =
        Netsh({"interface", "ip", "set", "address", "Office LAN", "static", "10.9.0.6", "255.255.255.0", "10.8.0.1", "1"});
    EXPECT_EQ(offSubnet.Status, 2);
    EXPECT_EQ(offSubnet.Err, "netsh: gateway 10.8.0.1 is outside the subnet of 10.9.0.6/24\n");

    EXPECT_EQ(Profile("Office LAN"), before);
    EXPECT_EQ(box->Ipv4Addresses(), Strings{"10.9.0.5/24"});
    EXPECT_EQ(box->DefaultGateway(), "10.9.0.1");
}

TEST_F(NetshInSandbox, NameWithBlanksAndNonAsciiLetters)
{
    const std::string name = "Büro Netz: Süd ÄÖÜ";
    box->AddEthernetProfile(name);
    box->AddEthernetProfile("Büro");  // a prefix of it must not be taken instead
    const NetshRun run = SetStatic(name, "10.9.0.9", "255.255.255.0", "10.9.0.1", "10.9.0.2");
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(box->Ipv4Addresses(), Strings{"10.9.0.9/24"});
    EXPECT_EQ(box->ProfileSetting(name, "ipv4.addresses"), "10.9.0.9/24");
    EXPECT_EQ(box->ProfileSetting("Büro", "ipv4.method"), "auto");

    const NetshRun show = Netsh({"interface", "ip", "show", "config"});
    EXPECT_NE(show.Out.find("Configuration for interface \"" + name + "\""), std::string::npos) << show.Out;
}

TEST_F(NetshInSandbox, ProfileWhoseDeviceIsMissingIsSavedForLater)
{
    box->AddEthernetProfile("Dock", {}, "v9");
    const NetshRun address =
        Netsh({"interface", "ip", "set", "address", "name=Dock", "source=static", "addr=10.9.0.5",
               "mask=255.255.255.0", "gateway=10.9.0.1", "gwmetric=1"});
    EXPECT_EQ(address.Status, 0) << address.Err;
    EXPECT_EQ(address.Out, "saved; takes effect when Dock connects\n");
    const NetshRun dns = Netsh({"interface", "ip", "set", "dns", "name=Dock", "source=static", "addr=10.9.0.2"});
    EXPECT_EQ(dns.Status, 0) << dns.Err;
    EXPECT_EQ(dns.Out, "saved; takes effect when Dock connects\n");
    EXPECT_EQ(box->ProfileSetting("Dock", "ipv4.addresses"), "10.9.0.5/24");
    EXPECT_EQ(box->ProfileSetting("Dock", "ipv4.dns"), "10.9.0.2");
    EXPECT_EQ(box->Ipv4Addresses(), Strings{});
}

TEST_F(NetshInSandbox, AnAddressAnotherDeviceAnswersForIsNotTaken)
{
    box->AddEthernetProfile("Office LAN");
    ASSERT_EQ(SetStatic("Office LAN", "10.9.0.6", "255.255.255.0", "10.9.0.1", "10.9.0.3").Status, 0);
    RunOrThrow({"ip", "-n", box->FarNamespace(), "addr", "add", "10.9.0.5/24", "dev", "v1"});
    Strings before = Profile("Office LAN");
    before.push_back(box->ProfileSetting("Office LAN", "ipv4.dad-timeout"));

    const Strings taking{"interface", "ip", "set", "address", "Office LAN", "static", "10.9.0.5", "255.255.255.0",
                         "10.9.0.1", "1"};
    const NetshRun run = Netsh(taking);
    EXPECT_EQ(run.Status, 8) << run.Err;
    EXPECT_EQ(run.Err, "netsh: 10.9.0.5 is already used by another device on the network of Office LAN; nothing "
                       "was changed\n");
    Strings after = Profile("Office LAN");
    after.push_back(box->ProfileSetting("Office LAN", "ipv4.dad-timeout"));
    EXPECT_EQ(after, before);
    EXPECT_EQ(box->Ipv4Addresses(), Strings{"10.9.0.6/24"});

    // Told the check is done (the user takes it regardless): taken.
    Strings regardless = taking;
    regardless.push_back("dad=no");
    const NetshRun forced = Netsh(regardless);
    EXPECT_EQ(forced.Status, 0) << forced.Err;
    EXPECT_EQ(box->Ipv4Addresses(), Strings{"10.9.0.5/24"});
    EXPECT_EQ(box->ProfileSetting("Office LAN", "ipv4.dad-timeout"), before.back());
}

TEST_F(NetshInSandbox, UnansweredDhcpIsAFailure)
{
    box->AddEthernetProfile("Office LAN", {"ipv4.dhcp-timeout", "3"});
    box->StopDhcpServer();
    const NetshRun run = Netsh({"interface", "ip", "set", "address", "Office LAN", "dhcp"});
    EXPECT_EQ(run.Status, 6) << run.Err;
    EXPECT_EQ(run.Err.rfind("netsh: activating Office LAN failed: ", 0), 0u) << run.Err;
    EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1);
}

namespace {
class NetshUnderPolkit : public NetshInSandbox {
protected:
    NmSandbox::Options Options() const override { return {.Polkit = true}; }
};
}  // namespace

TEST_F(NetshUnderPolkit, UnprivilegedUserIsNotPermitted)
{
    box->AddEthernetProfile("Office LAN");
    const Strings before = Profile("Office LAN");
    const NetshRun run = Netsh({"interface", "ip", "set", "address", "Office LAN", "dhcp"},
                               {"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"});
    EXPECT_EQ(run.Status, 5) << run.Err;
    EXPECT_EQ(Profile("Office LAN"), before);
}

// Needs no sandbox: a bus nobody listens on.
TEST(NetshWithoutNetworkManager, SaysSoAndFails)
{
    const char* previous = std::getenv("DBUS_SYSTEM_BUS_ADDRESS");
    const std::string saved = previous ? previous : "";
    ::setenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/netvane-test-bus", 1);
    const NetshRun run = Netsh({"interface", "ip", "set", "address", "Office LAN", "dhcp"});
    previous ? ::setenv("DBUS_SYSTEM_BUS_ADDRESS", saved.c_str(), 1) : ::unsetenv("DBUS_SYSTEM_BUS_ADDRESS");
    EXPECT_EQ(run.Status, 4);
    EXPECT_NE(run.Err.find("NetworkManager"), std::string::npos) << run.Err;
}

// netsh writes whole profiles back: what it does not change must stay as it was,
// secrets (which the profile's settings never show) included.
TEST_F(NetshInSandbox, WhatNetshDoesNotChangeStays)
{
    box->AddEthernetProfile("Office LAN", {"ipv4.routes", "10.20.0.0/16 10.9.0.1 table=100", "ipv4.dns-search",
                                           "example.test", "802-3-ethernet.mtu", "1400"});
    box->Nmcli({"connection", "add", "type", "wifi", "ifname", "wl9", "con-name", "Cafe", "ssid", "cafe",
                "wifi-sec.key-mgmt", "wpa-psk", "wifi-sec.psk", "secret12345", "connection.autoconnect", "no"});
    const struct {
        std::string Profile, Setting, Value;
    } kept[] = {{"Office LAN", "ipv4.routes", "10.20.0.0/16 10.9.0.1 table=100"},
                {"Office LAN", "ipv4.dns-search", "example.test"},
                {"Office LAN", "802-3-ethernet.mtu", "1400"},
                {"Cafe", "802-11-wireless-security.psk", "secret12345"}};
    for (const std::string name : {"Office LAN", "Cafe"}) {
        ASSERT_EQ(SetStatic(name, "10.9.0.5", "255.255.255.0", "10.9.0.1", "10.9.0.3").Status, 0) << name;
        ASSERT_EQ(SetDhcp(name).Status, 0) << name;
    }
    for (const auto& k : kept)
        EXPECT_EQ(box->Nmcli({"--show-secrets", "--get-values", k.Setting, "connection", "show", "id", k.Profile}),
                  k.Value + "\n")
            << k.Profile << ": " << k.Setting;
    EXPECT_EQ(box->Ip({"route", "show", "table", "100"}).size(), 1u);  // and in effect
}
