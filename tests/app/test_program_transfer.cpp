// --export and --import through the program: one store's sets reach another's.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "ProgramCopy.h"

namespace {

void Fill(const QString& store)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "program-transfer");
        db.setDatabaseName(store);
        ASSERT_TRUE(db.open());
        for (const char* sql :
             {"INSERT INTO Connections (CONNECTIONNAME) VALUES ('Office LAN'), ('Spare')",
              "INSERT INTO IPSets (IPSET_NAME, IPADDRESS, SUBNETMASK, GATEWAY, DNS, DHCP, CONNECTION) VALUES "
              "('Office', '10.0.0.5', '255.0.0.0', '10.0.0.1', '10.0.0.2', 0, 1), "
              "('Roaming', '0.0.0.0', '0.0.0.0', '0.0.0.0', '0.0.0.0', 1, 1)"})
            ASSERT_TRUE(QSqlQuery(db).exec(QLatin1String(sql)));
    }
    QSqlDatabase::removeDatabase("program-transfer");
}

TEST(ProgramTransfer, ExportOnOneMachineImportOnAnotherGivesTheSameList)
{
    ProgramCopy from(true), to(true);
    Fill(from.PortableStore());
    const QString file = from.dir.filePath("sets.json");
    const ProgramRun exported = from.Run({"--export", file});
    ASSERT_EQ(exported.status, 0) << exported.err.toStdString();
    const ProgramRun imported = to.Run({"--import", file});
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.out.startsWith("IP sets added: 2\n")) << imported.out.toStdString();
    EXPECT_EQ(to.Run({"--list"}).out, from.Run({"--list"}).out);
}

// Two imports of one file at once: the second waits for the first and then finds
// its sets stored, so each set is stored once.
TEST(ProgramTransfer, TwoImportsAtOnceStoreEachSetOnce)
{
    ProgramCopy to(true);
    QTemporaryDir dir;
    QFile file(dir.filePath("sets.json"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QStringList sets;
    for (int i = 0; i < 2000; ++i)
        sets << QStringLiteral(R"({"name":"Set %1","dhcp":false,"address":"10.%2.%3.5","mask":"255.255.255.0"})")
                    .arg(i).arg(i / 256).arg(i % 256);
    file.write((R"({"format":"netvane-ip-sets","version":1,"sets":[)" + sets.join(',') + "]}").toUtf8());
    file.close();

    // The store is busy (another program writes) while both start: they meet at its lock.
    QSqlDatabase holder = QSqlDatabase::addDatabase("QSQLITE", "lock-holder");
    holder.setDatabaseName(to.PortableStore());
    ASSERT_TRUE(holder.open());
    ASSERT_TRUE(QSqlQuery(holder).exec("BEGIN IMMEDIATE"));
    QProcess first, second;
    to.Start(first, {"--import", file.fileName()}, false);
    to.Start(second, {"--import", file.fileName()}, false);
    first.waitForFinished(1500);  // both wait for the lock meanwhile
    QSqlQuery(holder).exec("ROLLBACK");
    ASSERT_TRUE(first.waitForFinished(60000) && second.waitForFinished(60000));
    const QString said = first.readAll() + second.readAll();  // standard output: what each did
    EXPECT_EQ(first.exitCode() + second.exitCode(), 0) << first.readAllStandardError().toStdString();
    EXPECT_TRUE(said.contains("IP sets added: 2000\n") && said.contains("IP sets already stored: 2000\n"))
        << said.toStdString();
    {
        QSqlQuery count(holder);
        ASSERT_TRUE(count.exec("SELECT COUNT(*) FROM IPSets") && count.next());
        EXPECT_EQ(count.value(0).toInt(), 2000);
    }
    holder.close();
    holder = QSqlDatabase();
    QSqlDatabase::removeDatabase("lock-holder");
}

}  // namespace
