#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QProcess>
#include <QTemporaryDir>
#ifndef _WIN32
#include <unistd.h>
#endif

#include "common/qxError.h"
#include "support/TempStore.h"

namespace {

// Every file under dir with its size and content hash: "nothing on disk changed".
QStringList Snapshot(const QString& dir)
{
    QStringList out;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        QFile f(p);
        QByteArray hash;
        if (f.open(QIODevice::ReadOnly))
            hash = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1).toHex();
        out << p + QLatin1Char(' ') + hash;
    }
    out.sort();
    return out;
}

// Opening must fail with a message naming the path and the cause, and touch nothing.
void ExpectRefused(const QString& dir, const QString& path, const char* cause)
{
    const QStringList before = Snapshot(dir);
    TqxIPDBManager m;
    try {
        m.InitializeDataBase(path);
        ADD_FAILURE() << "opened " << path.toStdString();
    } catch (const EqxError& e) {
        // Named as the system writes paths.
        EXPECT_NE(e.Message().find(QDir::toNativeSeparators(path).toStdString()), std::string::npos) << e.Message();
        EXPECT_NE(e.Message().find(cause), std::string::npos) << e.Message();
    }
    EXPECT_EQ(Snapshot(dir), before);
}

}  // namespace

TEST(OpenStore, RefusesAMissingFolderOrFileAndCreatesNothing)
{
    QTemporaryDir dir;
    ExpectRefused(dir.path(), dir.filePath("DataBase/ipdb.ipdb"), "folder");
    QDir(dir.path()).mkdir("DataBase");
    ExpectRefused(dir.path(), dir.filePath("DataBase/ipdb.ipdb"), "does not exist");
}

TEST(OpenStore, RefusesFilesThatAreNoStore)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ipdb.ipdb");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    QByteArray jet(2048, '\0');
    jet.replace(4, 15, "Standard Jet DB");
    f.write(jet);
    f.close();
    ExpectRefused(dir.path(), path, "Jet/Access");

    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("just some text\n");
    f.close();
    ExpectRefused(dir.path(), path, "not an SQLite database");

    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.close();
    ExpectRefused(dir.path(), path, "not an SQLite database");
}

TEST(OpenStore, RefusesMissingTablesAndColumns)
{
    {
        TempStore s(false);
        s.Exec("DROP TABLE Connections");
        ExpectRefused(s.dir.path(), s.path, "the table Connections is missing");
    }
    {
        TempStore s(false);
        s.Exec("ALTER TABLE IPSets DROP COLUMN DHCP");
        ExpectRefused(s.dir.path(), s.path, "the table IPSets has no column DHCP");
    }
}

TEST(OpenStore, RefusesAStoreLockedByAnotherProgram)
{
    TempStore s(false);
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "locker");
        other.setDatabaseName(s.path);
        ASSERT_TRUE(other.open());
        QSqlQuery q(other);
        ASSERT_TRUE(q.exec("BEGIN EXCLUSIVE"));
        ExpectRefused(s.dir.path(), s.path, "locked");
        q.exec("ROLLBACK");
        other.close();
    }
    QSqlDatabase::removeDatabase("locker");
    TqxIPDBManager m;
    EXPECT_NO_THROW(m.InitializeDataBase(s.path));
}

TEST(OpenStore, RefusesAReadOnlyStore)
{
#ifndef _WIN32  // on Windows the read-only attribute binds administrators too
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write read-only files; the program-level test covers this as another user";
#endif
    TempStore s(false);
    QFile::setPermissions(s.path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    ExpectRefused(s.dir.path(), s.path, "read-only");
}

TEST(OpenStore, OpensTheStoreBesideTheProgramWhateverTheWorkingDirectory)
{
    const QString expected = QCoreApplication::applicationDirPath() + "/DataBase/ipdb.ipdb";
    EXPECT_EQ(TqxIPDBManager::DefaultDatabasePath(), expected);
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(QDir::rootPath());
    EXPECT_EQ(TqxIPDBManager::DefaultDatabasePath(), expected);
    QDir::setCurrent(cwd);
}

TEST(StoreTool, CreatesAnEmptyStoreAndNeverOverwrites)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ipdb.ipdb");
    CreateEmptyStore(path);
    TqxIPDBManager m;
    m.InitializeDataBase(path);
    EXPECT_EQ(m.IPSets()->FieldNames(),
              (QStringList{"ID", "IPSET_NAME", "IPADDRESS", "SUBNETMASK", "GATEWAY", "DNS", "DHCP", "CONNECTION"}));
    EXPECT_EQ(m.ConnectionNames()->FieldNames(), (QStringList{"ID", "CONNECTIONNAME"}));
    EXPECT_THROW(CreateEmptyStore(path), EqxError);

    // The command-line tool refuses the same way, with a non-zero status.
    QProcess tool;
    tool.start(NETVANE_DB_TOOL, {"create", path});
    ASSERT_TRUE(tool.waitForFinished());
    EXPECT_NE(tool.exitCode(), 0);
    EXPECT_TRUE(tool.readAllStandardError().contains("refusing to overwrite"));
}
