// Portable versus installed store, and the installed copy's first start.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "common/qxError.h"
#include "store/StoreLocation.h"
#include "store/StoreSchema.h"
#include "store/o_DatabaseConnection.h"

namespace {
QByteArray Contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(StoreLocation, PortableWhenSomethingNamedDataBaseStandsBesideTheProgram)
{
    enum class Beside { Nothing, Folder, File, BrokenLink };
    const struct {
        Beside beside;
        bool portable;
    } cases[] = {{Beside::Nothing, false}, {Beside::Folder, true}, {Beside::File, true}, {Beside::BrokenLink, true}};
    for (const auto& c : cases) {
        QTemporaryDir program, user;
        const QString entry = program.filePath("DataBase");
        if (c.beside == Beside::Folder)
            QDir().mkdir(entry);
        if (c.beside == Beside::File)
            Write(entry, "x");
        if (c.beside == Beside::BrokenLink)
            QFile::link(program.filePath("gone"), entry);
        const StoreLocation where = ChooseStoreLocation(program.path(), user.filePath("netvane"));
        SCOPED_TRACE(static_cast<int>(c.beside));
        EXPECT_EQ(where.Portable, c.portable);
        EXPECT_EQ(where.Path, c.portable ? program.filePath("DataBase/ipdb.ipdb")
                                         : user.filePath("netvane/DataBase/ipdb.ipdb"));
    }
    // A trailing separator on either folder makes no double one.
    QTemporaryDir program;
    EXPECT_EQ(ChooseStoreLocation(program.path() + "/", "/home/u/.local/share/netvane/").Path,
              "/home/u/.local/share/netvane/DataBase/ipdb.ipdb");
    EXPECT_TRUE(ChooseStoreLocation(program.path(), QString()).Path.isEmpty());
}

TEST(StoreLocation, FirstStartOfAnInstalledCopyMakesAnOpenableStoreOnce)
{
    QTemporaryDir user;
    const StoreLocation where{user.filePath("netvane/DataBase/ipdb.ipdb"), false};
    EXPECT_TRUE(MakeStoreOnFirstStart(where));
    TqxIPDBManager store;
    ASSERT_NO_THROW(store.InitializeDataBase(where.Path));
    EXPECT_EQ(store.IPSets()->RecordCount(), 0);
    EXPECT_FALSE(MakeStoreOnFirstStart(where));
}

TEST(StoreLocation, NeverMakesAPortableStoreNorTouchesAnythingThatExists)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("DataBase");
    const QString path = dir.filePath("DataBase/ipdb.ipdb");
    // Portable: a missing store stays missing (opening refuses it by name).
    EXPECT_FALSE(MakeStoreOnFirstStart({path, true}));
    EXPECT_FALSE(QFile::exists(path));
    // Installed: an unusable file stays as it is, byte for byte.
    const QByteArray jet = QByteArray(4, '\0') + "Standard Jet DB" + QByteArray(100, '\0');
    Write(path, jet);
    EXPECT_FALSE(MakeStoreOnFirstStart({path, false}));
    EXPECT_EQ(Contents(path), jet);
    TqxIPDBManager store;
    try {
        store.InitializeDataBase(path);
        ADD_FAILURE() << "an old Jet file was opened";
    } catch (const EqxError& e) {
        EXPECT_NE(QString::fromStdString(e.Message()).indexOf(QDir::toNativeSeparators(path)), -1) << e.Message();
    }
    EXPECT_EQ(Contents(path), jet);
}

TEST(StoreLocation, ALinkToAMissingFileIsNotFollowed)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("DataBase");
    const QString path = dir.filePath("DataBase/ipdb.ipdb");
    const QString target = dir.filePath("elsewhere.ipdb");
    ASSERT_TRUE(QFile::link(target, path));
    EXPECT_FALSE(MakeStoreOnFirstStart({path, false}));
    EXPECT_FALSE(QFile::exists(target));
}

TEST(StoreLocation, AFolderThatCannotBeMadeIsNamed)
{
    QTemporaryDir dir;
    Write(dir.filePath("netvane"), "a file where the folder belongs");
    const QString path = dir.filePath("netvane/DataBase/ipdb.ipdb");
    try {
        MakeStoreOnFirstStart({path, false});
        ADD_FAILURE() << "no error";
    } catch (const EqxError& e) {
        EXPECT_NE(QString::fromStdString(e.Message()).indexOf(QDir::toNativeSeparators(path)), -1) << e.Message();
    }
    EXPECT_THROW(MakeStoreOnFirstStart({QString(), false}), EqxError);
}
}  // namespace
