// Netvane: start-up. Opens the store, shows the main window, runs until it closes.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "app/f_WaitBox.h"
#include "app/f_main.h"
#include "app/qxApplication.h"
#include "dialogs/f_About.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Netvane"));
    QApplication::setApplicationVersion(QStringLiteral(NETVANE_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);  // hidden behind the tray is still running

    try {
        FrmMain = new TFrmMain;
    } catch (const std::exception& e) {
        const QString message = QString::fromStdString(MessageWithFullStop(e.what()));
        std::fprintf(stderr, "netvane: %s\n", qPrintable(message));
        // Nobody could answer a box on the offscreen platform.
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            QMessageBox::critical(nullptr, ApplicationTitle(), message);
        return 1;
    }
    CreateHiddenWaitBox();
    CreateAboutWindow();
    FrmMain->show();
    const int status = app.exec();
    HideWaitBox();
    delete FrmMain;
    return status;
}
