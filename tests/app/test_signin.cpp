// File -> Start at Sign-in through the window: the entry appears in the autostart
// folder, starts this program with --minimized, goes again when unchecked, and a
// file removed by hand shows unchecked the next time the menu opens.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/f_main.h"
#include "platform/Autostart.h"
#include "support/StoreBesideProgram.h"

// What the entry starts, read back as the system reads it: "<program> <arguments>"
// (SignInEntry_linux.cpp / SignInEntry_windows.cpp).
QString SignInCommand(const QString& file);

TEST(StartAtSignIn, TheMenuEntryWritesReadsAndRemovesTheUsersEntry)
{
    ResetStoreBesideProgram();
    QTemporaryDir user;
    const QString folder = user.filePath("autostart");  // made when first needed
    const QString file = QDir::toNativeSeparators(folder + "/" + QString::fromStdString(AutostartFileName()));
    auto window = std::make_unique<TFrmMain>();
    window->SetAutostartFolder(folder);
    QAction* entry = window->StartatSignin1;

    // In the File menu, checkable, right above Exit (with a separator between).
    const QList<QAction*> items = window->File1->actions();
    const qsizetype exit = items.indexOf(window->Exit1);
    ASSERT_GE(exit, 2);
    EXPECT_EQ(items[exit - 2], entry);
    EXPECT_TRUE(items[exit - 1]->isSeparator());
    EXPECT_TRUE(entry->isCheckable());
    EXPECT_FALSE(entry->isChecked());

    entry->trigger();
    EXPECT_TRUE(entry->isChecked());
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(SignInCommand(file), QDir::toNativeSeparators(QCoreApplication::applicationFilePath()) + " --minimized");

    // Removed by hand: unchecked when the menu opens next.
    ASSERT_TRUE(QFile::remove(file));
    window->File1->popup(QPoint(0, 0));
    EXPECT_FALSE(entry->isChecked());
    window->File1->close();
    entry->trigger();
    EXPECT_TRUE(QFile::exists(file));
    // Read at start: a new window finds it there.
    window = std::make_unique<TFrmMain>();
    window->SetAutostartFolder(folder);
    EXPECT_TRUE(window->StartatSignin1->isChecked());
    window->StartatSignin1->trigger();
    EXPECT_FALSE(window->StartatSignin1->isChecked());
    EXPECT_FALSE(QFile::exists(file));
}
