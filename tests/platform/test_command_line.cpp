// Splitting a Windows command line into arguments (pure; tested here once).
#include "platform/CommandLine.h"

#include <gtest/gtest.h>

namespace {
using Args = std::vector<std::string>;

TEST(SplitCommandLine, ProgramNameFollowsItsOwnRules)
{
    EXPECT_EQ(SplitCommandLine(""), Args{});
    EXPECT_EQ(SplitCommandLine("   "), Args{});
    EXPECT_EQ(SplitCommandLine("netsh"), Args{"netsh"});
    // Quoted: ends at the next quotation mark, backslashes are plain, what follows starts an argument.
    EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\x.exe\" a"), (Args{"C:\\Program Files\\x.exe", "a"}));
    EXPECT_EQ(SplitCommandLine("\"a b\"c d"), (Args{"a b", "c", "d"}));
    EXPECT_EQ(SplitCommandLine("\"unterminated name"), Args{"unterminated name"});
    EXPECT_EQ(SplitCommandLine("dir\\\"x y"), (Args{"dir\\\"x", "y"}));
    // A leading blank means an empty program name.
    EXPECT_EQ(SplitCommandLine(" x"), (Args{"", "x"}));
}

TEST(SplitCommandLine, BlanksQuotesAndEmptyArguments)
{
    EXPECT_EQ(SplitCommandLine("netsh  a\t\tb  "), (Args{"netsh", "a", "b"}));
    EXPECT_EQ(SplitCommandLine("netsh \"Local Area  Connection\"  static"),
              (Args{"netsh", "Local Area  Connection", "static"}));
    EXPECT_EQ(SplitCommandLine("netsh \"\" x"), (Args{"netsh", "", "x"}));
    EXPECT_EQ(SplitCommandLine("netsh a\"b c\"d"), (Args{"netsh", "ab cd"}));
    EXPECT_EQ(SplitCommandLine("netsh \"open to the end"), (Args{"netsh", "open to the end"}));
    EXPECT_EQ(SplitCommandLine("netsh \"\xC3\xBC \xCE\xA9\""), (Args{"netsh", "\xC3\xBC \xCE\xA9"}));
}

TEST(SplitCommandLine, BackslashesBeforeQuotationMarks)
{
    EXPECT_EQ(SplitCommandLine("p a\\b\\\\c"), (Args{"p", "a\\b\\\\c"}));           // plain when no quote follows
    EXPECT_EQ(SplitCommandLine("p \\\"x"), (Args{"p", "\"x"}));                     // 1 -> literal quote
    EXPECT_EQ(SplitCommandLine("p \\\\\"x y\""), (Args{"p", "\\x y"}));             // 2 -> one, quote toggles
    EXPECT_EQ(SplitCommandLine("p \\\\\\\"x"), (Args{"p", "\\\"x"}));               // 3 -> one and a literal quote
    // The case the netsh lines avoid: a name ending in a backslash swallows the closing quote.
    EXPECT_EQ(SplitCommandLine("p \"Lan\\\"  static 1"), (Args{"p", "Lan\"  static 1"}));
}

TEST(SplitCommandLine, RunsOfQuotationMarks)
{
    // Every third quotation mark of a run is a literal one; "" inside quotes gives one and ends the quoted part.
    EXPECT_EQ(SplitCommandLine("p \"a\"\"b\""), (Args{"p", "a\"b"}));
    EXPECT_EQ(SplitCommandLine("p \"a \"\" b\" c"), (Args{"p", "a \"", "b c"}));
    EXPECT_EQ(SplitCommandLine("p \"\"\"\" x"), (Args{"p", "\" x"}));
    EXPECT_EQ(SplitCommandLine("p \"\"\"\"\"\" x"), (Args{"p", "\"\"", "x"}));
}
}
