// File -> Start at Sign-in: the user's own autostart entry (platform/Autostart.h),
// checked while its file is there, so one removed by hand shows unchecked.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>

#include "app/f_main.h"
#include "app/qxApplication.h"
#include "platform/Autostart.h"

void TFrmMain::CreateSignInAction()
{
    StartatSignin1 = NewAction("StartatSignin1", tr("Start at Sign-in"), -1);
    StartatSignin1->setCheckable(true);
    StartatSignin1->setStatusTip(tr("Starts Netvane hidden behind its tray icon when you sign in"));
    File1->insertAction(Exit1, StartatSignin1);
    File1->insertSeparator(Exit1);
    connect(StartatSignin1, &QAction::triggered, this, &TFrmMain::StartatSignin1Click);
    connect(File1, &QMenu::aboutToShow, this, &TFrmMain::UpdateSignInCheck);
    UpdateSignInCheck();
}

QString TFrmMain::AutostartFile() const
{
    const QString folder =
        FAutostartFolder.isEmpty() ? QString::fromStdString(UserAutostartFolder()) : FAutostartFolder;
    if (folder.isEmpty())
        return {};
    return QDir::toNativeSeparators(QDir(folder).filePath(QString::fromStdString(AutostartFileName())));
}

void TFrmMain::SetAutostartFolder(const QString& folder)
{
    FAutostartFolder = folder;
    UpdateSignInCheck();
}

void TFrmMain::UpdateSignInCheck()
{
    const QString file = AutostartFile();
    StartatSignin1->setChecked(!file.isEmpty() && QFile::exists(file));
}

void TFrmMain::StartatSignin1Click(bool checked)
{
    RunCommand([this, checked] {
        const QString file = AutostartFile();
        if (file.isEmpty())
            throw EqxError(tr("The system does not tell where programs started at sign-in are kept").toStdString());
        if (checked) {
            // A portable copy names itself, wherever it is now.
            const QString program = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
            WriteAutostartEntry(file.toStdString(), program.toStdString());
        } else if (QFile::exists(file) && !QFile::remove(file)) {
            throw EqxError(tr("The sign-in entry %1 could not be removed").arg(file).toStdString());
        }
    });
    UpdateSignInCheck();  // what is on disk, whatever happened
}
