#include "store/StoreSchema.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "common/qxError.h"

const char* const kIPSetsFields[8] = {"ID", "IPSET_NAME", "IPADDRESS", "SUBNETMASK", "GATEWAY", "DNS", "DHCP", "CONNECTION"};
const char* const kConnectionsFields[2] = {"ID", "CONNECTIONNAME"};

void CreateEmptyStore(const QString& path)
{
    if (QFileInfo::exists(path))
        throw EqxError(QCoreApplication::translate("TqxIPDBManager", "refusing to overwrite %1: the file exists").arg(path).toStdString());
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
        throw EqxError(QCoreApplication::translate("TqxIPDBManager", "the folder of %1 does not exist").arg(path).toStdString());
    const QString name = QStringLiteral("netvane-create-store");
    bool ok = true;
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            ok = false;
            error = db.lastError().text();
        } else {
            QSqlQuery q(db);
            for (const char* sql : {
                     "CREATE TABLE IPSets ("
                     " ID INTEGER PRIMARY KEY AUTOINCREMENT,"
                     " IPSET_NAME TEXT, IPADDRESS TEXT, SUBNETMASK TEXT, GATEWAY TEXT, DNS TEXT,"
                     " DHCP BOOLEAN, CONNECTION INTEGER)",
                     "CREATE TABLE Connections ("
                     " ID INTEGER PRIMARY KEY AUTOINCREMENT,"
                     " CONNECTIONNAME TEXT)"}) {
                if (!q.exec(QLatin1String(sql))) {
                    ok = false;
                    error = q.lastError().text();
                    break;
                }
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (!ok) {
        QFile::remove(path);  // no half-made store left behind
        throw EqxError(QCoreApplication::translate("TqxIPDBManager", "cannot create %1: %2").arg(path, error).toStdString());
    }
}
