#pragma once
// TqxLiveRefresh keeps the current configuration tree and the in-effect marks
// up to date as the system reports changes: the listener's news is coalesced
// into at most one refresh per interval, none while an IP set is being applied.
// Nothing runs while nothing changes: one single-shot timer, started by a change.
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

#include "ipsets/RefreshCoalescer.h"

class QSocketNotifier;
class QTimer;
class TNetworkChangeListener;
class TqxIPSetManager;

class TqxLiveRefresh : public QObject {
    Q_OBJECT
public:
    explicit TqxLiveRefresh(TqxIPSetManager* manager, QObject* owner = nullptr);
    ~TqxLiveRefresh() override;

    // Starts listening in this thread's network namespace. False, with the
    // reason in Error(), when the system refuses; the window then works as before.
    bool Start();
    QString Error() const { return FError; }
    int RefreshCount() const { return FRefreshCount; }

public slots:
    // A change was seen (the listener's; tests may call it directly).
    void NetworkChanged();

signals:
    void Refreshed();
    // A refresh that failed; the trees keep what they showed.
    void RefreshFailed(const QString& message);

private:
    void ReadListener();
    void TimerFired();
    void ApplyingChanged(bool applying);
    void Schedule(std::chrono::milliseconds delay);

    QPointer<TqxIPSetManager> FManager;
    std::unique_ptr<TNetworkChangeListener> FListener;
    QSocketNotifier* FNotifier = nullptr;
    QTimer* FTimer;
    TRefreshCoalescer FCoalescer;
    QString FError;
    int FRefreshCount = 0;
};
