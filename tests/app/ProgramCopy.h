#pragma once
// A copy of netvane in a folder of its own, run as a user would run it, with its own
// user data and runtime folders so that nothing reaches the real user's.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/FakeNetsh.h"
#include "store/StoreSchema.h"

struct ProgramRun {
    bool finished = false;
    int status = -1;
    QString out, err;
};

struct ProgramCopy {
    QTemporaryDir dir;   // the program's folder
    QTemporaryDir user;  // data/ is XDG_DATA_HOME, run/ is XDG_RUNTIME_DIR
    QString program = dir.filePath("netvane");

    // portable: a store beside the program; fakeNetsh: the fake beside it, named netsh.
    explicit ProgramCopy(bool portable, bool fakeNetsh = false)
    {
        QFile::copy(NETVANE_PROGRAM, program);
        if (fakeNetsh)
            QFile::copy(QString::fromStdString(FakeNetsh::Location().string()), dir.filePath("netsh"));
        QDir(user.path()).mkpath("data");
        QDir(user.path()).mkpath("run");
        QFile::setPermissions(user.filePath("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (portable) {
            QDir(dir.path()).mkdir("DataBase");
            CreateEmptyStore(PortableStore());
        }
    }
    QString PortableStore() const { return dir.filePath("DataBase/ipdb.ipdb"); }
    QString UsersStore() const { return user.filePath("data/netvane/DataBase/ipdb.ipdb"); }
    QString RuntimeFolder() const { return user.filePath("run"); }

    // display: the offscreen platform for a window; without it no display at all.
    QProcessEnvironment Environment(bool display) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        if (display)
            env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_DATA_HOME", user.filePath("data"));
        env.insert("XDG_RUNTIME_DIR", RuntimeFolder());
        return env;
    }

    void Start(QProcess& p, const QStringList& args, bool display) const
    {
        p.setProcessEnvironment(Environment(display));
        p.setWorkingDirectory(QDir::rootPath());
        p.start(program, args);
    }

    ProgramRun Run(const QStringList& args, bool display = false, int waitMs = 15000) const
    {
        QProcess p;
        Start(p, args, display);
        ProgramRun r;
        r.finished = p.waitForFinished(waitMs);
        if (!r.finished) {
            p.kill();
            p.waitForFinished();
        }
        r.status = p.exitCode();
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }
};
