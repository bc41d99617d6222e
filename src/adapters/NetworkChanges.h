#pragma once
// Notice of changes to the machine's IPv4 configuration: addresses, links and
// routes on Linux (rtnetlink groups), interfaces and unicast addresses on
// Windows (IP Helper change notifications). The listener only says "something
// changed"; the caller reads the snapshot again.
#include <functional>
#include <memory>

class TNetworkChangeListener {
public:
    // Windows calls Notify on a thread of its own, once per change; Linux never
    // calls it: the owner watches Descriptor() for reading and calls Drain().
    using TNotify = std::function<void()>;

    virtual ~TNetworkChangeListener() = default;
    TNetworkChangeListener(const TNetworkChangeListener&) = delete;
    TNetworkChangeListener& operator=(const TNetworkChangeListener&) = delete;

    // A descriptor that becomes readable when changes arrive; -1 when they come through Notify.
    virtual int Descriptor() const = 0;
    // Reads what has arrived without waiting; the number of change messages
    // among it (a lost overflow of messages counts as one).
    virtual int Drain() = 0;

protected:
    TNetworkChangeListener() = default;
};

// Starts listening in the calling thread's network namespace (Linux); raises
// EqxError with the system's reason when it cannot.
std::unique_ptr<TNetworkChangeListener> ListenForNetworkChanges(TNetworkChangeListener::TNotify Notify);
