#include <gtest/gtest.h>

#include "netsh/NetshArguments.h"
#include "netsh/NetshError.h"

using namespace netsh;

namespace {

// Blanks separate arguments, quotation marks group them, as a Windows program's
// command line is split (no escapes needed here). The leading "netsh" is dropped.
std::vector<std::string> Args(const std::string& line)
{
    std::vector<std::string> args;
    std::string current;
    bool quoted = false, inArg = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inArg = true;
        } else if (c == ' ' && !quoted) {
            if (inArg)
                args.push_back(current);
            current.clear();
            inArg = false;
        } else {
            current += c;
            inArg = true;
        }
    }
    if (inArg)
        args.push_back(current);
    args.erase(args.begin());
    return args;
}

NetshRequest Parse(const std::string& line)
{
    return ParseNetshArguments(Args(line));
}

NetshStatus FailureOf(const std::string& line)
{
    try {
        Parse(line);
    } catch (const ENetshError& e) {
        return e.Status();
    }
    return NetshStatus::Done;
}

}  // namespace

// The four lines exactly as Netvane composes them.
TEST(NetshArguments, NetvaneStaticAddress)
{
    const NetshRequest r = Parse("netsh interface ip set address \"Office\"  static 10.0.0.5 255.0.0.0 10.0.0.1 1");
    EXPECT_EQ(r.Verb, NetshVerb::SetAddress);
    EXPECT_EQ(r.Connection, "Office");
    EXPECT_FALSE(r.Address.Dhcp);
    EXPECT_EQ(FormatIpv4(r.Address.Address), "10.0.0.5");
    EXPECT_EQ(r.Address.Prefix, 8);
    ASSERT_TRUE(r.Address.Gateway);
    EXPECT_EQ(FormatIpv4(*r.Address.Gateway), "10.0.0.1");
}

TEST(NetshArguments, NetvaneEmptyGatewayLeavesTheMetricBehindTheMask)
{
    const NetshRequest r = Parse("netsh interface ip set address \"Office\"  static 10.0.0.5 255.0.0.0  1");
    EXPECT_FALSE(r.Address.Gateway);
    EXPECT_EQ(r.Address.Prefix, 8);
    // Without a metric a lone gateway is still a gateway.
    EXPECT_TRUE(Parse("netsh interface ip set address Office static 10.0.0.5 255.0.0.0 10.0.0.1").Address.Gateway);
}

TEST(NetshArguments, NetvaneDhcpAndDnsForms)
{
    const NetshRequest address = Parse("netsh interface ip set address \"Office\"  dhcp ");
    EXPECT_EQ(address.Verb, NetshVerb::SetAddress);
    EXPECT_TRUE(address.Address.Dhcp);

    const NetshRequest dnsStatic = Parse("netsh interface ip set dns \"Office\"  static 10.0.0.2 primary");
    EXPECT_EQ(dnsStatic.Verb, NetshVerb::SetDns);
    EXPECT_FALSE(dnsStatic.Dns.Dhcp);
    ASSERT_TRUE(dnsStatic.Dns.Server);
    EXPECT_EQ(FormatIpv4(*dnsStatic.Dns.Server), "10.0.0.2");

    const NetshRequest dnsDhcp = Parse("netsh interface ip set dns \"Office\"  dhcp ");
    EXPECT_TRUE(dnsDhcp.Dns.Dhcp);
    EXPECT_EQ(dnsDhcp.Connection, "Office");
}

TEST(NetshArguments, ConnectionNamesAreTakenAsGiven)
{
    EXPECT_EQ(Parse("netsh interface ip set address \"Büro Netz 2\" dhcp").Connection, "Büro Netz 2");
    EXPECT_EQ(Parse("netsh interface ip set address \" padded \" dhcp").Connection, " padded ");
    // Text before "=" that is no parameter name is part of the name.
    EXPECT_EQ(Parse("netsh interface ip set address \"a=b\" dhcp").Connection, "a=b");
    EXPECT_EQ(Parse("netsh interface ip set address name=a=b dhcp").Connection, "a=b");
    // A name that is a keyword is still a name in its place.
    EXPECT_EQ(Parse("netsh interface ip set dns static dhcp").Connection, "static");
}

TEST(NetshArguments, KeywordFormsInAnyOrderAndCase)
{
    const NetshRequest r = Parse("netsh INTERFACE Ip SET Address gateway=10.0.0.1 mask=255.255.255.0 "
                                 "Name=\"Office LAN\" address=10.0.0.5 SOURCE=Static gwmetric=0");
    EXPECT_EQ(r.Connection, "Office LAN");
    EXPECT_EQ(r.Address.Prefix, 24);
    EXPECT_EQ(FormatIpv4(*r.Address.Gateway), "10.0.0.1");

    const NetshRequest xp = Parse("netsh int ipv4 set address name=Office source=static addr=10.0.0.5 "
                                  "mask=255.0.0.0 gateway=none");
    EXPECT_FALSE(xp.Address.Gateway);

    const NetshRequest mixed = Parse("netsh interface ip set address Office static addr=10.0.0.5 255.0.0.0");
    EXPECT_EQ(mixed.Address.Prefix, 8);

    const NetshRequest dns = Parse("netsh interface ip set dnsservers name=Office source=static addr=none register=both");
    EXPECT_FALSE(dns.Dns.Dhcp);
    EXPECT_FALSE(dns.Dns.Server);
    EXPECT_TRUE(Parse("netsh interface ip set dns name=Office source=DHCP").Dns.Dhcp);
    EXPECT_EQ(FormatIpv4(*Parse("netsh interface ipv4 set dnsservers Office static 8.8.8.8 primary validate=no")
                              .Dns.Server),
              "8.8.8.8");
}

TEST(NetshArguments, HelpAndShowConfig)
{
    for (const char* help : {"netsh -h", "netsh help", "netsh /?", "netsh --help"})
        EXPECT_EQ(Parse(help).Verb, NetshVerb::Help) << help;
    const NetshRequest all = Parse("netsh interface ip show config");
    EXPECT_EQ(all.Verb, NetshVerb::ShowConfig);
    EXPECT_EQ(all.Connection, "");
    EXPECT_EQ(Parse("netsh interface ip show config \"Office LAN\"").Connection, "Office LAN");
    EXPECT_EQ(Parse("netsh interface ip show config name=Office").Connection, "Office");
}

TEST(NetshArguments, CommandLinesNotUnderstood)
{
    for (const char* line : {
             "netsh",
             "netsh interface",
             "netsh interface ip",
             "netsh interface ipv6 set address Office dhcp",
             "netsh interface ip set gateway Office dhcp",
             "netsh interface ip delete address Office",
             "netsh interface ip set address",
             "netsh interface ip set address \"\" dhcp",
             "netsh interface ip set address Office",
             "netsh interface ip set address Office manual 10.0.0.5 255.0.0.0",
             "netsh interface ip set address Office dhcp 10.0.0.5",
             "netsh interface ip set address Office static",
             "netsh interface ip set address Office static 10.0.0.5",
             "netsh interface ip set address Office static 10.0.0.5 255.0.0.0 10.0.0.1 1 extra",
             "netsh interface ip set address name=Office name=Other dhcp",
             "netsh interface ip set dns Office static",
             "netsh interface ip set dns Office static  primary",
             "netsh interface ip set dns Office static 10.0.0.2 secondary",
             "netsh interface ip set dns Office dhcp primary",
             "netsh interface ip set dns Office static 10.0.0.2 primary validate=maybe",
             "netsh interface ip show config Office extra",
             "netsh interface ip set address Office static 10.0.0.5 255.0.0.0 10.0.0.1 1 dad=maybe",
             "netsh interface ip set address Office static 10.0.0.5 255.0.0.0 10.0.0.1 1 no",  // dad= only by tag
             "netsh interface ip set address Office dhcp dad=no",
         })
        EXPECT_EQ(FailureOf(line), NetshStatus::BadCommandLine) << line;
}

TEST(NetshArguments, TheAddressIsCheckedUnlessTheLineSaysNo)
{
    EXPECT_TRUE(Parse("netsh interface ip set address \"Office\"  static 10.0.0.5 255.0.0.0 10.0.0.1 1")
                    .Address.DuplicateCheck);
    EXPECT_FALSE(Parse("netsh interface ip set address \"Office\"  static 10.0.0.5 255.0.0.0  1 dad=no")
                     .Address.DuplicateCheck);
    EXPECT_TRUE(Parse("netsh interface ip set address Office static 10.0.0.5 255.0.0.0 DAD=Yes").Address.DuplicateCheck);
}

TEST(NetshArguments, InvalidValues)
{
    for (const char* line : {
             "netsh interface ip set address Office static 10.0.0.256 255.0.0.0",
             "netsh interface ip set address Office static ten 255.0.0.0",
             "netsh interface ip set address Office static 10.0.0.5 255.0.255.0",  // not contiguous
             "netsh interface ip set address Office static 10.0.0.5 255.256.0.0",  // a part over 255
             "netsh interface ip set address Office static 10.0.0.5 0.0.0.0",
             "netsh interface ip set address Office static 10.9.0.0 255.255.255.0",    // the subnet itself
             "netsh interface ip set address Office static 10.9.0.255 255.255.255.0",  // its broadcast
             "netsh interface ip set address Office static 127.0.0.5 255.0.0.0",
             "netsh interface ip set address Office static 224.0.0.5 255.255.255.0",
             "netsh interface ip set address Office static 10.9.0.5 255.255.255.0 10.9.1.1 1",  // off-subnet
             "netsh interface ip set address Office static 10.9.0.5 255.255.255.0 10.9.0.5 1",  // itself
             "netsh interface ip set address Office static 10.9.0.5 255.255.255.0 10.9.0.255 1",
             "netsh interface ip set address Office static 10.9.0.5 255.255.255.0 10.9.0.1 x",
             "netsh interface ip set address Office static 10.9.0.5 255.255.255.0 10.9.0.1 10000",
             "netsh interface ip set address Office static 10.9.0.5 255.255.255.0 10.9.0.1 -1",
             "netsh interface ip set dns Office static 10.0.0.300 primary",
             "netsh interface ip set dns Office static 0.0.0.0 primary",
         })
        EXPECT_EQ(FailureOf(line), NetshStatus::InvalidValue) << line;
}

TEST(NetshArguments, MessagesNameTheFault)
{
    try {
        Parse("netsh interface ip set address Office static 10.9.0.5 255.255.255.0 10.9.1.1 1");
        FAIL() << "accepted an off-subnet gateway";
    } catch (const ENetshError& e) {
        EXPECT_STREQ(e.what(), "gateway 10.9.1.1 is outside the subnet of 10.9.0.5/24");
    }
    try {
        Parse("netsh interface ip set address Office static 10.9.0.5 255.0.255.0");
        FAIL() << "accepted a non-contiguous mask";
    } catch (const ENetshError& e) {
        EXPECT_STREQ(e.what(), "invalid subnet mask \"255.0.255.0\"");
    }
}
