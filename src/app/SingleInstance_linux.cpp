#include "app/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSocketNotifier>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <utility>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// Plain sockets rather than the toolkit's network module: loading that module and
// what it pulls in cost every start more than this whole exchange.
namespace {
const QByteArray kShow = QByteArrayLiteral("show\n");
const QByteArray kDone = QByteArrayLiteral("ok\n");

// The user's private runtime folder where there is one; the shared temporary
// folder otherwise, with the user's number in the name.
QString NameBase()
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/netvane-%1").arg(getuid());
}

int Left(const QDeadlineTimer& deadline)
{
    return static_cast<int>(std::clamp<qint64>(deadline.remainingTime(), 1, 5000));
}

// Closes the descriptor when it goes.
class TFd {
public:
    explicit TFd(int fd = -1) : FFd(fd) {}
    ~TFd()
    {
        if (FFd >= 0)
            ::close(FFd);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int Get() const { return FFd; }
    int Release() { return std::exchange(FFd, -1); }

private:
    int FFd;
};

// False when the name does not fit an address.
bool Address(const QString& name, sockaddr_un& addr)
{
    const QByteArray path = QFile::encodeName(name);
    std::memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    if (path.size() >= static_cast<qsizetype>(sizeof addr.sun_path))
        return false;
    std::memcpy(addr.sun_path, path.constData(), path.size());
    return true;
}

// Waits for the descriptor to be ready for `events`; false at the deadline.
bool WaitFor(int fd, short events, int milliseconds)
{
    pollfd p{fd, events, 0};
    int r;
    do
        r = ::poll(&p, 1, milliseconds);
    while (r < 0 && errno == EINTR);
    return r > 0;
}

// One attempt to reach the holder; true once it confirmed the request. A holder
// that took the request is waited for until the deadline rather than asked again.
bool AskToShow(const QString& socketName, const QDeadlineTimer& deadline)
{
    sockaddr_un addr;
    if (!Address(socketName, addr))
        return false;
    TFd s(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (s.Get() < 0 || ::connect(s.Get(), reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0)
        return false;
    if (::send(s.Get(), kShow.constData(), kShow.size(), MSG_NOSIGNAL) != kShow.size())
        return false;
    QByteArray answer;
    while (!answer.contains('\n')) {
        if (!WaitFor(s.Get(), POLLIN, Left(deadline)))
            return false;
        char buffer[64];
        const ssize_t n = ::recv(s.Get(), buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        answer.append(buffer, n);
    }
    return answer.left(answer.indexOf('\n') + 1) == kDone;
}

// One later start's connection: reads its line, answers it and closes.
class TqxRequest : public QObject {
public:
    TqxRequest(int fd, TSingleInstance* instance, std::function<void()> onShow)
        : QObject(instance), FFd(fd), FNotifier(fd, QSocketNotifier::Read, this), FOnShow(std::move(onShow))
    {
        connect(&FNotifier, &QSocketNotifier::activated, this, &TqxRequest::Read);
    }

private:
    void Read()
    {
        char buffer[64];
        const ssize_t n = ::recv(FFd.Get(), buffer, sizeof buffer, MSG_DONTWAIT);
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (n > 0) {
            FLine.append(buffer, n);
            if (!FLine.contains('\n') && FLine.size() < 64)
                return;
            if (FLine.left(FLine.indexOf('\n') + 1) == kShow) {
                ::send(FFd.Get(), kDone.constData(), kDone.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
                FOnShow();
            }
        }
        FNotifier.setEnabled(false);
        deleteLater();
    }

    TFd FFd;
    QSocketNotifier FNotifier;
    std::function<void()> FOnShow;
    QByteArray FLine;
};
}  // namespace

struct TSingleInstance::Impl {
    std::unique_ptr<QLockFile> lock;
    std::unique_ptr<TFd> listener;
    QSocketNotifier* notifier = nullptr;
    QString socketName;
};

TSingleInstance::TSingleInstance(QObject* parent) : QObject(parent), d(std::make_unique<Impl>()) {}

TSingleInstance::~TSingleInstance()
{
    if (d->listener)
        QFile::remove(d->socketName);
}

TSingleInstance::Role TSingleInstance::Claim(bool showFirst)
{
    const QString base = NameBase();
    const QString socketName = base + QStringLiteral(".socket");
    d->lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
    // Only a lock whose process has ended is stale, however long the window has run.
    d->lock->setStaleLockTime(0);
    // The holder may be starting and not listen yet: a few seconds' patience. When it
    // ends meanwhile, its lock becomes free and this start takes over.
    const QDeadlineTimer deadline(5000);
    while (!d->lock->tryLock(0)) {
        // A folder where no lock can be made says nothing about another window: run alone.
        if (d->lock->error() != QLockFile::LockFailedError) {
            qWarning("netvane: cannot make %s; not checking for another window", qPrintable(d->lock->fileName()));
            return Role::First;
        }
        if (!showFirst)
            return Role::HandedOver;
        if (AskToShow(socketName, deadline))
            return Role::HandedOver;
        if (deadline.hasExpired())
            return Role::Unreachable;
        QThread::msleep(100);
    }
    // Holding the lock, any socket left by a crashed holder is ours to replace.
    QFile::remove(socketName);
    // Without a listener the window still runs; later starts then report it unreachable.
    sockaddr_un addr;
    TFd s(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    // Only this user may ask: the rights are narrowed before anyone can connect.
    const bool listening = Address(socketName, addr) && s.Get() >= 0 &&
                           ::bind(s.Get(), reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0 &&
                           ::chmod(addr.sun_path, S_IRUSR | S_IWUSR) == 0 && ::listen(s.Get(), 16) == 0;
    if (!listening) {
        qWarning("netvane: cannot listen on %s: %s", qPrintable(socketName), std::strerror(errno));
        return Role::First;
    }
    d->socketName = socketName;
    d->listener = std::make_unique<TFd>(s.Release());
    d->notifier = new QSocketNotifier(d->listener->Get(), QSocketNotifier::Read, this);
    connect(d->notifier, &QSocketNotifier::activated, this, [this] {
        int fd;
        while ((fd = ::accept4(d->listener->Get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0)
            new TqxRequest(fd, this, [this] { emit ActivationRequested(); });
    });
    return Role::First;
}
