#include "app/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <algorithm>
#include <unistd.h>

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

// One attempt to reach the holder; true once it confirmed the request. A holder
// that took the request is waited for until the deadline rather than asked again.
bool AskToShow(const QString& socketName, const QDeadlineTimer& deadline)
{
    QLocalSocket socket;
    socket.connectToServer(socketName);
    if (!socket.waitForConnected(500))
        return false;
    socket.write(kShow);
    if (!socket.waitForBytesWritten(Left(deadline)))
        return false;
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(Left(deadline)))
            return false;
    return socket.readLine() == kDone;
}
}  // namespace

struct TSingleInstance::Impl {
    std::unique_ptr<QLockFile> lock;
    QLocalServer* server = nullptr;
};

TSingleInstance::TSingleInstance(QObject* parent) : QObject(parent), d(std::make_unique<Impl>()) {}
TSingleInstance::~TSingleInstance() = default;

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
    QLocalServer::removeServer(socketName);
    d->server = new QLocalServer(this);
    d->server->setSocketOptions(QLocalServer::UserAccessOption);
    // Without a server the window still runs; later starts then report it unreachable.
    if (!d->server->listen(socketName))
        qWarning("netvane: cannot listen on %s: %s", qPrintable(socketName), qPrintable(d->server->errorString()));
    connect(d->server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = d->server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine())
                    return;
                if (socket->readLine() == kShow) {
                    socket->write(kDone);
                    socket->flush();
                    emit ActivationRequested();
                }
                socket->disconnectFromServer();
            });
        }
    });
    return Role::First;
}
