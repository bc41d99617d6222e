// The parser alone (it also runs in the Windows build); the address control's
// tests cover which texts it takes and refuses.
#include <gtest/gtest.h>

#include <array>

#include "controls/IPAddressParse.h"

namespace {

using Parts = std::array<std::int32_t, 4>;
using Dots = std::array<std::int32_t, 3>;

TEST(ParseIP, SplitsAtTheFirstThreeDotsAndReadsPartsAsIntegers)
{
    EXPECT_EQ(ParseIP("192.168.001.010").Parts, (Parts{192, 168, 1, 10}));
    EXPECT_EQ(ParseIP("192.168.001.010").DotIndex, (Dots{4, 8, 12}));
    // Leading blanks, a sign and hexadecimal forms are numbers; anything else reads as 256.
    EXPECT_EQ(ParseIP(" 1.+2.0x0A.$ff").Parts, (Parts{1, 2, 10, 255}));
    EXPECT_TRUE(ParseIP(" 1.+2.0x0A.$ff").Valid());
    EXPECT_EQ(ParseIP("-1..3.4 ").Parts, (Parts{-1, 256, 3, 256}));

    // Dots after the third are counted, not recorded: the fourth part runs to the end.
    const TIPAddressParse five = ParseIP("1.2.3.4.5");
    EXPECT_EQ(five.DotCount, 4);
    EXPECT_EQ(five.DotIndex, (Dots{2, 4, 6}));
    EXPECT_EQ(five.Parts[3], 256);
    EXPECT_FALSE(five.Valid());
    // Missing dots leave their positions at 0 and the parts after them empty.
    EXPECT_EQ(ParseIP("1.2").DotIndex, (Dots{2, 0, 0}));
    EXPECT_EQ(ParseIP("").Parts, (Parts{256, 256, 256, 256}));
}

TEST(IsDottedAddress, TakesPlainDecimalPartsOnly)
{
    for (const char* text : {"0.0.0.0", "255.255.255.255", "192.168.001.010"})
        EXPECT_TRUE(IsDottedAddress(text)) << text;
    for (const char* text : {"", "1.2.3", "1.2.3.4.5", "256.1.1.1", "1..3.4", "+1.2.3.4", "0x0A.0.0.1",
                             " 1.2.3.4", "1.2.3.4 ", "0001.2.3.4", "1.2.3."})
        EXPECT_FALSE(IsDottedAddress(text)) << text;
}

TEST(IsContiguousMask, OnesMustRunUnbrokenFromTheTop)
{
    for (const char* text : {"255.255.255.0", "255.255.255.255", "255.128.0.0", "0.0.0.0"})
        EXPECT_TRUE(IsContiguousMask(text)) << text;
    for (const char* text : {"255.0.255.0", "0.255.255.255", "255.255.255.1", "255.255.0", "x"})
        EXPECT_FALSE(IsContiguousMask(text)) << text;
}

}  // namespace
