#pragma once
// Turns a stream of network change events into few refreshes: a burst gives
// one, refreshes are at least an interval apart, and none runs while an IP set
// is being applied (the apply refreshes at its end). Pure: the caller brings
// the time and runs one single-shot timer with the delays it is given, so an
// idle program has no timer running.
#include <chrono>
#include <optional>

class TRefreshCoalescer {
public:
    using TClock = std::chrono::steady_clock;
    using TDelay = std::chrono::milliseconds;

    // Gather: how long after a burst's first event the refresh comes, so the
    // rest of the burst is read with it. Interval: the least time between refreshes.
    explicit TRefreshCoalescer(TDelay Gather = TDelay(100), TDelay Interval = TDelay(250));

    // A change was seen. Returns the delay for the caller's timer when a refresh
    // is now scheduled; nothing when one is already pending or an apply runs.
    std::optional<TDelay> Changed(TClock::time_point Now);
    // The caller's timer fired: true when the refresh is to run now. A false
    // answer with a delay asks for the timer again (the timer fired early).
    bool Due(TClock::time_point Now, std::optional<TDelay>* Again = nullptr);

    // An apply started or ended; its end is a refresh, so pending events are covered.
    void ApplyStarted();
    void ApplyEnded(TClock::time_point Now);

    bool Pending() const { return FPending; }

private:
    TDelay FGather;
    TDelay FInterval;
    bool FPending = false;
    bool FApplying = false;
    TClock::time_point FDueAt{};
    std::optional<TClock::time_point> FLastRefresh;
};
