// The main window's start once it is made: what its first frame shows, then what waits for that frame.
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>
#include <array>
#include <functional>
#include <memory>

#include "adapters/o_AdapterInformation.h"
#include "app/Pictures.h"
#include "app/f_main.h"
#include "app/qxApplication.h"
#include "ipsets/o_IPSetManager.h"

namespace {

// Runs then once, posted at the start of the event loop's next pass, whether that pass
// may wait for events or not (the platform sends what was drawn on both signals, before this).
void AtNextEventLoopPass(QObject* context, std::function<void()> then)
{
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    auto connections = std::make_shared<std::array<QMetaObject::Connection, 2>>();
    const auto once = [connections, context, then = std::move(then)] {
        for (const QMetaObject::Connection& connection : *connections)
            QObject::disconnect(connection);
        QTimer::singleShot(0, context, then);
    };
    (*connections)[0] = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, context, once);
    (*connections)[1] = QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, context, once);
}

}  // namespace

void TFrmMain::FinishStartup()
{
    try {
        // A window started minimized may be drawn only much later: it has its icon now.
        if (FStartMinimized)
            SetProgramWindowIcon();
        // The tray icon asks the desktop over D-Bus whether there is a tray.
        CreateTray();
        FIPManager->SetTrayIcon(NetvaneTrayIcon);
        // Started at sign-in, the desktop's tray may still be on its way: the tray
        // watch docks the icon when it comes; only without one the window shows, minimized.
        if (FStartMinimized && !TrayIsUsable(NetvaneTrayIcon))
            QTimer::singleShot(FTrayWaitAtStart, this, [this] {
                if (!FTrayDocked && !isVisible())
                    showMinimized();
            });
        // The first adapter snapshot, which the discovery reads.
        NetworkAdapterManager().EnumerateNetworkAdapters();
        DiscoverConnections();  // after the tray: its news may come as balloons
        RefreshStoredSets();
        // Laid out now rather than on the view's own timer, so that the first frame
        // already has the set tree's scroll bar and is not drawn again for it.
        IPSetTreeView->doItemsLayout();
    } catch (const std::exception& e) {
        // Still part of starting: it ends the program as any start-up error does.
        hide();
        ReportStartupFailure(e);
        QCoreApplication::exit(1);
    }
}

void TFrmMain::SetProgramWindowIcon()
{
    // Drawn in four sizes for the window manager: once only.
    if (!testAttribute(Qt::WA_SetWindowIcon))
        setWindowIcon(ProgramPicture("netvane"));
}

void TFrmMain::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
    if (!FFirstFrameDrawn) {
        FFirstFrameDrawn = true;
        // The frame reaches the display only when the event loop starts its next pass
        // (the platform sends its requests then): what follows it waits for that too.
        AtNextEventLoopPass(this, [this] { FinishAfterFirstFrame(); });
    }
}

void TFrmMain::FinishAfterFirstFrame()
{
    SetProgramWindowIcon();
    // The button shows only over typed text; asking the style for its icon looks
    // through the desktop's icon theme, which is slow beside drawing the window.
    edtFilterIPSets->setClearButtonEnabled(true);
    emit FirstFrameShown();
}
