// The install tree: installed into a scratch DESTDIR, its files checked, then the
// installed program run from there with a user data folder of the test's own.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <filesystem>

#include "platform/FakeNetsh.h"

namespace {
struct InstallTree : ::testing::Test {
    static inline QTemporaryDir root;
    static inline bool installed = false;
    static inline QString log;

    static void SetUpTestSuite()
    {
        QProcess install;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DESTDIR", root.filePath("dest"));
        install.setProcessEnvironment(env);
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(NETVANE_CMAKE, {"--install", NETVANE_BUILD_DIR, "--prefix", "/usr"});
        installed = install.waitForFinished(120000) && install.exitCode() == 0;
        log = QString::fromUtf8(install.readAll());
    }
    void SetUp() override { ASSERT_TRUE(installed) << log.toStdString(); }

    static QString Usr(const QString& relative) { return root.filePath("dest/usr/" + relative); }

    struct Run {
        int status = -1;
        QString out, err;
    };
    Run Netvane(const QStringList& args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        env.insert("XDG_DATA_HOME", root.filePath("data"));
        env.insert("XDG_RUNTIME_DIR", root.path());
        env.insert("PATH", "/nonexistent");  // netsh must come from the install itself
        p.setProcessEnvironment(env);
        p.start(Usr("bin/netvane"), args);
        Run r;
        if (p.waitForFinished(30000))
            r.status = p.exitCode();
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }
};

TEST_F(InstallTree, HoldsExactlyTheProgramItsHelpersAndTheirDesktopFiles)
{
    QStringList files;
    QDirIterator it(root.filePath("dest"), QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root.filePath("dest")).relativeFilePath(it.next());
    files.sort();
    const QStringList expected{
        "usr/bin/netvane",
        "usr/bin/netvane-db",
        "usr/bin/netvane-netsh",
        "usr/libexec/netvane/netsh",
        "usr/share/applications/example.quorvex.netvane.desktop",
        "usr/share/doc/netvane/changelog.gz",
        "usr/share/doc/netvane/copyright",
        "usr/share/icons/hicolor/scalable/apps/netvane.svg",
        "usr/share/man/man1/netvane-db.1.gz",
        "usr/share/man/man1/netvane-netsh.1.gz",
        "usr/share/man/man1/netvane.1.gz",
        "usr/share/metainfo/example.quorvex.netvane.metainfo.xml",
        "usr/share/netvane/help/helpnetvane.html",
    };
    EXPECT_EQ(files.join('\n').toStdString(), expected.join('\n').toStdString());
    // The link for use by hand is relative, so the tree works wherever it lies.
    EXPECT_EQ(std::filesystem::read_symlink(Usr("bin/netvane-netsh").toStdString()), "../libexec/netvane/netsh");
    for (const char* program : {"bin/netvane", "bin/netvane-db", "libexec/netvane/netsh"})
        EXPECT_TRUE(QFileInfo(Usr(program)).isExecutable()) << program;
}

TEST_F(InstallTree, TheInstalledProgramRunsAndMakesTheUsersStore)
{
    Run r = Netvane({"--version"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "netvane 3.0.0\n");

    const QString store = root.filePath("data/netvane/DataBase/ipdb.ipdb");
    r = Netvane({"--list"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(store)) << r.err.toStdString();
    ASSERT_TRUE(QFile::exists(store));

    // With a set stored, --apply finds netsh in the install's helper folder.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "install-tree");
        db.setDatabaseName(store);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("INSERT INTO Connections (CONNECTIONNAME) VALUES ('Lab')"));
        ASSERT_TRUE(q.exec("INSERT INTO IPSets (IPSET_NAME, IPADDRESS, SUBNETMASK, GATEWAY, DNS, DHCP, CONNECTION) "
                           "VALUES ('Lab DHCP', '0.0.0.0', '0.0.0.0', '0.0.0.0', '0.0.0.0', 1, 1)"));
    }
    QSqlDatabase::removeDatabase("install-tree");
    const QString helper = Usr("libexec/netvane/netsh");
    ASSERT_TRUE(QFile::remove(helper));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(FakeNetsh::Location().string()), helper));
    FakeNetsh netsh;
    r = Netvane({"--apply", "Lab DHCP"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    ASSERT_EQ(netsh.Calls().size(), 2u);
    EXPECT_EQ(netsh.Calls()[0].Args, (std::vector<std::string>{"interface", "ip", "set", "address", "Lab", "dhcp"}));
}
}  // namespace
