// Smoke test of the Windows binding against the system's own IPHLPAPI.DLL.
#include <gtest/gtest.h>

#include "adapters/IPHelper.h"
#include "adapters/o_AdapterInformation.h"

namespace {

TEST(WindowsIPHelper, BindsAndReadsTheHostsAdapters) {
    ASSERT_TRUE(LoadIPHelperLibrary());
    EXPECT_NE(IPHLPAPI::GetAdaptersInfo, nullptr);
    EXPECT_NE(IPHLPAPI::GetPerAdapterInfo, nullptr);
    std::int32_t count = -1;
    TAdaptorRows rows;
    EXPECT_EQ(ReadAdaptorRows(count, rows), 0u);
    EXPECT_GE(count, 0);
    EXPECT_EQ(rows.size(), static_cast<std::size_t>(count));
    for (const TAdaptorInfo& row : rows) {
        EXPECT_FALSE(row.AdapterName.empty());
        EXPECT_GE(row.IPAddressTot, 1);
    }
    TqxNetworkAdapterManager manager;
    EXPECT_NO_THROW(manager.EnumerateNetworkAdapters());
    EXPECT_EQ(manager.Adapters().Count(), count);
}

TEST(WindowsIPHelper, ErrorTextComesFromTheSystemWithoutFullStop) {
    const std::string text = IPHelperErrorText(50);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '.');
    EXPECT_GT(static_cast<unsigned char>(text.back()), ' ');
}

}  // namespace
