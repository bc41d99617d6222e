#pragma once
// The store the main window opens: DataBase/ipdb.ipdb beside the (test) program.
// Tests using it share one file, so their CTest entries carry the same LOCK.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

#include "store/StoreSchema.h"
#include "store/o_DatabaseConnection.h"

// Replaces the store beside the program with an empty one.
inline void ResetStoreBesideProgram()
{
    const QString path = TqxIPDBManager::DefaultDatabasePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    CreateEmptyStore(path);
}

// Runs one statement on that store through a connection of its own.
inline void SqlBesideProgram(const QString& sql)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "store-beside-program");
        db.setDatabaseName(TqxIPDBManager::DefaultDatabasePath());
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(sql)) << sql.toStdString() << ": " << q.lastError().text().toStdString();
    }
    QSqlDatabase::removeDatabase("store-beside-program");
}
