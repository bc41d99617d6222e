#include <gtest/gtest.h>

#include "common/qxError.h"
#include "common/qxText.h"

TEST(Trim, RemovesBlanksAndControlCharactersOnly)
{
    EXPECT_EQ(Trim(" \t\r\n abc d \x01\x1f "), "abc d");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(TrimLeft("  a  "), "a  ");
    EXPECT_EQ(TrimRight("  a  "), "  a");
    // Non-ASCII letters (UTF-8 bytes above 0x7f) are kept.
    EXPECT_EQ(Trim(" \xc3\xa9t\xc3\xa9 "), "\xc3\xa9t\xc3\xa9");
    EXPECT_TRUE(IsBlank(" \t\x7"));
    EXPECT_FALSE(IsBlank(" x "));
}

TEST(StrToInt, AcceptsDecimalAndEveryHexPrefix)
{
    EXPECT_EQ(TryStrToInt("0"), 0);
    EXPECT_EQ(TryStrToInt("  42"), 42);
    EXPECT_EQ(TryStrToInt("+7"), 7);
    EXPECT_EQ(TryStrToInt("-15"), -15);
    EXPECT_EQ(TryStrToInt("$ff"), 255);
    EXPECT_EQ(TryStrToInt("xFF"), 255);
    EXPECT_EQ(TryStrToInt("X10"), 16);
    EXPECT_EQ(TryStrToInt("0x10"), 16);
    EXPECT_EQ(TryStrToInt("0X1a"), 26);
    EXPECT_EQ(TryStrToInt("-$10"), -16);
    EXPECT_EQ(TryStrToInt("001"), 1);
}

TEST(StrToInt, RefusesAnythingElse)
{
    for (const char* bad : {"", " ", "+", "-", "$", "0x", "1 ", "1.0", "1a", "a1", "--1", " + 1", "\t1", "0x-1", "$g"})
        EXPECT_FALSE(TryStrToInt(bad).has_value()) << '"' << bad << '"';
}

TEST(StrToInt, KeepsToTheSigned32BitRange)
{
    EXPECT_EQ(TryStrToInt("2147483647"), 2147483647);
    EXPECT_EQ(TryStrToInt("-2147483648"), INT32_MIN);
    EXPECT_FALSE(TryStrToInt("2147483648"));
    EXPECT_FALSE(TryStrToInt("-2147483649"));
    EXPECT_EQ(TryStrToInt("$7FFFFFFF"), 2147483647);
    EXPECT_FALSE(TryStrToInt("$80000000"));
    EXPECT_FALSE(TryStrToInt("99999999999999999999"));
    EXPECT_THROW(StrToInt("abc"), EqxError);
    try {
        StrToInt("abc");
    } catch (const EqxError& e) {
        EXPECT_EQ(e.Message(), "'abc' is not a valid integer value");
    }
}

TEST(Texts, BooleansFormatsAndFullStops)
{
    EXPECT_STREQ(BoolToStr(true), "True");
    EXPECT_STREQ(BoolToStr(false), "False");
    EXPECT_EQ(FormatS("IP:%s", "1.2.3.4"), "IP:1.2.3.4");
    EXPECT_EQ(FormatS("DHCP :%s", ""), "DHCP :");
    EXPECT_EQ(FormatS("no directive", "x"), "no directive");
    EXPECT_EQ(MessageWithFullStop("Error Applying IP Set"), "Error Applying IP Set.");
    EXPECT_EQ(MessageWithFullStop("Done."), "Done.");
    EXPECT_EQ(MessageWithFullStop("Really!"), "Really!");   // '!' lies below '.'
    EXPECT_EQ(MessageWithFullStop("Why?"), "Why?.");        // '?' lies above '.'
    EXPECT_EQ(MessageWithFullStop("(x)"), "(x)");
    EXPECT_EQ(MessageWithFullStop(""), "");
}
