// Netvane: start-up. Reads the command line; options that need no window run without
// one. Otherwise opens the store, shows the main window (or hands over to the window
// already running for this user) and runs until it closes.
#include <QApplication>
#include <QMessageBox>
#include <QStatusBar>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

#include "app/ConsoleCommands.h"
#include "app/NetvaneCommandLine.h"
#include "app/ParentConsole.h"
#include "app/ProgramArguments.h"
#include "app/SingleInstance.h"
#include "app/StartupPreparation.h"
#include "app/f_WaitBox.h"
#include "app/f_main.h"
#include "app/qxApplication.h"
#include "dialogs/f_About.h"
#include "ipsets/ElevatedApply.h"
#include "store/StoreLocation.h"
#include "store/o_DatabaseConnection.h"
#include "app/Translations.h"

namespace {
// The name also places the user's store: $XDG_DATA_HOME/netvane, %APPDATA%\netvane.
void NameTheApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("netvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NETVANE_VERSION));
}

// What needs no window: help, version, a usage error or a console action. Read again
// once the translations are in, so that its texts come in the user's language.
int RunConsole(int argc, char** argv, const QStringList& arguments)
{
    QCoreApplication app(argc, argv);
    NameTheApplication();
    InstallTranslations();
    const TNetvaneCommandLine commandLine(ConsoleActions(), QStringLiteral(NETVANE_VERSION));
    const CommandLineRequest request = commandLine.Parse(arguments);
    UseParentConsole();
    if (request.What == CommandLineRequest::Kind::Print) {
        std::fputs(request.Text.toUtf8().constData(), request.Status == 0 ? stdout : stderr);
        return request.Status;
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    return request.Action->Run(request.Value, request.Settings, out, err);
}

int RunWindow(int argc, char** argv, bool minimized)
{
    TEarlyPreparation early;  // on the spare core while the application object is made
    QApplication app(argc, argv);
    TDesktopPreparation desktop(early);
    NameTheApplication();
    InstallTranslations();
    QApplication::setQuitOnLastWindowClosed(false);  // hidden behind the tray is still running

    // A start meant to stay hidden leaves a window already running as it is.
    TSingleInstance instance;
    switch (instance.Claim(!minimized)) {
    case TSingleInstance::Role::HandedOver:
        return 0;
    case TSingleInstance::Role::Unreachable:
        std::fprintf(stderr, "netvane: %s\n",
                     QCoreApplication::translate("ConsoleCommands",
                                                 "a Netvane window is already running for this user but does not answer")
                         .toUtf8()
                         .constData());
        return 1;
    case TSingleInstance::Role::First:
        break;
    }
    QObject::connect(&instance, &TSingleInstance::ActivationRequested, [] {
        if (FrmMain)
            FrmMain->mnuRestoreAppClick();
    });

    desktop.WaitForFonts();
    try {
        FrmMain = new TFrmMain;
    } catch (const std::exception& e) {
        const QString message = QString::fromStdString(MessageWithFullStop(e.what()));
        std::fprintf(stderr, "netvane: %s\n", message.toUtf8().constData());
        // Nobody could answer a box on the offscreen platform.
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            QMessageBox::critical(nullptr, ApplicationTitle(), message);
        return 1;
    }
    if (const QString made = IPDBManager()->MadeStorePath(); !made.isEmpty())
        FrmMain->statusBar()->showMessage(StoreMadeMessage(made));
    if (!minimized)
        FrmMain->show();
    else
        FrmMain->ShowMinimizedAtStart();
    // Hidden until used: made once the main window is on screen (minimized: at once).
    // Start-up is over then.
    const auto makeHiddenWindows = [] {
        CreateHiddenWaitBox();
        CreateAboutWindow();
        ReturnFreedStartupMemory();
    };
    if (minimized)
        QTimer::singleShot(0, makeHiddenWindows);
    else
        QObject::connect(FrmMain, &TFrmMain::FirstFrameShown, makeHiddenWindows);
    const int status = app.exec();
    HideWaitBox();
    delete FrmMain;
    return status;
}
}  // namespace

int main(int argc, char** argv)
{
    const QStringList arguments = ProgramArguments(argc, argv);
    // Started by itself with administrator rights to apply: that request and nothing else.
    if (arguments.size() > 1 && arguments[1] == QLatin1String(kElevatedApplyOption.data(), kElevatedApplyOption.size())) {
        std::vector<std::string> request;
        for (const QString& argument : arguments.mid(1))
            request.push_back(argument.toStdString());
        // Its refusals reach the user inside the program's notice: in the user's language too.
        QCoreApplication app(argc, argv);
        InstallTranslations();
        return RunElevatedApplyHelper(request);
    }
    const TNetvaneCommandLine commandLine(ConsoleActions(), QStringLiteral(NETVANE_VERSION));
    const CommandLineRequest request = commandLine.Parse(arguments);
    if (request.What != CommandLineRequest::Kind::Window)
        return RunConsole(argc, argv, arguments);
    return RunWindow(argc, argv, request.Minimized);
}
