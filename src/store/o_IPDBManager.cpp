#include "store/o_DatabaseConnection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include "common/qxError.h"
#include "store/StoreLocation.h"
#include "store/StoreSchema.h"

namespace {

[[noreturn]] void Fail(const QString& message) { throw EqxError(message.toStdString()); }

QString OpenFailure(const QString& path, const QString& cause)
{
    return QCoreApplication::translate("TqxIPDBManager", "Cannot open the IP set store %1: %2").arg(QDir::toNativeSeparators(path), cause);
}

// Everything that can be told from the outside before SQLite touches the file.
void CheckStoreFile(const QString& path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        Fail(OpenFailure(path, QCoreApplication::translate("TqxIPDBManager", "the folder %1 does not exist").arg(QDir::toNativeSeparators(folder.filePath()))));
    if (!file.exists())
        Fail(OpenFailure(path, QCoreApplication::translate("TqxIPDBManager", "the file does not exist (netvane-db create makes an empty store)")));
    if (!file.isFile())
        Fail(OpenFailure(path, QCoreApplication::translate("TqxIPDBManager", "it is not a file")));
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        Fail(OpenFailure(path, QCoreApplication::translate("TqxIPDBManager", "the file cannot be read (%1)").arg(f.errorString())));
    const QByteArray head = f.read(100);
    if (!head.startsWith(QByteArrayLiteral("SQLite format 3\0"))) {
        if (head.contains("Standard Jet DB") || head.contains("Standard ACE DB"))
            Fail(OpenFailure(path, QCoreApplication::translate("TqxIPDBManager", "it is an old Jet/Access database; Netvane keeps its IP sets in an SQLite "
                                                  "store (netvane-db create makes an empty one)")));
        Fail(OpenFailure(path, QCoreApplication::translate("TqxIPDBManager", "the file is not an SQLite database")));
    }
    if (!file.isWritable())
        Fail(OpenFailure(path, QCoreApplication::translate("TqxIPDBManager", "the file is read-only")));
    if (!folder.isWritable())
        Fail(OpenFailure(path, QCoreApplication::translate("TqxIPDBManager", "the folder %1 is read-only").arg(QDir::toNativeSeparators(folder.filePath()))));
}

template <std::size_t N>
QStringList FieldList(const char* const (&fields)[N])
{
    QStringList out;
    for (const char* f : fields)
        out << QLatin1String(f);
    return out;
}

void OpenConnection(QSqlDatabase& db, const QString& path, int lockWaitMs)
{
    // A file: URI with mode=rw: SQLite opens the existing file and never creates one.
    QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    uri.setQuery(QStringLiteral("mode=rw"));
    db.setDatabaseName(QString::fromUtf8(uri.toEncoded()));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(lockWaitMs));
    if (!db.open())
        Fail(db.lastError().text());
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA schema_version")))
        Fail(q.lastError().databaseText());
    // Take the write lock once and give it back: a read-only or locked store
    // is refused now rather than at the user's first save.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        Fail(q.lastError().databaseText().contains(QLatin1String("locked"))
                 ? QCoreApplication::translate("TqxIPDBManager", "the database is locked by another program")
                 : q.lastError().databaseText());
    q.exec(QStringLiteral("ROLLBACK"));
}

QPointer<TqxIPDBManager> gIPDBManager;
int gConnectionCounter = 0;

}  // namespace

TqxIPDBManager::TqxIPDBManager(QObject* owner)
    : QObject(owner),
      FConnectionName(QStringLiteral("netvane-store-%1").arg(++gConnectionCounter)),
      FIPSets(new TqxTable(this)),
      FConnectionNames(new TqxTable(this))
{
    FIPSets->setObjectName(QStringLiteral("IPSets"));
    FConnectionNames->setObjectName(QStringLiteral("ConnectionNames"));
}

TqxIPDBManager::~TqxIPDBManager() { Disconnect(); }

void TqxIPDBManager::Disconnect()
{
    if (!QSqlDatabase::contains(FConnectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(FConnectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(FConnectionName);
}

QString TqxIPDBManager::DefaultDatabasePath()
{
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + QStringLiteral("DataBase/") + QStringLiteral("ipdb.ipdb");
}

void TqxIPDBManager::InitializeDataBase(SetRows rows)
{
    const StoreLocation where = UsersStoreLocation();
    FMadeStorePath = MakeStoreOnFirstStart(where) ? where.Path : QString();
    InitializeDataBase(where.Path, rows);
}

void TqxIPDBManager::InitializeDataBase(const QString& path, SetRows rows)
{
    CheckStoreFile(path);
    Disconnect();
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), FConnectionName);
        try {
            OpenConnection(db, path, FLockWaitMs);
            FIPSets->SetConnectionName(FConnectionName);
            FIPSets->SetTableName(QStringLiteral("IPSets"));
            FConnectionNames->SetConnectionName(FConnectionName);
            FConnectionNames->SetTableName(QStringLiteral("Connections"));
            FIPSets->Open(FieldList(kIPSetsFields), rows == SetRows::Now);
            FConnectionNames->Open(FieldList(kConnectionsFields));
            FIPSets->SetStorePath(path);
            FConnectionNames->SetStorePath(path);
            if (rows == SetRows::InBackground)
                FIPSets->LoadRowsInBackground();
        } catch (const EqxError& e) {
            failure = QString::fromStdString(e.Message());
        }
    }
    if (!failure.isEmpty()) {
        Disconnect();
        Fail(OpenFailure(path, failure));
    }
}

TqxIPDBManager* IPDBManager()
{
    if (!gIPDBManager)
        gIPDBManager = new TqxIPDBManager(QCoreApplication::instance());
    return gIPDBManager;
}
