// The failure notice after an apply: each failed step once, in sentences.
#include "ipsets/ApplyReport.h"

#include <gtest/gtest.h>

namespace {

TEST(ApplyReport, NamesEachFailedStepOnce)
{
    const struct {
        const char* name;
        const char* address;
        const char* dns;
        const char* notice;
    } cases[] = {
        {"Office", "unknown connection \"LAN\"", "", "Office was not applied. Setting the address failed: unknown "
                                                     "connection \"LAN\"."},
        {"Office", "", "netsh: no DNS server given (see netsh help)",
         "Office was not applied. Setting the DNS server failed: netsh: no DNS server given (see netsh help)."},
        {"Office", "exit code 1", "stopped after 60 seconds without finishing",
         "Office was not applied. Setting the address failed: exit code 1. Setting the DNS server failed: stopped "
         "after 60 seconds without finishing."},
        // One reason for both is said once.
        {"Office", "Access is denied.", "Access is denied.",
         "Office was not applied. Setting the address and the DNS server failed: Access is denied."},
        {"", "No such file\r\n", "", "The IP set was not applied. Setting the address failed: No such file."},
        {"Lab", "", "Refused!", "Lab was not applied. Setting the DNS server failed: Refused!"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ApplyFailureNotice(c.name, c.address, c.dns), c.notice);
}

}  // namespace
