#pragma once
// One window per user. The first start of the window claims a name of its own user;
// a later start hands over to it, which then shows, restores and raises its window,
// and ends. SingleInstance_linux.cpp: a lock file and a local socket in the user's
// runtime folder; SingleInstance_windows.cpp: a named mutex and a registered window
// message (the Windows toolkit has no Qt Network).
#include <QObject>
#include <memory>

class TSingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role {
        First,        // this process holds the name: it runs the window
        HandedOver,   // another process holds it and was asked to show its window
        Unreachable,  // another process holds it but did not take the request
    };

    explicit TSingleInstance(QObject* parent = nullptr);
    ~TSingleInstance() override;

    // Claims the name, or hands over to the process that holds it, asking it to show
    // its window unless showFirst is false (a start meant to stay hidden). Needs a
    // running application object; the name is given up when this object goes.
    Role Claim(bool showFirst = true);

signals:
    // A later start asked this, the first, to bring its window to the front.
    void ActivationRequested();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
