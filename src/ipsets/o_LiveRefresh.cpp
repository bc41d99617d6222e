#include "ipsets/o_LiveRefresh.h"

#include <QSocketNotifier>
#include <QTimer>

#include "adapters/NetworkChanges.h"
#include "common/qxError.h"
#include "ipsets/o_IPSetManager.h"

TqxLiveRefresh::TqxLiveRefresh(TqxIPSetManager* manager, QObject* owner)
    : QObject(owner), FManager(manager), FTimer(new QTimer(this))
{
    FTimer->setSingleShot(true);
    FTimer->setTimerType(Qt::PreciseTimer);
    connect(FTimer, &QTimer::timeout, this, &TqxLiveRefresh::TimerFired);
    if (manager)
        connect(manager, &TqxIPSetManager::ApplyingChanged, this, &TqxLiveRefresh::ApplyingChanged);
}

// The listener goes first: on Windows that waits for a notification under way.
TqxLiveRefresh::~TqxLiveRefresh() { FListener.reset(); }

bool TqxLiveRefresh::Start()
{
    try {
        // Windows reports on a thread of its own: the news is posted to this object's thread.
        FListener = ListenForNetworkChanges(
            [this] { QMetaObject::invokeMethod(this, &TqxLiveRefresh::NetworkChanged, Qt::QueuedConnection); });
    } catch (const EqxError& e) {
        FError = QString::fromStdString(e.Message());
        return false;
    }
    if (FListener->Descriptor() >= 0) {
        FNotifier = new QSocketNotifier(FListener->Descriptor(), QSocketNotifier::Read, this);
        connect(FNotifier, &QSocketNotifier::activated, this, &TqxLiveRefresh::ReadListener);
    }
    return true;
}

void TqxLiveRefresh::ReadListener()
{
    if (FListener && FListener->Drain() > 0)
        NetworkChanged();
}

void TqxLiveRefresh::NetworkChanged()
{
    if (const auto delay = FCoalescer.Changed(TRefreshCoalescer::TClock::now()))
        Schedule(*delay);
}

void TqxLiveRefresh::Schedule(std::chrono::milliseconds delay) { FTimer->start(delay); }

void TqxLiveRefresh::TimerFired()
{
    std::optional<std::chrono::milliseconds> again;
    if (!FCoalescer.Due(TRefreshCoalescer::TClock::now(), &again)) {
        if (again)
            Schedule(*again);
        return;
    }
    if (!FManager)
        return;
    ++FRefreshCount;
    try {
        FManager->RefreshCurrentConfiguration();
    } catch (const std::exception& e) {
        emit RefreshFailed(QString::fromStdString(e.what()));
        return;
    }
    emit Refreshed();
}

void TqxLiveRefresh::ApplyingChanged(bool applying)
{
    if (applying) {
        FCoalescer.ApplyStarted();
        FTimer->stop();
    } else {
        FCoalescer.ApplyEnded(TRefreshCoalescer::TClock::now());
    }
}
