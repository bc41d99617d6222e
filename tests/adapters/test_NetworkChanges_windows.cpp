// The change listener's Windows seam: both IP Helper registrations are made and
// cancelled again (Wine sends no notifications, so none is waited for).
#include <gtest/gtest.h>

#include <atomic>

#include "adapters/NetworkChanges.h"

TEST(NetworkChangesWindows, RegistersAndCancelsItsNotifications)
{
    std::atomic<int> calls{0};
    for (int round = 0; round < 3; ++round) {
        auto listener = ListenForNetworkChanges([&calls] { ++calls; });
        ASSERT_TRUE(listener);
        EXPECT_EQ(listener->Descriptor(), -1);  // news comes through the callback
        EXPECT_EQ(listener->Drain(), 0);
    }
}
