#include <gtest/gtest.h>

#include "netsh/Ipv4Address.h"

using namespace netsh;

TEST(Ipv4Address, ParsesDottedQuadsOnly)
{
    EXPECT_EQ(ParseIpv4("10.0.0.5"), 0x0A000005u);
    EXPECT_EQ(ParseIpv4("255.255.255.255"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseIpv4("0.0.0.0"), 0u);
    // The address editor keeps parts as typed; they are decimal, not octal.
    EXPECT_EQ(ParseIpv4("192.168.001.010"), 0xC0A8010Au);
    for (const char* bad : {"", "10.0.0", "10.0.0.5.1", "256.0.0.1", "10.0.0.256", "1.2.3.4 ", " 1.2.3.4",
                            "1..2.3", "1.2.3.", "0x1.2.3.4", "-1.2.3.4", "1.2.3.0004", "a.b.c.d", "10.0.0.5/24"})
        EXPECT_FALSE(ParseIpv4(bad)) << bad;
}

TEST(Ipv4Address, FormatsWithoutLeadingZeros)
{
    EXPECT_EQ(FormatIpv4(0xC0A8010Au), "192.168.1.10");
    EXPECT_EQ(FormatIpv4(0), "0.0.0.0");
}

TEST(Ipv4Address, MaskToPrefixAcceptsContiguousMasksOnly)
{
    EXPECT_EQ(MaskToPrefix(*ParseIpv4("255.255.255.0")), 24);
    EXPECT_EQ(MaskToPrefix(*ParseIpv4("255.0.0.0")), 8);
    EXPECT_EQ(MaskToPrefix(*ParseIpv4("255.255.255.252")), 30);
    EXPECT_EQ(MaskToPrefix(*ParseIpv4("255.255.255.255")), 32);
    EXPECT_EQ(MaskToPrefix(0), 0);
    EXPECT_FALSE(MaskToPrefix(*ParseIpv4("255.0.255.0")));
    EXPECT_FALSE(MaskToPrefix(*ParseIpv4("0.255.255.255")));
    EXPECT_FALSE(MaskToPrefix(*ParseIpv4("255.255.255.1")));
    for (int prefix = 0; prefix <= 32; ++prefix)
        EXPECT_EQ(MaskToPrefix(PrefixToMask(prefix)), prefix);
}

TEST(Ipv4Address, SubnetChecks)
{
    const Ipv4 host = *ParseIpv4("10.9.0.5");
    EXPECT_TRUE(InSubnet(host, *ParseIpv4("10.9.0.1"), 24));
    EXPECT_FALSE(InSubnet(host, *ParseIpv4("10.9.1.1"), 24));
    EXPECT_TRUE(InSubnet(host, *ParseIpv4("10.9.1.1"), 16));
    EXPECT_FALSE(InSubnet(host, *ParseIpv4("10.9.0.1"), 32));

    EXPECT_FALSE(IsHostOfSubnet(*ParseIpv4("10.9.0.0"), 24));
    EXPECT_FALSE(IsHostOfSubnet(*ParseIpv4("10.9.0.255"), 24));
    EXPECT_TRUE(IsHostOfSubnet(*ParseIpv4("10.9.0.255"), 16));
    EXPECT_TRUE(IsHostOfSubnet(*ParseIpv4("10.9.0.0"), 31));

    EXPECT_TRUE(IsUnicast(host));
    EXPECT_FALSE(IsUnicast(*ParseIpv4("0.1.2.3")));
    EXPECT_FALSE(IsUnicast(*ParseIpv4("127.0.0.1")));
    EXPECT_FALSE(IsUnicast(*ParseIpv4("224.0.0.1")));
}
