#include "ipsets/RefreshCoalescer.h"

#include <algorithm>

TRefreshCoalescer::TRefreshCoalescer(TDelay Gather, TDelay Interval) : FGather(Gather), FInterval(Interval) {}

std::optional<TRefreshCoalescer::TDelay> TRefreshCoalescer::Changed(TClock::time_point Now)
{
    if (FApplying || FPending)
        return std::nullopt;
    FPending = true;
    FDueAt = Now + FGather;
    if (FLastRefresh)
        FDueAt = std::max(FDueAt, *FLastRefresh + FInterval);
    return std::chrono::ceil<TDelay>(FDueAt - Now);
}

bool TRefreshCoalescer::Due(TClock::time_point Now, std::optional<TDelay>* Again)
{
    if (Again)
        Again->reset();
    if (!FPending || FApplying)
        return false;
    if (Now < FDueAt) {
        if (Again)
            *Again = std::chrono::ceil<TDelay>(FDueAt - Now);
        return false;
    }
    FPending = false;
    FLastRefresh = Now;
    return true;
}

void TRefreshCoalescer::ApplyStarted()
{
    FApplying = true;
    FPending = false;
}

void TRefreshCoalescer::ApplyEnded(TClock::time_point Now)
{
    FApplying = false;
    FPending = false;
    FLastRefresh = Now;
}
