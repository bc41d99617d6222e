#include "store/StoreLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "common/qxError.h"
#include "store/StoreSchema.h"

namespace {
const QString kFolder = QStringLiteral("DataBase");
const QString kFile = QStringLiteral("ipdb.ipdb");

QString Below(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}
}  // namespace

StoreLocation ChooseStoreLocation(const QString& programFolder, const QString& userDataFolder)
{
    const QString beside = Below(programFolder, kFolder);
    // Anything of that name, even a file, marks a portable copy: an odd one is
    // then refused by name rather than quietly passed over for another store.
    if (QFileInfo(beside).exists() || QFileInfo(beside).isSymLink())
        return {Below(beside, kFile), true};
    if (userDataFolder.isEmpty())
        return {QString(), false};
    return {Below(Below(userDataFolder, kFolder), kFile), false};
}

StoreLocation UsersStoreLocation()
{
    return ChooseStoreLocation(QCoreApplication::applicationDirPath(),
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

bool MakeStoreOnFirstStart(const StoreLocation& location)
{
    if (location.Portable)
        return false;
    if (location.Path.isEmpty())
        throw EqxError(QCoreApplication::translate("TqxIPDBManager", "Cannot open the IP set store: the system names no data folder for this user").toStdString());
    const QFileInfo file(location.Path);
    if (file.exists() || file.isSymLink())
        return false;
    const auto cannotMake = [&location](const QString& cause) {
        return EqxError(QCoreApplication::translate("TqxIPDBManager", "Cannot make the IP set store %1: %2")
                            .arg(QDir::toNativeSeparators(location.Path), cause)
                            .toStdString());
    };
    const QString folder = file.absolutePath();
    if (!QDir().mkpath(folder))
        throw cannotMake(QCoreApplication::translate("TqxIPDBManager", "the folder %1 cannot be made").arg(QDir::toNativeSeparators(folder)));
    // Made under a name of this process's own, then moved into place only while the
    // place is free: two first starts at once never write into, or remove, the
    // store the other one made.
    const QString draft =
        QStringLiteral("%1/.%2.%3.new").arg(folder, file.fileName()).arg(QCoreApplication::applicationPid());
    QFile::remove(draft);  // left over by a crashed start of a process with this number
    try {
        CreateEmptyStore(draft);
    } catch (const EqxError& e) {
        throw cannotMake(QString::fromStdString(e.Message()));
    }
    if (!QFile::rename(draft, location.Path)) {
        QFile::remove(draft);
        if (!QFileInfo::exists(location.Path))
            throw cannotMake(QCoreApplication::translate("TqxIPDBManager", "it cannot be put in its folder"));
        return false;  // another start made it meanwhile
    }
    return true;
}

QString StoreMadeMessage(const QString& path)
{
    return QCoreApplication::translate("TqxIPDBManager", "Made a new, empty IP set store: %1").arg(QDir::toNativeSeparators(path));
}
