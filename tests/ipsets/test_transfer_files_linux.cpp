// Export and import against what a file system holds besides regular files, and a
// full one: nothing is replaced or waited on, and no old file is lost.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <thread>

#include "common/qxError.h"
#include "ipsets/o_IPSetTransfer.h"
#include "support/TempStore.h"

namespace {

std::string ErrorOf(const std::function<void()>& work)
{
    try {
        work();
    } catch (const EqxError& e) {
        return e.Message();
    }
    return "done";
}

mode_t KindOf(const QByteArray& path)
{
    struct stat info {};
    return lstat(path.constData(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

class SpecialFiles : public ::testing::TestWithParam<mode_t> {};

TEST_P(SpecialFiles, AreNeitherReplacedByAnExportNorReadByAnImport)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sets.json");
    const QByteArray name = QFile::encodeName(path);
    const mode_t kind = GetParam();
    if ((kind == S_IFDIR ? mkdir(name.constData(), 0700) : mknod(name.constData(), kind | 0600, makedev(1, 3))) != 0)  // 1,3: as /dev/null
        GTEST_SKIP() << "cannot make it here (a device needs root): " << strerror(errno);
    TempStore store;
    TqxIPSetTransfer transfer(&store.manager);
    EXPECT_EQ(ErrorOf([&] { transfer.ExportToFile(path); }),
              ("Cannot write " + path + ": it is not a regular file; nothing was written").toStdString());
    EXPECT_EQ(KindOf(name), kind);
    // Were the FIFO opened, it would wait for a writer for good: one comes after 5 s, to end the test.
    std::thread writer([&] {
        std::this_thread::sleep_for(std::chrono::seconds(kind == S_IFIFO ? 5 : 0));
        if (const int fd = kind == S_IFIFO ? open(name.constData(), O_WRONLY | O_NONBLOCK) : -1; fd >= 0)
            close(fd);
    });
    const auto skip = [](const TIPSetRecord&, const TIPSetRecord&) { return TConflictChoice::Skip; };
    EXPECT_EQ(ErrorOf([&] { transfer.ImportFile(path, skip); }),
              ("Cannot read " + path + ": it is not a regular file").toStdString());
    writer.join();
}

INSTANTIATE_TEST_SUITE_P(Kinds, SpecialFiles, ::testing::Values(S_IFIFO, S_IFCHR, S_IFDIR));

// A file system of 256 KB holding a good export; the new one, of some 1 MB, does not fit.
TEST(ExportOnAFullDisk, FailsNamingTheFileAndKeepsTheOldOne)
{
    QTemporaryDir dir;
    const QByteArray small = QFile::encodeName(dir.filePath("small"));
    mkdir(small.constData(), 0700);
    if (mount("tmpfs", small.constData(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root): " << strerror(errno);
    const std::unique_ptr<const char, void (*)(const char*)> unmount(small.constData(),
                                                                      [](const char* at) { umount2(at, MNT_DETACH); });
    const QString path = QFile::decodeName(small) + "/keep.json";
    TempStore few, many;
    few.AddIPSet("Office", "10.0.0.5", "255.0.0.0", "", "", false, QVariant());
    TqxIPSetTransfer(&few.manager).ExportToFile(path);
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    const QByteArray before = kept.readAll();
    kept.close();
    QStringList sql;
    for (int i = 0; i < 5002; ++i)
        sql << QStringLiteral("INSERT INTO IPSets (IPSET_NAME, IPADDRESS, SUBNETMASK, DHCP) VALUES "
                              "('Set number %1', '10.%2.%3.5', '255.255.255.0', 0)").arg(i).arg(i / 256).arg(i % 256);
    many.Exec(sql);
    many.IPSets()->Refresh();
    const std::string error = ErrorOf([&] { TqxIPSetTransfer(&many.manager).ExportToFile(path); });
    EXPECT_EQ(error.rfind(("Cannot write " + path + ": ").toStdString(), 0), 0u) << error;
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), before);
    EXPECT_EQ(QDir(QFile::decodeName(small)).entryList(QDir::Files), QStringList{"keep.json"});  // no half file left
}

}  // namespace
