#include <gtest/gtest.h>

#include "FakeNmcli.h"
#include "netsh/ConfigReport.h"
#include "netsh/Nmcli.h"

using namespace netsh;

TEST(Nmcli, ReadsFieldsOfAProfile)
{
    FakeNmcli fake;
    const Nmcli nm(std::ref(fake));
    fake.Answer("connection show", 0,
                "ipv4.addresses:10.9.0.5/24, 10.9.0.6/24\nipv4.gateway:\nIP4.DNS[1]:10.9.0.2\nIP4.DNS[2]:10.9.0.3\n");
    const NmFields fields = nm.Fields("u-1", {"ipv4.addresses", "ipv4.gateway", "IP4.DNS"});
    EXPECT_EQ(fields.at("ipv4.addresses"), (std::vector<std::string>{"10.9.0.5/24", "10.9.0.6/24"}));
    EXPECT_TRUE(fields.at("ipv4.gateway").empty());
    EXPECT_EQ(fields.at("IP4.DNS"), (std::vector<std::string>{"10.9.0.2", "10.9.0.3"}));
    EXPECT_EQ(fake.Calls.back(), (std::vector<std::string>{"--terse", "--fields", "ipv4.addresses,ipv4.gateway,IP4.DNS",
                                                           "connection", "show", "uuid", "u-1"}));
}

TEST(Nmcli, FailuresAreToldApartByKind)
{
    auto statusOf = [](int exitCode, const std::string& err, bool started = true) {
        return NmcliFailure({started, exitCode, "", err}, "saving the change").Status();
    };
    EXPECT_EQ(statusOf(8, "Error: NetworkManager is not running.\n"), NetshStatus::NotRunning);
    EXPECT_EQ(statusOf(1, "Error: Could not create NMClient object: Could not connect: No such file or directory.\n"),
              NetshStatus::NotRunning);
    EXPECT_EQ(statusOf(-1, "nmcli: No such file or directory", false), NetshStatus::NotRunning);
    EXPECT_EQ(statusOf(1, "Error: Failed to modify connection 'x': Insufficient privileges\n"),
              NetshStatus::NotPermitted);
    EXPECT_EQ(statusOf(1, "Error: Not authorized to modify connection\n"), NetshStatus::NotPermitted);
    EXPECT_EQ(statusOf(1, "Error: Failed to modify connection 'x': Error checking authorization: no polkit\n"),
              NetshStatus::NotPermitted);
    EXPECT_EQ(statusOf(10, "Error: x - no such connection profile.\n"), NetshStatus::UnknownConnection);
    EXPECT_EQ(statusOf(4, "Error: Connection activation failed: IP configuration could not be reserved\n"),
              NetshStatus::ActivationFailed);
    EXPECT_EQ(statusOf(2, "Error: invalid IPv4 address 'x'\n"), NetshStatus::Failed);

    const ENetshError e = NmcliFailure({true, 4, "", "Error: Connection activation failed: no lease\nHint: x\n"},
                                       "activating Office");
    EXPECT_STREQ(e.what(), "activating Office failed: Connection activation failed: no lease; the change is saved");
}

TEST(Nmcli, ActivationWithoutASuitableDeviceIsNotAFailure)
{
    FakeNmcli fake;
    const Nmcli nm(std::ref(fake));
    fake.Answer("connection up", 4,
                "", "Error: Connection activation failed: No suitable device found for this connection (device v0 "
                    "not available because device has no carrier).\n");
    EXPECT_EQ(nm.Activate("u-1", "Office"), NmActivation::DeviceUnavailable);
    fake.Answer("connection up", 4, "", "Error: Connection activation failed: IP configuration could not be reserved\n");
    EXPECT_THROW(nm.Activate("u-1", "Office"), ENetshError);
    fake.Answer("connection up", 0, "Connection successfully activated\n");
    EXPECT_EQ(nm.Activate("u-1", "Office"), NmActivation::Activated);
}

TEST(ConfigReport, ShowsLiveValuesOfAnActiveProfile)
{
    const NmFields fields{{"ipv4.method", {"auto"}},
                          {"ipv4.ignore-auto-dns", {"no"}},
                          {"GENERAL.STATE", {"activated"}},
                          {"IP4.ADDRESS", {"10.9.0.108/24"}},
                          {"IP4.GATEWAY", {"10.9.0.1"}},
                          {"IP4.DNS", {"10.9.0.2", "10.9.0.3"}}};
    EXPECT_EQ(FormatConfigReport("Office LAN", fields),
              "Configuration for interface \"Office LAN\"\n"
              "    DHCP enabled:                         Yes\n"
              "    IP Address:                           10.9.0.108\n"
              "    Subnet Prefix:                        10.9.0.0/24 (mask 255.255.255.0)\n"
              "    Default Gateway:                      10.9.0.1\n"
              "    DNS servers configured through DHCP:  10.9.0.2\n"
              "                                          10.9.0.3\n"
              "\n");
}

TEST(ConfigReport, ShowsSavedSettingsOfAnInactiveProfile)
{
    const NmFields fields{{"ipv4.method", {"manual"}},
                          {"ipv4.addresses", {"192.168.7.9/16"}},
                          {"ipv4.gateway", {}},
                          {"ipv4.dns", {}},
                          {"IP4.ADDRESS", {}}};
    EXPECT_EQ(FormatConfigReport("Lab", fields),
              "Configuration for interface \"Lab\"\n"
              "    DHCP enabled:                         No\n"
              "    IP Address:                           192.168.7.9\n"
              "    Subnet Prefix:                        192.168.0.0/16 (mask 255.255.0.0)\n"
              "    Statically Configured DNS Servers:    None\n"
              "\n");
}
