#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSocketNotifier>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <utility>
#include <poll.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// Plain sockets rather than the toolkit's network module: loading that module and
// what it pulls in cost every start more than this whole exchange.
namespace {
const QByteArray kShow = QByteArrayLiteral("show\n");
const QByteArray kDone = QByteArrayLiteral("ok\n");

// Why the folder cannot hold the lock and the socket, or empty when it can: it must
// be a folder itself (not a link to one) that is this user's own and closed to
// everyone else, so that nobody else can put anything there or read what is there.
QString FolderFault(const QString& folder)
{
    struct stat st;
    if (::lstat(QFile::encodeName(folder).constData(), &st) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (S_ISLNK(st.st_mode))
        return QCoreApplication::translate("TSingleInstance", "it is a symbolic link");
    if (!S_ISDIR(st.st_mode))
        return QCoreApplication::translate("TSingleInstance", "it is not a folder");
    if (st.st_uid != ::geteuid())
        return QCoreApplication::translate("TSingleInstance", "it belongs to user %1").arg(st.st_uid);
    if ((st.st_mode & 07777) != S_IRWXU)
        return QCoreApplication::translate("TSingleInstance", "its mode is %1, not 700").arg(st.st_mode & 07777, 3, 8, QLatin1Char('0'));
    return QString();
}

QString UserName()
{
    passwd entry;
    passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(::geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found && *found->pw_name)
        return QFile::decodeName(found->pw_name);
    return QString::number(::geteuid());
}

// The session's runtime folder where it is private; otherwise the user's own one
// in the temporary folder, made private when it is not there yet (the name the
// toolkit uses as well). Empty when neither can be trusted: whatever another user
// put in its place is never looked at.
QString PrivateFolder()
{
    const QString session = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!session.isEmpty()) {
        const QString fault = FolderFault(session);
        if (fault.isEmpty())
            return session;
        qWarning("netvane: not using XDG_RUNTIME_DIR %s: %s", qPrintable(session), qPrintable(fault));
    }
    const QString own = QDir::tempPath() + QStringLiteral("/runtime-") + UserName();
    const QByteArray path = QFile::encodeName(own);
    // The umask may have taken some of the owner's rights from a folder just made.
    if (::mkdir(path.constData(), S_IRWXU) == 0)
        ::chmod(path.constData(), S_IRWXU);
    const QString fault = FolderFault(own);
    if (fault.isEmpty())
        return own;
    qWarning("netvane: not using %s: %s", qPrintable(own), qPrintable(fault));
    return QString();
}

// The time the hand-over has left, for poll().
int Left(const QDeadlineTimer& deadline)
{
    return static_cast<int>(std::clamp<qint64>(deadline.remainingTime(), 0, 5000));
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

// Connects within the deadline. A holder too busy to take connections has a full
// backlog; a connect that does not wait is then refused at once, and tried again.
bool Connect(int fd, const sockaddr_un& addr, const QDeadlineTimer& deadline)
{
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0)
            return true;
        if (errno == EINPROGRESS) {
            int error = 0;
            socklen_t size = sizeof error;
            return WaitFor(fd, POLLOUT, Left(deadline)) &&
                   ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
        }
        if (errno != EAGAIN || deadline.hasExpired())
            return false;
        QThread::msleep(static_cast<unsigned long>(std::min(Left(deadline), 20)));
    }
}

// Sends all of data within the deadline.
bool SendAll(int fd, const QByteArray& data, const QDeadlineTimer& deadline)
{
    qsizetype sent = 0;
    while (sent < data.size()) {
        const ssize_t n = ::send(fd, data.constData() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n > 0)
            sent += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else if (n < 0 && errno == EAGAIN && !deadline.hasExpired())
            WaitFor(fd, POLLOUT, Left(deadline));
        else
            return false;
    }
    return true;
}

// One attempt to reach the holder; true once it confirmed the request. Every step
// ends at the deadline, and an answer longer than the one expected is no answer. A
// holder that took the request is waited for until the deadline rather than asked again.
bool AskToShow(const QString& socketName, const QDeadlineTimer& deadline)
{
    sockaddr_un addr;
    if (!Address(socketName, addr))
        return false;
    TFd s(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (s.Get() < 0 || !Connect(s.Get(), addr, deadline) || !SendAll(s.Get(), kShow, deadline))
        return false;
    QByteArray answer;
    while (!answer.contains('\n')) {
        if (answer.size() >= kDone.size() || deadline.hasExpired() || !WaitFor(s.Get(), POLLIN, Left(deadline)))
            return false;
        char buffer[16];
        const ssize_t n = ::recv(s.Get(), buffer, std::min<qsizetype>(sizeof buffer, kDone.size() - answer.size()), 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0)
            return false;
        answer.append(buffer, n);
    }
    return answer == kDone;
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
    const QString folder = PrivateFolder();
    if (folder.isEmpty()) {
        qWarning("netvane: no private folder for the one-window lock; not checking for another window");
        return Role::First;
    }
    const QString base = folder + QStringLiteral("/netvane-%1").arg(::getuid());
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
        QThread::msleep(static_cast<unsigned long>(std::min(Left(deadline), 100)));
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
