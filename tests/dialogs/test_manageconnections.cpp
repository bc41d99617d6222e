#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <memory>

#include "app/f_main.h"
#include "dialogs/f_manageconnections.h"
#include "store/StoreSchema.h"
#include "store/o_DatabaseConnection.h"
#include "support/AccessibleNames.h"
#include "support/ModalAnswer.h"
#include "support/TempStore.h"

namespace {

QStringList StoredNames(const QString& path)
{
    QStringList names;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "names-reader");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q("SELECT CONNECTIONNAME FROM Connections ORDER BY ID", db);
        while (q.next())
            names << q.value(0).toString();
    }
    QSqlDatabase::removeDatabase("names-reader");
    return names;
}

struct ConnectionListTest : ::testing::Test {
    TempStore store;
    std::unique_ptr<TFrmManageConnections> dialog;

    void Open(const QStringList& names)
    {
        for (const QString& n : names)
            store.AddConnection(n);
        dialog = std::make_unique<TFrmManageConnections>();
        dialog->SetDataSet(store.Connections());
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        Grid()->setFocus();
        QTest::qWait(10);
    }
    TqxDBGrid* Grid() { return dialog->ConnectionsDBGrid; }
    TqxTable* Table() { return store.Connections(); }
    QStringList Stored() { return StoredNames(store.path); }
    QStringList Shown()
    {
        QStringList out;
        for (int r = 0; r < dialog->dsConnections->rowCount(); ++r)
            out << dialog->dsConnections->index(r, 0).data().toString();
        return out;
    }
    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : Grid(), Qt::Key(key), mods);
        QTest::qWait(5);
    }
    void Type(const QString& text)
    {
        for (const QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    void ClickRow(int row)
    {
        const QRect cell = Grid()->visualRect(dialog->dsConnections->index(row, 0));
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::qWait(5);
    }
    int CurrentRow() { return Grid()->currentIndex().row(); }
};

TEST_F(ConnectionListTest, ShowsTheNamesInTableOrderUnderOneColumn)
{
    Open({"LAN", "WLAN", "VPN"});
    EXPECT_EQ(dialog->windowTitle(), "Connection Name List");
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(dialog->size(), QSize(395, 364));
    EXPECT_EQ(dialog->NoteMemo->toPlainText(),
              "This is a list of network connection names as shown in \nControl Panel - >Network Connections.");
    EXPECT_TRUE(dialog->NoteMemo->isReadOnly());
    EXPECT_EQ(dialog->dsConnections->columnCount(), 1);
    EXPECT_EQ(dialog->dsConnections->headerData(0, Qt::Horizontal).toString(), "Connection Name");
    EXPECT_EQ(Grid()->columnWidth(0), 200);
    EXPECT_EQ(Shown(), QStringList({"LAN", "WLAN", "VPN"}));
    EXPECT_EQ(dialog->BitBtn1->text(), "Ok");

    ClickRow(2);
    EXPECT_EQ(Table()->FieldByName("ConnectionName").AsString(), "VPN");
    QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ConnectionListTest, EveryFocusableWidgetHasAnAccessibleName)
{
    Open({"LAN"});
    EXPECT_EQ(FocusableWithoutName(dialog.get()), QStringList());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Grid())->text(QAccessible::Name), "Connection Name List");
}

TEST_F(ConnectionListTest, NewRowIsSavedWhenTheCursorLeavesIt)
{
    Open({"LAN", "WLAN"});
    ClickRow(0);
    Key(Qt::Key_Insert);
    EXPECT_EQ(Table()->State(), TDataSetState::dsInsert);
    EXPECT_EQ(CurrentRow(), 2);
    EXPECT_EQ(dialog->dsConnections->headerData(2, Qt::Vertical).toString(), "*");
    Type("VPN 2");
    EXPECT_EQ(Stored(), QStringList({"LAN", "WLAN"}));  // not yet: the cursor is still on it
    Key(Qt::Key_Up);
    EXPECT_EQ(Table()->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(Stored(), QStringList({"LAN", "WLAN", "VPN 2"}));
    EXPECT_EQ(Shown(), QStringList({"LAN", "WLAN", "VPN 2"}));
    EXPECT_EQ(CurrentRow(), 1);
    EXPECT_EQ(Table()->FieldByName("ConnectionName").AsString(), "WLAN");
}

TEST_F(ConnectionListTest, DownPastTheLastRowStartsANewOneAndAnUntouchedOneIsDropped)
{
    Open({"LAN"});
    Key(Qt::Key_Down);  // on the only row: past the end
    EXPECT_EQ(Table()->State(), TDataSetState::dsInsert);
    EXPECT_EQ(Shown(), QStringList({"LAN", ""}));
    Key(Qt::Key_Down);  // nothing typed: no second new row
    EXPECT_EQ(dialog->dsConnections->rowCount(), 2);
    Key(Qt::Key_Up);
    EXPECT_EQ(Table()->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(Shown(), QStringList({"LAN"}));

    // Typed and moved down again: saved, and the next new row starts.
    Key(Qt::Key_Down);
    Type("WAN");
    Key(Qt::Key_Down);
    EXPECT_EQ(Stored(), QStringList({"LAN", "WAN"}));
    EXPECT_EQ(Table()->State(), TDataSetState::dsInsert);
    EXPECT_EQ(CurrentRow(), 2);
}

TEST_F(ConnectionListTest, LeavingTheGridDropsAnUntouchedRowButKeepsATypedOnePending)
{
    Open({"LAN"});
    Key(Qt::Key_Insert);
    dialog->BitBtn1->setFocus();
    QTest::qWait(20);
    EXPECT_EQ(Table()->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(Shown(), QStringList({"LAN"}));

    Grid()->setFocus();
    Key(Qt::Key_Insert);
    Type("DSL");
    dialog->BitBtn1->setFocus();
    QTest::qWait(20);
    EXPECT_EQ(Table()->State(), TDataSetState::dsInsert);
    EXPECT_EQ(Stored(), QStringList({"LAN"}));
    // The table's next movement ends it: saved, since it was typed into.
    Table()->Refresh();
    EXPECT_EQ(Stored(), QStringList({"LAN", "DSL"}));
    EXPECT_EQ(Shown(), QStringList({"LAN", "DSL"}));
}

TEST_F(ConnectionListTest, ClosingDropsAnUntouchedNewRow)
{
    Open({"LAN"});
    Key(Qt::Key_Insert);
    QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Table()->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(Table()->RecordCount(), 1);
}

// Only names netsh can be given as one argument, as import and applying take them.
TEST_F(ConnectionListTest, NamesThatCannotBeAppliedAreRefusedWhereTyped)
{
    Open({"LAN"});
    const std::pair<const char*, const char*> cases[] = {
        {"Wi-Fi \"home\"", "The connection name \"Wi-Fi \"home\"\" contains a quotation mark or a control "
                            "character and cannot be passed to netsh."},
        {"VPN\\", "The connection name \"VPN\\\" ends with a backslash and cannot be passed to netsh."},
        {"   ", "The connection name \"   \" is blank."},
    };
    for (const auto& [name, message] : cases) {
        Key(Qt::Key_Insert);
        Type(QLatin1String(name));
        ModalAnswer answer;
        answer.Arm(QMessageBox::Ok);
        Key(Qt::Key_Up);
        QTest::qWait(50);
        dialog->activateWindow();  // as the window system does when the box goes
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        EXPECT_EQ(answer.text, message);
        EXPECT_EQ(Table()->State(), TDataSetState::dsBrowse);
        EXPECT_EQ(Stored(), QStringList({"LAN"}));
    }
}

TEST_F(ConnectionListTest, StoredNamesAreNotEditedInPlace)
{
    Open({"LAN", "WLAN"});
    ClickRow(1);
    Type("x");
    Key(Qt::Key_F2);
    QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {},
                       Grid()->visualRect(dialog->dsConnections->index(1, 0)).center());
    Type("y");
    Key(Qt::Key_Up);
    EXPECT_EQ(Table()->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(Stored(), QStringList({"LAN", "WLAN"}));
    EXPECT_EQ(Shown(), QStringList({"LAN", "WLAN"}));
}

TEST_F(ConnectionListTest, CtrlDeleteAsksFirst)
{
    Open({"LAN", "WLAN", "VPN"});
    ClickRow(1);
    ModalAnswer cancel;
    cancel.Arm(QMessageBox::Cancel);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(cancel.shown, 1);
    EXPECT_EQ(cancel.text, "Delete record?");
    EXPECT_EQ(Stored(), QStringList({"LAN", "WLAN", "VPN"}));

    Key(Qt::Key_Delete);  // without Ctrl: nothing
    ModalAnswer ok;
    ok.Arm(QMessageBox::Ok);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(ok.shown, 1);
    EXPECT_EQ(Stored(), QStringList({"LAN", "VPN"}));
    EXPECT_EQ(Shown(), QStringList({"LAN", "VPN"}));
    EXPECT_EQ(Table()->FieldByName("ConnectionName").AsString(), "VPN");
    EXPECT_EQ(CurrentRow(), 1);
}

TEST_F(ConnectionListTest, EmptyDataSetKeepsTheBindingAndOutsideChangesShow)
{
    Open({"LAN"});
    dialog->SetDataSet(nullptr);
    EXPECT_EQ(dialog->DataSet(), nullptr);
    EXPECT_EQ(dialog->dsConnections->DataSet(), Table());
    store.AddConnection("Added elsewhere");
    EXPECT_EQ(Shown(), QStringList({"LAN", "Added elsewhere"}));
}

// The main window's tool button and menu item open the list on the store's connection table.
TEST(ConnectionListCommand, MainWindowOpensTheListOnTheStore)
{
    const QString path = TqxIPDBManager::DefaultDatabasePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    CreateEmptyStore(path);
    auto window = std::make_unique<TFrmMain>();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));

    for (QAction* command : {window->toolBtnManageConnections, window->ManageConnections1}) {
        bool seen = false;
        QTimer::singleShot(50, [&] {
            auto* list = qobject_cast<TFrmManageConnections*>(QApplication::activeModalWidget());
            if (!list)
                return;
            seen = true;
            EXPECT_EQ(list->parentWidget(), window.get());
            EXPECT_EQ(list->DataSet(), IPDBManager()->ConnectionNames());
            EXPECT_EQ(list->dsConnections->rowCount(), IPDBManager()->ConnectionNames()->RecordCount());
            list->BitBtn1->click();
        });
        QTimer::singleShot(2000, [] {  // never leave a test hanging on a box
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        command->trigger();
        EXPECT_TRUE(seen) << command->objectName().toStdString();
        EXPECT_TRUE(window->findChildren<TFrmManageConnections*>().isEmpty());
    }
}

}  // namespace
