#include <gtest/gtest.h>

#include <vector>

#include "ipsets/RefreshCoalescer.h"

namespace {

using std::chrono::milliseconds;
using TTime = TRefreshCoalescer::TClock::time_point;

// Drives the coalescer the way the window does: one single-shot timer, events
// at given times; records when refreshes ran.
struct Driver {
    TRefreshCoalescer coalescer{milliseconds(100), milliseconds(250)};
    TTime origin{};
    std::optional<TTime> timer;
    std::vector<int> refreshes;  // ms after origin

    void RunTimerUntil(int ms)
    {
        while (timer && *timer <= origin + milliseconds(ms)) {
            const TTime at = *timer;
            timer.reset();
            std::optional<milliseconds> again;
            if (coalescer.Due(at, &again))
                refreshes.push_back(static_cast<int>((at - origin) / milliseconds(1)));
            else if (again)
                timer = at + *again;
        }
    }
    void Event(int ms)
    {
        RunTimerUntil(ms);
        if (const auto delay = coalescer.Changed(origin + milliseconds(ms)))
            timer = origin + milliseconds(ms) + *delay;
    }
};

struct BurstCase {
    const char* what;
    std::vector<int> events;
    std::vector<int> refreshes;
};

class Coalescing : public ::testing::TestWithParam<BurstCase> {};

TEST_P(Coalescing, RefreshesAsFewAsTheEventsAllow)
{
    Driver d;
    for (int at : GetParam().events)
        d.Event(at);
    d.RunTimerUntil(10000);
    EXPECT_EQ(d.refreshes, GetParam().refreshes) << GetParam().what;
    EXPECT_FALSE(d.timer.has_value()) << "no timer left running when idle";
}

INSTANTIATE_TEST_SUITE_P(
    Bursts, Coalescing,
    ::testing::Values(BurstCase{"one event", {0}, {100}},
                      BurstCase{"a burst of five", {0, 1, 2, 30, 99}, {100}},
                      BurstCase{"an event during the refresh's gather and one after", {0, 50, 120}, {100, 350}},
                      BurstCase{"a long drizzle: one refresh per 250 ms", {0, 110, 220, 330, 440}, {100, 350, 600}},
                      BurstCase{"two bursts far apart", {0, 5, 2000, 2001}, {100, 2100}},
                      BurstCase{"no events", {}, {}}));

TEST(CoalescingDuringApply, EventsWhileApplyingGiveNoRefreshAndItsEndCountsAsOne)
{
    Driver d;
    d.Event(0);  // scheduled for 100
    d.coalescer.ApplyStarted();
    d.Event(10);
    d.RunTimerUntil(500);  // the timer fires during the apply and does nothing
    EXPECT_TRUE(d.refreshes.empty());
    EXPECT_FALSE(d.coalescer.Pending());
    d.coalescer.ApplyEnded(d.origin + milliseconds(600));
    d.Event(650);  // right after the apply's own refresh: not before 600 + 250
    d.RunTimerUntil(10000);
    EXPECT_EQ(d.refreshes, std::vector<int>{850});
}

}  // namespace
