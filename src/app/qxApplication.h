#pragma once
// Application-wide texts and the few things every window shares: how an escaped
// error is shown, and how a tray balloon reaches the user.
#include <QString>
#include <QSystemTrayIcon>
#include <exception>

#include "common/qxError.h"

class QWidget;

// "Netvane Ver3", a blank and the maker's web domain: caption of the error boxes and the tray tooltip.
QString ApplicationTitle();
// The main window's caption and the panel of its status bar.
inline QString ProgramCaption() { return QStringLiteral("Netvane Ver3"); }
// The maker's web address, for the title, the About box and its link.
inline QString MakerDomain() { return QStringLiteral("www.quorvex.example"); }

// The help page: beside the program, else in the install's data folder (share/netvane/help).
QString HelpFilePath();

// Shows an error that escaped a command: a message box captioned with the
// application title, error icon, full stop appended by the usual rule.
void ShowErrorBox(const QString& message);

// Runs a user command; an error it raises is shown and the program goes on.
template <class F>
void RunCommand(F&& command)
{
    try {
        command();
    } catch (const std::exception& e) {
        ShowErrorBox(QString::fromUtf8(e.what()));
    }
}

// A balloon from the tray icon, titled "Netvane". Where no tray shows the icon, the
// text goes to the status bar of the window that owns the tray icon instead, and
// stays there, whole, until another replaces it.
void ShowBalloon(QSystemTrayIcon* tray, const QString& text,
                 QSystemTrayIcon::MessageIcon icon = QSystemTrayIcon::Information);

// A balloon as above whose text also stays in the owner window's status bar, tray
// or not, until the next text replaces it.
void ShowResult(QSystemTrayIcon* tray, const QString& text,
                QSystemTrayIcon::MessageIcon icon = QSystemTrayIcon::Information);

// What an error that ends the start tells: "netvane: <message>" on standard error
// and, where someone can answer it, the error box.
void ReportStartupFailure(const std::exception& error);

// Places a top-level window, frame included, at the centre of its screen's free area.
void CenterOnScreen(QWidget* window);

// True when the tray icon is really shown by a system tray.
bool TrayIsUsable(const QSystemTrayIcon* tray);
