// --export and --import through the program: one store's sets reach another's.
#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlQuery>

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

}  // namespace
