#include "app/qxApplication.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <cstdio>

#include "app/StatusResult.h"
#include "platform/ProgramFolder.h"

QString ApplicationTitle() { return ProgramCaption() + QLatin1Char(' ') + MakerDomain(); }

QString HelpFilePath()
{
    // Beside the program in a build folder or a portable copy; in the install's data folder otherwise.
    const QString folder = QCoreApplication::applicationDirPath();
    const QString beside = folder + QStringLiteral("/help/helpnetvane.html");
    if (QFileInfo::exists(beside))
        return beside;
    const std::string_view data = DataFolderFromProgram();
    return QDir::cleanPath(folder + QLatin1Char('/') + QString::fromUtf8(data.data(), qsizetype(data.size())) +
                           QStringLiteral("/help/helpnetvane.html"));
}

void ShowErrorBox(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(),
                    QString::fromStdString(MessageWithFullStop(message.toStdString())), QMessageBox::Ok);
    box.exec();
}

void ReportStartupFailure(const std::exception& error)
{
    const QString message = QString::fromStdString(MessageWithFullStop(error.what()));
    std::fprintf(stderr, "netvane: %s\n", message.toUtf8().constData());
    // Nobody could answer a box on the offscreen platform.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        QMessageBox::critical(nullptr, ApplicationTitle(), message);
}

void CenterOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    QRect frame(QPoint(), window->frameGeometry().size());
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

bool TrayIsUsable(const QSystemTrayIcon* tray)
{
    return tray && tray->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

namespace {

void KeepInStatusBar(QSystemTrayIcon* tray, const QString& text)
{
    auto* window = tray ? qobject_cast<QMainWindow*>(tray->parent()) : nullptr;
    if (!window)
        return;
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    // A window with a result panel shows it there, shortened to fit with the
    // whole text as its tooltip; the status bar's own message is cut at its edge.
    if (auto* panel = window->statusBar()->findChild<TqxStatusResult*>())
        panel->SetResult(line);
    else
        window->statusBar()->showMessage(line);
}

}  // namespace

void ShowBalloon(QSystemTrayIcon* tray, const QString& text, QSystemTrayIcon::MessageIcon icon)
{
    if (!tray)
        return;
    if (TrayIsUsable(tray))
        tray->showMessage(QStringLiteral("Netvane"), text, icon);
    else
        KeepInStatusBar(tray, text);
}

void ShowResult(QSystemTrayIcon* tray, const QString& text, QSystemTrayIcon::MessageIcon icon)
{
    ShowBalloon(tray, text, icon);
    if (TrayIsUsable(tray))
        KeepInStatusBar(tray, text);
}
