#include "app/StartupPreparation.h"

#include <QDBusConnection>
#include <QFontDatabase>
#include <QSqlDatabase>
#include <fontconfig/fontconfig.h>
#include <malloc.h>

// Each of these is thread-safe, and what it makes is kept for the whole process: the
// main thread's own first call then finds it done (or waits for the rest of it).

// Qt asks fontconfig for its configuration when it first needs a font.
TEarlyPreparation::TEarlyPreparation() : FThread([] { FcInit(); }) {}

TEarlyPreparation::~TEarlyPreparation()
{
    if (FThread.joinable())
        FThread.join();
}

TDesktopPreparation::TDesktopPreparation(TEarlyPreparation& early)
{
    if (early.FThread.joinable())
        early.FThread.join();  // done while the application object was made
    FFonts = std::thread([] { QFontDatabase::families(); });
    FServices = std::thread([] {
        // The menu bar asks the session bus whether the desktop shows menus elsewhere.
        QDBusConnection::sessionBus();
        // Loads the SQLite driver, which the store opens right after the window's widgets.
        const QString name = QStringLiteral("netvane-driver-preparation");
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        QSqlDatabase::removeDatabase(name);
    });
}

TDesktopPreparation::~TDesktopPreparation()
{
    WaitForFonts();
    if (FServices.joinable())
        FServices.join();
}

void TDesktopPreparation::WaitForFonts()
{
    if (FFonts.joinable())
        FFonts.join();
}

void ReturnFreedStartupMemory() { malloc_trim(0); }
