#pragma once
// Without a system tray (offscreen) a balloon goes to the status bar of the
// window owning the tray icon; each is taken off at once so equal texts count twice.
#include <QMainWindow>
#include <QStatusBar>
#include <QStringList>
#include <QSystemTrayIcon>

struct BalloonWatch {
    QMainWindow window;
    QSystemTrayIcon* tray = new QSystemTrayIcon(&window);
    QStringList shown;

    BalloonWatch()
    {
        QObject::connect(window.statusBar(), &QStatusBar::messageChanged, [this](const QString& text) {
            if (!text.isEmpty()) {
                shown << text;
                window.statusBar()->clearMessage();
            }
        });
    }
};
