#include "app/qxApplication.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>

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

void ShowBalloon(QSystemTrayIcon* tray, const QString& text, QSystemTrayIcon::MessageIcon icon)
{
    if (!tray)
        return;
    if (TrayIsUsable(tray)) {
        tray->showMessage(QStringLiteral("Netvane"), text, icon);
        return;
    }
    if (auto* window = qobject_cast<QMainWindow*>(tray->parent())) {
        QString line = text;
        line.replace(QLatin1Char('\r'), QLatin1Char(' '));
        window->statusBar()->showMessage(line, 15000);
    }
}
