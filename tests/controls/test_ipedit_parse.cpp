#include <gtest/gtest.h>

#include <array>
#include <string>

#include "controls/IPAddressParse.h"

namespace {

using Parts = std::array<std::int32_t, 4>;

TEST(ParseIP, AcceptsFourPartsFromZeroTo255)
{
    EXPECT_TRUE(ParseIP("0.0.0.0").Valid());
    EXPECT_TRUE(ParseIP("255.255.255.255").Valid());
    const TIPAddressParse p = ParseIP("192.168.001.010");
    EXPECT_TRUE(p.Valid());
    EXPECT_EQ(p.Parts, (Parts{192, 168, 1, 10}));
    EXPECT_EQ(p.DotCount, 3);
    EXPECT_EQ(p.DotIndex, (std::array<std::int32_t, 3>{4, 8, 12}));
}

TEST(ParseIP, RefusesPartsOutOfRangeOrNotNumbers)
{
    // A part that does not convert reads as 256, one past the range.
    for (const char* text : {"256.0.0.1", "-1.0.0.0", "1..3.4", "1.2.3.4x", "1.2.3.4 ", "...", "a.b.c.d",
                             "99999999999.0.0.0"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseIP(text).Valid());
    }
    EXPECT_EQ(ParseIP("1..3.4").Parts, (Parts{1, 256, 3, 4}));
    EXPECT_EQ(ParseIP("-1.0.0.0").Parts[0], -1);
    EXPECT_EQ(ParseIP("...").Parts, (Parts{256, 256, 256, 256}));
}

TEST(ParseIP, NeedsExactlyThreeDots)
{
    const TIPAddressParse two = ParseIP("1.2.3");
    EXPECT_FALSE(two.Valid());
    EXPECT_EQ(two.DotCount, 2);
    EXPECT_EQ(two.DotIndex[2], 0);

    // Dots after the third are counted but not recorded; the fourth part runs to the end.
    const TIPAddressParse five = ParseIP("1.2.3.4.5");
    EXPECT_FALSE(five.Valid());
    EXPECT_EQ(five.DotCount, 4);
    EXPECT_EQ(five.DotIndex, (std::array<std::int32_t, 3>{2, 4, 6}));
    EXPECT_EQ(five.Parts[3], 256);

    EXPECT_FALSE(ParseIP("").Valid());
    EXPECT_EQ(ParseIP("").DotCount, 0);
}

TEST(ParseIP, ReadsPartsWithTheTextToIntegerRules)
{
    // Leading blanks, a sign and hexadecimal forms are numbers to the control.
    const TIPAddressParse p = ParseIP(" 1.+2.0x0A.$ff");
    EXPECT_TRUE(p.Valid());
    EXPECT_EQ(p.Parts, (Parts{1, 2, 10, 255}));
}

TEST(IsDottedAddress, TakesPlainDecimalPartsOnly)
{
    for (const char* text : {"0.0.0.0", "10.0.0.1", "255.255.255.255", "192.168.001.010"}) {
        SCOPED_TRACE(text);
        EXPECT_TRUE(IsDottedAddress(text));
    }
    for (const char* text : {"", "1.2.3", "1.2.3.4.5", "256.1.1.1", "1..3.4", "+1.2.3.4", "0x0A.0.0.1",
                             " 1.2.3.4", "1.2.3.4 ", "0001.2.3.4", "1.2.3.", ".1.2.3"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(IsDottedAddress(text));
    }
}

TEST(IsContiguousMask, OnesMustRunUnbrokenFromTheTop)
{
    for (const char* text : {"255.255.255.0", "255.255.255.255", "255.128.0.0", "0.0.0.0", "255.255.255.252"}) {
        SCOPED_TRACE(text);
        EXPECT_TRUE(IsContiguousMask(text));
    }
    for (const char* text : {"255.0.255.0", "0.255.255.255", "255.255.255.1", "254.255.0.0", "255.255.0", "x"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(IsContiguousMask(text));
    }
}

}  // namespace
