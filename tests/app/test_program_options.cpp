// Each command-line option through the real program, the installed copy's own store,
// and one window per user.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <atomic>
#include <cstring>
#include <functional>
#include <thread>
#include <poll.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "ProgramCopy.h"
#include "app/SingleInstance.h"

namespace {
void Sql(const QString& store, const QStringList& statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "program-options");
        db.setDatabaseName(store);
        ASSERT_TRUE(db.open());
        for (const QString& sql : statements)
            ASSERT_TRUE(QSqlQuery(db).exec(sql)) << sql.toStdString();
    }
    QSqlDatabase::removeDatabase("program-options");
}

void AddOfficeSets(const QString& store)
{
    Sql(store, {"INSERT INTO Connections (CONNECTIONNAME) VALUES ('Office LAN')",
                "INSERT INTO IPSets (IPSET_NAME, IPADDRESS, SUBNETMASK, GATEWAY, DNS, DHCP, CONNECTION) VALUES "
                "('Office', '10.0.0.5', '255.0.0.0', '10.0.0.1', '10.0.0.2', 0, 1)",
                "INSERT INTO IPSets (IPSET_NAME, IPADDRESS, SUBNETMASK, GATEWAY, DNS, DHCP, CONNECTION) VALUES "
                "('Roaming', '0.0.0.0', '0.0.0.0', '0.0.0.0', '0.0.0.0', 1, 1)"});
}

QByteArray Contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Waits for a process while this one's event loop runs (it may be the one answering).
bool FinishWhileServing(QProcess& p, int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!p.waitForFinished(20)) {
        QCoreApplication::processEvents();
        if (deadline.hasExpired())
            return false;
    }
    QCoreApplication::processEvents();
    return true;
}

struct RuntimeFolderOf {
    QByteArray old = qgetenv("XDG_RUNTIME_DIR");
    explicit RuntimeFolderOf(const ProgramCopy& copy) { qputenv("XDG_RUNTIME_DIR", copy.RuntimeFolder().toUtf8()); }
    ~RuntimeFolderOf() { qputenv("XDG_RUNTIME_DIR", old); }
};
}  // namespace

TEST(ProgramOptions, HelpVersionAndUsageErrorsNeedNoDisplay)
{
    ProgramCopy copy(true);
    const struct {
        QStringList args;
        int status;
        const char* out;
        const char* err;
    } cases[] = {
        {{"--help"}, 0, "--apply <NAME>", ""},
        {{"--version"}, 0, "netvane 3.0.0\n", ""},
        {{"--frobnicate"}, 2, "", "Unknown option 'frobnicate'"},
        {{"--apply"}, 2, "", "Usage: netvane [options]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const ProgramRun r = copy.Run(c.args);
        ASSERT_TRUE(r.finished);
        EXPECT_EQ(r.status, c.status) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(QLatin1String(c.out))) << r.out.toStdString();
        EXPECT_TRUE(r.err.contains(QLatin1String(c.err))) << r.err.toStdString();
        EXPECT_EQ(r.out.isEmpty(), *c.out == '\0');
    }
}

TEST(ProgramOptions, ListPrintsTheStoredSetsWithoutADisplay)
{
    ProgramCopy copy(true);
    AddOfficeSets(copy.PortableStore());
    // A tab in a name would break the line into cells; a missing connection leaves its cell empty.
    // Values another tool stored that fit no column are listed blank.
    Sql(copy.PortableStore(), {"INSERT INTO IPSets (IPSET_NAME, IPADDRESS, SUBNETMASK, DHCP) VALUES "
                               "('Lab' || char(9) || 'bench', '10.1.0.2', '255.255.0.0', 0)",
                               "INSERT INTO IPSets (IPSET_NAME, IPADDRESS, DHCP, CONNECTION) VALUES "
                               "('Odd', '10.2.0.2', 'yes', 'abc')"});
    const ProgramRun r = copy.Run({"--list"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "Office\tOffice LAN\t10.0.0.5\t255.0.0.0\t10.0.0.1\t10.0.0.2\nRoaming\tOffice LAN\tDHCP\n"
                     "Lab bench\t\t10.1.0.2\t255.255.0.0\t\t\nOdd\t\t10.2.0.2\t\t\t\n");
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(copy.UsersStore()));  // portable: the user's folder is left alone
}

TEST(ProgramOptions, ApplyRunsTheNetshBesideTheProgramAndTellsTheOutcome)
{
    ProgramCopy copy(true, true);
    AddOfficeSets(copy.PortableStore());
    {
        FakeNetsh netsh;
        const ProgramRun r = copy.Run({"--apply", "Roaming"});
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, "IP Changed successfully!\n");
        const auto calls = netsh.Calls();
        ASSERT_EQ(calls.size(), 2u);
        EXPECT_EQ(calls[0].Args, (std::vector<std::string>{"interface", "ip", "set", "address", "Office LAN", "dhcp"}));
        EXPECT_EQ(calls[1].Args, (std::vector<std::string>{"interface", "ip", "set", "dns", "Office LAN", "dhcp"}));
    }
    {
        FakeNetsh netsh;
        netsh.SetExitCode(5);
        netsh.SetStderr("netsh: not permitted");
        const ProgramRun r = copy.Run({"--apply", "Office"});
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(
            "Office was not applied. Setting the address and the DNS server failed: netsh: not permitted."))
            << r.err.toStdString();
    }
    // Names that find no single set, and a set whose connection is gone: nothing runs.
    Sql(copy.PortableStore(), {"INSERT INTO IPSets (IPSET_NAME, DHCP, CONNECTION) VALUES ('Roaming', 1, 1)",
                               "INSERT INTO IPSets (IPSET_NAME, DHCP, CONNECTION) VALUES ('Orphan', 1, 99)"});
    const std::pair<const char*, const char*> refusals[] = {
        {"Nowhere", "netvane: no IP set is named \"Nowhere\"\n"},
        {"office", "netvane: no IP set is named \"office\"\n"},
        {"Roaming", "netvane: 2 IP sets are named \"Roaming\"; give one of them another name to apply it.\n"},
        {"Orphan", "netvane: Error Applying IP Set.\nThe connection chosen for this IP set is no longer in the "
                   "connection list.\n"},
    };
    for (const auto& [name, said] : refusals) {
        FakeNetsh netsh;
        const ProgramRun r = copy.Run({"--apply", name});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, said);
        EXPECT_TRUE(netsh.Calls().empty());
    }
}

TEST(ProgramOptions, AnInstalledCopyMakesTheUsersStoreOnceAndSaysSo)
{
    ProgramCopy copy(false);
    ProgramRun r = copy.Run({"--list"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err.trimmed(), "Made a new, empty IP set store: " + copy.UsersStore());
    EXPECT_TRUE(QFile::exists(copy.UsersStore()));
    EXPECT_FALSE(QDir(copy.dir.filePath("DataBase")).exists());
    r = copy.Run({"--list"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
}

TEST(ProgramOptions, FirstStartsAtOnceMakeOneStoreAndLeaveItAlone)
{
    ProgramCopy copy(false);
    std::vector<std::unique_ptr<QProcess>> starts;
    for (int i = 0; i < 4; ++i) {
        starts.push_back(std::make_unique<QProcess>());
        copy.Start(*starts.back(), {"--list"}, false);
    }
    int made = 0;
    for (auto& p : starts) {
        ASSERT_TRUE(p->waitForFinished(30000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
        made += QString::fromUtf8(p->readAllStandardError()).contains("Made a new") ? 1 : 0;
    }
    EXPECT_EQ(made, 1);
    EXPECT_EQ(QDir(QFileInfo(copy.UsersStore()).absolutePath()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"ipdb.ipdb"});
}

TEST(ProgramOptions, AnUnusableUsersStoreIsRefusedByNameAndLeftAsItIs)
{
    ProgramCopy copy(false);
    QDir().mkpath(QFileInfo(copy.UsersStore()).absolutePath());
    const QByteArray junk("not a store at all, but the user's file");
    {
        QFile f(copy.UsersStore());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(junk);
    }
    for (const QStringList& args : {QStringList{"--list"}, QStringList{}}) {
        const ProgramRun r = copy.Run(args, true, 10000);
        ASSERT_TRUE(r.finished);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains(copy.UsersStore())) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("not an SQLite database")) << r.err.toStdString();
        EXPECT_EQ(Contents(copy.UsersStore()), junk);
    }
}

TEST(OneWindow, ALaterStartHandsOverToTheFirstAndEnds)
{
    ProgramCopy copy(true);
    RuntimeFolderOf runtime(copy);
    TSingleInstance first;
    ASSERT_EQ(first.Claim(), TSingleInstance::Role::First);
    QSignalSpy asked(&first, &TSingleInstance::ActivationRequested);
    QProcess second;
    copy.Start(second, {}, true);
    ASSERT_TRUE(FinishWhileServing(second, 15000));
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    EXPECT_EQ(asked.count(), 1);
    // A start meant to stay hidden leaves the first as it is; options that need no window work beside it.
    QProcess hidden;
    copy.Start(hidden, {"--minimized"}, true);
    ASSERT_TRUE(FinishWhileServing(hidden, 15000));
    EXPECT_EQ(hidden.exitCode(), 0);
    EXPECT_EQ(copy.Run({"--list"}).status, 0);
    EXPECT_EQ(asked.count(), 1);
}

TEST(OneWindow, TheMinimizedWindowTakesLaterStartsAndAnotherUserFolderDoesNot)
{
    ProgramCopy copy(true);
    QProcess window;
    copy.Start(window, {"--minimized"}, true);
    ASSERT_TRUE(window.waitForStarted());
    EXPECT_FALSE(window.waitForFinished(1500)) << window.readAllStandardError().toStdString();
    for (const QStringList& args : {QStringList{"--minimized"}, QStringList{}}) {
        const ProgramRun later = copy.Run(args, true);
        EXPECT_TRUE(later.finished);
        EXPECT_EQ(later.status, 0) << later.err.toStdString();
    }
    EXPECT_EQ(window.state(), QProcess::Running);
    // Another user (another runtime folder) gets a window of their own.
    ProgramCopy other(true);
    QProcess theirs;
    other.Start(theirs, {}, true);
    ASSERT_TRUE(theirs.waitForStarted());
    EXPECT_FALSE(theirs.waitForFinished(1500)) << theirs.readAllStandardError().toStdString();
    for (QProcess* p : {&window, &theirs}) {
        p->kill();
        p->waitForFinished();
    }
}

// Sends `request` to the holder's socket and returns what it answered before closing.
QByteArray AskHolder(const QString& socketName, const QByteArray& request)
{
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(socketName);
    std::memcpy(addr.sun_path, path.constData(), path.size());
    QByteArray answer;
    if (::connect(s, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0 &&
        ::send(s, request.constData(), request.size(), 0) == request.size()) {
        ::shutdown(s, SHUT_WR);
        // The holder answers from its event loop.
        QDeadlineTimer deadline(5000);
        char buffer[64];
        ssize_t n = 0;
        while (!deadline.hasExpired() && (n = ::recv(s, buffer, sizeof buffer, MSG_DONTWAIT)) != 0) {
            if (n > 0)
                answer.append(buffer, n);
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    }
    ::close(s);
    return answer;
}

TEST(OneWindow, TheHoldersSocketIsTheUsersAndTakesOnlyItsRequest)
{
    ProgramCopy copy(true);
    RuntimeFolderOf runtime(copy);
    const QString socketName = copy.RuntimeFolder() + QStringLiteral("/netvane-%1.socket").arg(getuid());
    {
        TSingleInstance first;
        ASSERT_EQ(first.Claim(), TSingleInstance::Role::First);
        QSignalSpy asked(&first, &TSingleInstance::ActivationRequested);
        EXPECT_EQ(QFileInfo(socketName).permissions() & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                                          QFile::WriteUser),
                  QFile::Permissions());
        const struct {
            QByteArray request, answer;
            int asked;
        } cases[] = {{"hello\n", "", 0}, {"show", "", 0}, {"show\n", "ok\n", 1}};
        for (const auto& c : cases) {
            EXPECT_EQ(AskHolder(socketName, c.request), c.answer) << c.request.toStdString();
            EXPECT_EQ(asked.count(), c.asked) << c.request.toStdString();
        }
    }
    EXPECT_FALSE(QFileInfo::exists(socketName));
}

TEST(OneWindow, AHolderThatDoesNotAnswerIsReported)
{
    ProgramCopy copy(true);
    QLockFile held(copy.RuntimeFolder() + QStringLiteral("/netvane-%1.lock").arg(getuid()));
    ASSERT_TRUE(held.tryLock(0));
    const ProgramRun r = copy.Run({}, true);
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("does not answer")) << r.err.toStdString();
}

TEST(OneWindow, WhatACrashedHolderLeftIsTakenOver)
{
    ProgramCopy copy(true);
    RuntimeFolderOf runtime(copy);
    // A lock naming a process that has ended, and a socket file nobody listens on.
    QProcess gone;
    gone.start("true", {});
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 deadPid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    const QString base = copy.RuntimeFolder() + QStringLiteral("/netvane-%1").arg(getuid());
    {
        QFile lock(base + ".lock");
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(deadPid) + "\nnetvane\n\n");
        QFile socket(base + ".socket");
        ASSERT_TRUE(socket.open(QIODevice::WriteOnly));
    }
    TSingleInstance first;
    ASSERT_EQ(first.Claim(), TSingleInstance::Role::First);
    QSignalSpy asked(&first, &TSingleInstance::ActivationRequested);
    QProcess second;
    copy.Start(second, {}, true);
    ASSERT_TRUE(FinishWhileServing(second, 15000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(asked.count(), 1);
}

namespace {
bool Ready(int fd, short events)
{
    pollfd p{fd, events, 0};
    return ::poll(&p, 1, 50) > 0;
}
}  // namespace

TEST(OneWindow, ALaterStartGivesUpOnAHolderThatDoesNotAnswerInTime)
{
    // A holder that talks without end but never a whole line; one that takes no connection.
    for (const bool talks : {true, false}) {
        SCOPED_TRACE(talks ? "a holder that talks without end" : "a holder whose backlog is full");
        ProgramCopy copy(true);
        const QString base = copy.RuntimeFolder() + QStringLiteral("/netvane-%1").arg(getuid());
        QLockFile held(base + ".lock");
        ASSERT_TRUE(held.tryLock(0));
        sockaddr_un addr{AF_UNIX, {}};
        const QByteArray path = QFile::encodeName(base + ".socket");
        std::memcpy(addr.sun_path, path.constData(), path.size());
        const auto* to = reinterpret_cast<const sockaddr*>(&addr);
        const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        ASSERT_TRUE(::bind(listener, to, sizeof addr) == 0 && ::listen(listener, 0) == 0);
        std::vector<int> queued;
        for (int fd; !talks && (fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)) >= 0;) {
            queued.push_back(fd);
            if (::connect(fd, to, sizeof addr) != 0)
                break;
        }
        std::atomic<bool> stop{false};
        std::thread talker([&] {
            const QByteArray noLine(4096, 'x');
            while (talks && !stop) {
                const int fd = Ready(listener, POLLIN) ? ::accept(listener, nullptr, nullptr) : -1;
                while (fd >= 0 && !stop &&
                       (!Ready(fd, POLLOUT) ||
                        ::send(fd, noLine.constData(), noLine.size(), MSG_NOSIGNAL | MSG_DONTWAIT) > 0 || errno == EAGAIN))
                    ;
                if (fd >= 0)
                    ::close(fd);
            }
        });
        const ProgramRun r = copy.Run({}, true, 30000);
        stop = true;
        talker.join();
        for (int fd : queued)
            ::close(fd);
        ::close(listener);
        EXPECT_TRUE(r.finished) << "the later start kept running";
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains("does not answer")) << r.err.toStdString();
    }
}

TEST(OneWindow, NothingAnotherUserLeavesInItsPlaceIsTrustedOrBlocksAStart)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to leave files as another user";
    const QString own = QStringLiteral("runtime-") + QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name);
    // A folder holding a lock no start could take for stale; both another user's unless said.
    const auto leave = [](const QString& folder, mode_t mode, uid_t owner = 65534) {
        QDir().mkpath(folder);
        QFile lock(folder + QStringLiteral("/netvane-%1.lock").arg(getuid()));
        EXPECT_TRUE(lock.open(QIODevice::WriteOnly) && lock.write("not a lock\n") > 0);
        lock.close();
        for (const auto& [path, uid] : {std::pair{lock.fileName(), uid_t(65534)}, std::pair{folder, owner}})
            ::chown(QFile::encodeName(path).constData(), uid, uid);
        ::chmod(QFile::encodeName(folder).constData(), mode);
        return folder;
    };
    const struct {
        const char* what;
        std::function<QString(const QString& tmp)> leaveIn;  // gives XDG_RUNTIME_DIR, empty for none
        bool oneWindow;  // a private folder is still to be had: a later start hands over
    } cases[] = {
        {"a lock in the temporary folder", [&](const QString& t) { return leave(t, 01777, 0), QString(); }, true},
        {"the user's runtime folder made by another", [&](const QString& t) { return leave(t + '/' + own, 0777), QString(); },
         false},
        {"the user's runtime folder a link to another's",
         [&](const QString& t) { return QFile::link(leave(t + "/theirs", 0700), t + '/' + own), QString(); }, false},
        {"XDG_RUNTIME_DIR another user's", [&](const QString& t) { return leave(t + "/session", 0700); }, true},
        {"XDG_RUNTIME_DIR open to others", [&](const QString& t) { return leave(t + "/session", 0777, 0); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir tmp;  // the starts' temporary folder
        const QString session = c.leaveIn(tmp.path());
        ProgramCopy copy(true);
        QProcessEnvironment env = copy.Environment(true);
        env.insert("TMPDIR", tmp.path());
        env.insert("XDG_RUNTIME_DIR", session);
        QProcess window, later;
        for (QProcess* p : {&window, &later}) {
            p->setProcessEnvironment(env);
            p->start(copy.program, {});
            ASSERT_TRUE(p->waitForStarted());
            if (p == &window) {
                EXPECT_FALSE(window.waitForFinished(1500)) << window.readAllStandardError().toStdString();
            }
        }
        // Where nowhere private is left to meet, each start runs a window of its own rather than none.
        EXPECT_EQ(later.waitForFinished(c.oneWindow ? 10000 : 1500), c.oneWindow);
        if (c.oneWindow) {
            EXPECT_EQ(later.exitCode(), 0) << later.readAllStandardError().toStdString();
            const QFileInfo made(tmp.filePath(own));
            EXPECT_TRUE(!made.isSymLink() && made.ownerId() == 0);
            EXPECT_EQ(made.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        for (QProcess* p : {&window, &later}) {
            p->kill();
            p->waitForFinished();
        }
    }
}
