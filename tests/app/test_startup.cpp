// The program as a user starts it: a copy of netvane in a folder of its own, with
// or without a usable store beside it.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#ifndef _WIN32
#include <unistd.h>
#endif

#include "store/StoreSchema.h"

namespace {

struct Installed {
    QTemporaryDir dir;
    QTemporaryDir user;  // the user's data and runtime folders, never the real ones
    QString program;
    QString store;

    Installed()
    {
        program = dir.filePath(QFileInfo(NETVANE_PROGRAM).fileName());
        QFile::copy(NETVANE_PROGRAM, program);
        store = dir.filePath("DataBase/ipdb.ipdb");
    }
    QStringList Files() const
    {
        QStringList out;
        QDirIterator it(dir.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            out << it.next();
        out.sort();
        return out;
    }
};

struct RunResult {
    int status = -1;
    bool finished = false;
    QString errors;
};

RunResult Start(const Installed& inst, const QString& workingDir, const QStringList& wrapper = {})
{
    const QString& program = inst.program;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_DATA_HOME", inst.user.filePath("data"));
    env.insert("XDG_RUNTIME_DIR", inst.user.path());
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(workingDir);
    if (wrapper.isEmpty())
        p.start(program, {});
    else
        p.start(wrapper.first(), wrapper.mid(1) + QStringList{program});
    RunResult r;
    r.finished = p.waitForFinished(5000);
    if (!r.finished) {
        p.kill();
        p.waitForFinished();
    }
    r.status = p.exitCode();
    r.errors = QString::fromUtf8(p.readAllStandardError());
    return r;
}

void ExpectRefusal(Installed& inst, const char* cause, const QStringList& wrapper = {})
{
    const QStringList before = inst.Files();
    const RunResult r = Start(inst, QDir::rootPath(), wrapper);
    ASSERT_TRUE(r.finished) << "the program kept running";
    EXPECT_NE(r.status, 0);
    EXPECT_TRUE(r.errors.contains(QDir::toNativeSeparators(inst.store))) << r.errors.toStdString();
    EXPECT_TRUE(r.errors.contains(cause)) << r.errors.toStdString();
    EXPECT_EQ(inst.Files(), before);
}

}  // namespace

TEST(StartUp, EndsWithAClearMessageWhenTheStoreIsMissing)
{
    // A DataBase folder beside the program makes a portable copy, whose store is never made for it.
    Installed inst;
    QDir(inst.dir.path()).mkdir("DataBase");
    ExpectRefusal(inst, "does not exist");
}

TEST(StartUp, EndsWhenTheStoreIsAnOldJetFile)
{
    Installed inst;
    QDir(inst.dir.path()).mkdir("DataBase");
    QFile f(inst.store);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4, '\0') + "Standard Jet DB" + QByteArray(100, '\0'));
    f.close();
    ExpectRefusal(inst, "Jet/Access");
}

#ifdef _WIN32
TEST(StartUp, EndsWhenTheStoreIsReadOnly)
{
    // The read-only attribute binds administrators too.
    Installed inst;
    QDir(inst.dir.path()).mkdir("DataBase");
    CreateEmptyStore(inst.store);
    QFile::setPermissions(inst.store, QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther);
    ExpectRefusal(inst, "read-only");
    QFile::setPermissions(inst.store, QFile::ReadOwner | QFile::WriteOwner);  // so the folder can go
}
#else
TEST(StartUp, EndsWhenTheStoreIsReadOnly)
{
    const QString setpriv = QStandardPaths::findExecutable("setpriv");
    if (geteuid() != 0 || setpriv.isEmpty())
        GTEST_SKIP() << "needs root and setpriv to run the program as another user";
    Installed inst;
    QDir(inst.dir.path()).mkdir("DataBase");
    CreateEmptyStore(inst.store);
    // The other user may enter the folders and read, but not write, the store.
    for (const QString& d : {inst.dir.path(), inst.dir.filePath("DataBase")})
        QFile::setPermissions(d, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                     QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    QFile::setPermissions(inst.store, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::ReadGroup);
    QFile::setPermissions(inst.program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                            QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    // QTemporaryDir's parent must be reachable too.
    ExpectRefusal(inst, "read-only", {setpriv, "--reuid=65534", "--regid=65534", "--clear-groups"});
}
#endif

TEST(StartUp, OpensTheStoreBesideTheProgramFromAnyWorkingDirectory)
{
    Installed inst;
    QDir(inst.dir.path()).mkdir("DataBase");
    CreateEmptyStore(inst.store);
    QTemporaryDir elsewhere;
    const RunResult r = Start(inst, elsewhere.path());
    // A program that opened its store keeps running until it is closed.
    EXPECT_FALSE(r.finished) << r.errors.toStdString();
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
}

TEST(StartUp, AStoreAnotherToolWroteStillOpens)
{
    Installed inst;
    QDir(inst.dir.path()).mkdir("DataBase");
    CreateEmptyStore(inst.store);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "other-tool");
        db.setDatabaseName(inst.store);
        ASSERT_TRUE(db.open());
        // Values that fit no column, a key beyond 32 bits, and a table that takes no new names.
        for (const char* sql :
             {"INSERT INTO Connections (CONNECTIONNAME) VALUES ('kept')",
              "INSERT INTO IPSets (IPSET_NAME, DHCP, CONNECTION) VALUES ('Text', 1, 'abc'), ('Word', 'yes', 1)",
              "INSERT INTO IPSets (ID, IPSET_NAME, DHCP) VALUES (4294967297, 'Far', 1)",
              "CREATE TRIGGER no_names BEFORE INSERT ON Connections BEGIN SELECT RAISE(ABORT, 'no'); END"})
            ASSERT_TRUE(QSqlQuery(db).exec(sql)) << sql;
        db.close();
    }
    QSqlDatabase::removeDatabase("other-tool");
    const RunResult r = Start(inst, QDir::rootPath());
    EXPECT_FALSE(r.finished) << r.errors.toStdString();
}
