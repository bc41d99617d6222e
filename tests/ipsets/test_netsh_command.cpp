// Composing the two netsh command lines (pure; tested here once).
#include "ipsets/NetshCommand.h"

#include "common/qxError.h"

#include <gtest/gtest.h>

namespace {
std::string ErrorOf(std::string_view name, bool dhcp, std::string_view ip = "10.0.0.5",
                    std::string_view mask = "255.0.0.0", std::string_view gateway = "10.0.0.1",
                    std::string_view dns = "10.0.0.2")
{
    try {
        ComposeNetshCommands(name, dhcp, ip, mask, gateway, dns);
    } catch (const EqxError& error) {
        return error.Message();
    }
    return "";
}

TEST(NetshCommand, StaticSet)
{
    const auto lines = ComposeNetshCommands("Office", false, "10.0.0.5", "255.0.0.0", "10.0.0.1", "10.0.0.2");
    EXPECT_EQ(lines.Address, "netsh interface ip set address \"Office\"  static 10.0.0.5 255.0.0.0 10.0.0.1 1");
    EXPECT_EQ(lines.Address.size(), 77u);
    EXPECT_EQ(lines.Dns, "netsh interface ip set dns \"Office\"  static 10.0.0.2 primary");
    EXPECT_EQ(lines.Dns.size(), 60u);
}

// An empty gateway or DNS server is said as "none"; the other line keeps its form.
TEST(NetshCommand, EmptyGatewayAndDnsServerComposeNone)
{
    const struct {
        const char* gateway;
        const char* dns;
        const char* address;
        const char* dnsLine;
    } cases[] = {
        {"", "", "static 10.0.0.5 255.0.0.0 none", "static none"},
        {"", "10.0.0.2", "static 10.0.0.5 255.0.0.0 none", "static 10.0.0.2 primary"},
        {"10.0.0.1", "", "static 10.0.0.5 255.0.0.0 10.0.0.1 1", "static none"},
    };
    for (const auto& c : cases) {
        const auto lines = ComposeNetshCommands("Office", false, "10.0.0.5", "255.0.0.0", c.gateway, c.dns);
        EXPECT_EQ(lines.Address, std::string("netsh interface ip set address \"Office\"  ") + c.address) << c.gateway;
        EXPECT_EQ(lines.Dns, std::string("netsh interface ip set dns \"Office\"  ") + c.dnsLine) << c.dns;
    }
}

TEST(NetshCommand, DhcpSetIgnoresTheStoredAddresses)
{
    const auto lines = ComposeNetshCommands("Office", true, "0.0.0.0", "0.0.0.0", "0.0.0.0", "0.0.0.0");
    EXPECT_EQ(lines.Address, "netsh interface ip set address \"Office\"  dhcp ");
    EXPECT_EQ(lines.Address.size(), 46u);
    EXPECT_EQ(lines.Dns, "netsh interface ip set dns \"Office\"  dhcp ");
    EXPECT_EQ(lines.Dns.size(), 42u);
    // Not even an unsafe stored value matters when it is not used.
    EXPECT_NO_THROW(ComposeNetshCommands("Office", true, "\"", "\n", "", ""));
}

TEST(NetshCommand, ValuesGoInUnchanged)
{
    const auto blankName = ComposeNetshCommands(" ", false, "10.0.0.5", "255.0.0.0", "10.0.0.1", " 10.0.0.2");
    EXPECT_EQ(blankName.Dns, "netsh interface ip set dns \" \"  static  10.0.0.2 primary");
    const auto blanks = ComposeNetshCommands(" Local Area  Connection 2 ", true, "", "", "", "");
    EXPECT_EQ(blanks.Address, "netsh interface ip set address \" Local Area  Connection 2 \"  dhcp ");
    const auto unicode = ComposeNetshCommands("B\xC3\xBCro", true, "", "", "", "");
    EXPECT_EQ(unicode.Dns, "netsh interface ip set dns \"B\xC3\xBCro\"  dhcp ");
}

TEST(NetshCommand, NamesWithAnEqualsSignGoInTagged)
{
    const auto office = ComposeNetshCommands("name=Office", false, "10.0.0.5", "255.0.0.0", "10.0.0.1", "10.0.0.2");
    EXPECT_EQ(office.Address,
              "netsh interface ip set address name=\"name=Office\"  static 10.0.0.5 255.0.0.0 10.0.0.1 1");
    EXPECT_EQ(office.Dns, "netsh interface ip set dns name=\"name=Office\"  static 10.0.0.2 primary");
    const auto dhcp = ComposeNetshCommands("a=b", true, "", "", "", "");
    EXPECT_EQ(dhcp.Address, "netsh interface ip set address name=\"a=b\"  dhcp ");
    EXPECT_EQ(dhcp.Dns, "netsh interface ip set dns name=\"a=b\"  dhcp ");
}

TEST(NetshCommand, UnsafeConnectionNamesAreRefused)
{
    const std::string unsafe = "The connection name contains a quotation mark or a control character and cannot be "
                               "passed to netsh";
    EXPECT_EQ(ErrorOf("Off\"ice", true), unsafe);
    EXPECT_EQ(ErrorOf("Office\" & del", false), unsafe);
    EXPECT_EQ(ErrorOf("Off\nice", false), unsafe);
    EXPECT_EQ(ErrorOf("Off\tice", true), unsafe);
    EXPECT_EQ(ErrorOf(std::string_view("Off\0ice", 7), true), unsafe);
    EXPECT_EQ(ErrorOf("Off\x7F", true), unsafe);
    EXPECT_EQ(ErrorOf("Off\xC2\x85", true), unsafe);    // U+0085, a C1 control
    EXPECT_EQ(ErrorOf("Office\\", true), "The connection name ends with a backslash and cannot be passed to netsh");
    EXPECT_EQ(ErrorOf("Off\\ice", true), "");           // a backslash inside is harmless
    EXPECT_EQ(ErrorOf("Off\xC3", true), "The connection name is not valid UTF-8 text");
    EXPECT_EQ(ErrorOf("\xC0\xA2", true), "The connection name is not valid UTF-8 text");    // overlong quote
    EXPECT_EQ(ErrorOf("\xED\xA0\x80", true), "The connection name is not valid UTF-8 text");    // surrogate
}

TEST(NetshCommand, UnsafeAddressValuesOfAStaticSetAreRefused)
{
    EXPECT_EQ(ErrorOf("Office", false, "10.0.0.5\" x"),
              "The IP address contains a quotation mark or a control character and cannot be passed to netsh");
    EXPECT_EQ(ErrorOf("Office", false, "10.0.0.5", "255.0.0.0\r"),
              "The subnet mask contains a quotation mark or a control character and cannot be passed to netsh");
    EXPECT_EQ(ErrorOf("Office", false, "10.0.0.5", "255.0.0.0", "\x01"),
              "The default gateway contains a quotation mark or a control character and cannot be passed to netsh");
    EXPECT_EQ(ErrorOf("Office", false, "10.0.0.5", "255.0.0.0", "10.0.0.1", "\""),
              "The DNS server contains a quotation mark or a control character and cannot be passed to netsh");
}

TEST(NetshCommand, LinesUpTo512CharactersAndNoLonger)
{
    const std::string full = "255.255.255.255";
    // 91 characters besides the name in the longest line: 421 fit, 422 do not.
    const auto longest = ComposeNetshCommands(std::string(421, 'n'), false, full, full, full, full);
    EXPECT_EQ(longest.Address.size(), 512u);
    EXPECT_EQ(ErrorOf(std::string(422, 'n'), false, full, full, full, full),
              "The netsh command for the address would have 513 characters, more than the 512 allowed");
    // The DNS line can be the one too long when the DNS value is.
    EXPECT_EQ(ErrorOf("Office", false, "1", "1", "1", std::string(480, '1')),
              "The netsh command for the DNS server would have 532 characters, more than the 512 allowed");
    // Counted as Windows counts: U+00FC is one unit (two bytes), U+1F4E1 two units (four bytes).
    EXPECT_NO_THROW(ComposeNetshCommands("\xC3\xBC" + std::string(420, 'n'), false, full, full, full, full));
    std::string astral;
    for (int i = 0; i < 211; ++i)
        astral += "\xF0\x9F\x93\xA1";
    EXPECT_EQ(ErrorOf(astral, false, full, full, full, full),
              "The netsh command for the address would have 513 characters, more than the 512 allowed");
}
}
