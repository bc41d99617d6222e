#include "app/qxApplication.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>

QString ApplicationTitle() { return ProgramCaption() + QLatin1Char(' ') + MakerDomain(); }

QString HelpFilePath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/help/helpnetvane.html"); }

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
