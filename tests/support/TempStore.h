#pragma once
// A store in a temporary folder, laid out as beside the program: <dir>/DataBase/ipdb.ipdb.
#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include "store/StoreSchema.h"
#include "store/o_DatabaseConnection.h"

struct TempStore {
    // Blanks and letters beyond ASCII, as in a user's own folder names.
    QTemporaryDir dir{QDir::tempPath() + QString::fromUtf8("/Mes R\xc3\xa9seaux-XXXXXX")};
    QString path;
    TqxIPDBManager manager;

    explicit TempStore(bool open = true)
    {
        QDir(dir.path()).mkpath(QStringLiteral("DataBase"));
        path = dir.filePath(QStringLiteral("DataBase/ipdb.ipdb"));
        CreateEmptyStore(path);
        if (open)
            manager.InitializeDataBase(path);
    }
    TqxTable* IPSets() { return manager.IPSets(); }
    TqxTable* Connections() { return manager.ConnectionNames(); }

    int AddConnection(const QString& name)
    {
        auto* t = Connections();
        t->Insert();
        t->FieldByName(QStringLiteral("CONNECTIONNAME")).SetAsString(name);
        t->Post();
        return t->FieldByName(QStringLiteral("ID")).AsInteger();
    }

    int AddIPSet(const QString& name, const QString& ip, const QString& mask, const QString& gw, const QString& dns,
                 bool dhcp, QVariant connection)
    {
        auto* t = IPSets();
        t->Insert();
        t->FieldByName(QStringLiteral("IPSET_NAME")).SetAsString(name);
        t->FieldByName(QStringLiteral("IPADDRESS")).SetAsString(ip);
        t->FieldByName(QStringLiteral("SUBNETMASK")).SetAsString(mask);
        t->FieldByName(QStringLiteral("GATEWAY")).SetAsString(gw);
        t->FieldByName(QStringLiteral("DNS")).SetAsString(dns);
        t->FieldByName(QStringLiteral("DHCP")).SetAsBoolean(dhcp);
        t->FieldByName(QStringLiteral("CONNECTION")).SetValue(connection);
        t->Post();
        return t->FieldByName(QStringLiteral("ID")).AsInteger();
    }

    // Runs SQL on the file through a second connection, as another program would;
    // several statements run in one transaction.
    void Exec(const QString& sql) { Exec(QStringList{sql}); }
    void Exec(const QStringList& statements)
    {
        const QString name = QStringLiteral("temp-store-side-door");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(path);
            db.open();
            db.transaction();
            for (const QString& sql : statements)
                QSqlQuery(db).exec(sql);
            db.commit();
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
};
