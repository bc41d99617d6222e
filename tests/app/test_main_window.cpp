#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTimer>
#include <QTreeWidget>
#include <memory>

#include "app/StatusResult.h"
#include "app/f_main.h"
#include "ipsets/o_IPSetManager.h"
#include "store/StoreSchema.h"
#include "store/o_DatabaseConnection.h"
#include "platform/FakeNetsh.h"
#include "support/AccessibleNames.h"
#include "support/ModalAnswer.h"
#include "support/StoreBesideProgram.h"

namespace {

// The window opens the store beside the program, here beside the test program.
struct MainWindowTest : ::testing::Test {
    std::unique_ptr<TFrmMain> window;

    void SetUp() override { ResetStoreBesideProgram(); }
    void TearDown() override { window.reset(); }
    void Sql(const QString& sql) { SqlBesideProgram(sql); }
    void ThreeSets()
    {
        Sql("INSERT INTO Connections (CONNECTIONNAME) VALUES ('eth0')");
        Sql("INSERT INTO IPSets (IPSET_NAME, IPADDRESS, DHCP, CONNECTION) VALUES ('Office', '10.0.0.5', 0, 1),"
            " ('Home', '0.0.0.0', 1, 1), ('Lab', '192.168.1.2', 0, 1)");
    }
    void Open()
    {
        window = std::make_unique<TFrmMain>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QTreeWidget* Tree() { return window->IPSetTreeView; }
    void Press(QTreeWidgetItem* item, Qt::MouseButton button = Qt::LeftButton)
    {
        Tree()->scrollToItem(item);
        QTest::mousePress(Tree()->viewport(), button, {}, Tree()->visualItemRect(item).center());
        QTest::mouseRelease(Tree()->viewport(), button, {}, Tree()->visualItemRect(item).center());
    }
    QStringList ApplyItems()
    {
        QStringList out;
        for (QAction* a : window->ApplyIPSet1->actions())
            out << a->text() + "#" + a->data().toString();
        return out;
    }
};

}  // namespace

TEST_F(MainWindowTest, LaysOutItsPagesMenusAndNote)
{
    Open();
    EXPECT_EQ(window->windowTitle(), "Netvane Ver3");
    EXPECT_EQ(window->MainPageControl->currentIndex(), 0);
    EXPECT_EQ(window->MainPageControl->tabText(0), "Available IP Sets");
    EXPECT_EQ(window->MainPageControl->tabText(1), "Current Configuration");
    EXPECT_EQ(window->InfoMemo->toPlainText().split('\n').size(), 7);
    EXPECT_TRUE(window->InfoMemo->toPlainText().endsWith("please reffer to the help file."));
    EXPECT_FALSE(window->InfoMemo->isEnabled());
    EXPECT_EQ(window->StatusPanel->text(), "Netvane Ver3");
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window->MenuImageList.size(), 12);

    EXPECT_FALSE(window->Options1->isVisible());
    EXPECT_EQ(window->Options1->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(window->AddNewIPConfigurationSet1->shortcut(), QKeySequence(Qt::Key_Insert));
    EXPECT_EQ(window->popmnuAddNewIPSet->text(), "Add New IP Configuration Set");
    EXPECT_EQ(window->TrayIconMenu->defaultAction(), window->NetvaneVer31);
    EXPECT_FALSE(window->EditIPSet1->isVisible());
    EXPECT_FALSE(window->DeleteIPSet1->isVisible());
    QStringList tray;
    for (QAction* a : window->TrayIconMenu->actions())
        tray << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(tray, (QStringList{"Netvane Ver3", "-", "Restore", "Minimize", "Terminate", "-", "Add IP Set",
                                 "Edit IP Set", "Delete IP Set", "-", "Apply IP Set", "-", "Manage Connections"}));
    // The first tray item and the tray's "Manage Connections" do nothing at all.
    window->NetvaneVer31->trigger();
    window->ManageConnections2->trigger();
    QTest::qWait(30);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, AStartAtSignInWaitsForATrayBeforeShowingTheWindowMinimized)
{
    // No tray here (offscreen): the window stays hidden for the wait, then shows minimized.
    window = std::make_unique<TFrmMain>();
    window->ShowMinimizedAtStart();
    window->SetTrayWaitAtStart(std::chrono::milliseconds(400));
    QTest::qWait(100);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->isVisible() && window->isMinimized(); }, 5000));
}

TEST_F(MainWindowTest, EmptyStoreGivesEmptyTreeAndSubMenuAndDeleteDoesNothing)
{
    Open();
    EXPECT_EQ(Tree()->topLevelItemCount(), 0);
    EXPECT_TRUE(window->ApplyIPSet1->actions().isEmpty());
    ModalAnswer answer;
    answer.Arm(QMessageBox::Yes);
    window->DeletetheselectedIPSet1Click();
    QTest::qWait(50);
    EXPECT_EQ(answer.shown, 0);
}

TEST_F(MainWindowTest, PressingASetPicksItAndADetailLineOnlyClearsTheBanner)
{
    ThreeSets();
    Open();
    ASSERT_EQ(Tree()->topLevelItemCount(), 3);
    EXPECT_EQ(window->IPSetID(), 0);
    EXPECT_TRUE(window->lblCurrentIPInfo->text().isEmpty());

    Press(Tree()->topLevelItem(1));
    EXPECT_EQ(window->lblCurrentIPInfo->text(), "Home");
    EXPECT_EQ(window->IPSetID(), 2);

    // The right button selects the node under the pointer too.
    Press(Tree()->topLevelItem(2), Qt::RightButton);
    QTest::qWait(20);
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    EXPECT_EQ(Tree()->currentItem(), Tree()->topLevelItem(2));
    EXPECT_EQ(window->lblCurrentIPInfo->text(), "Lab");
    EXPECT_EQ(window->IPSetID(), 3);

    Tree()->topLevelItem(0)->setExpanded(true);
    Press(Tree()->topLevelItem(0)->child(1));
    EXPECT_TRUE(window->lblCurrentIPInfo->text().isEmpty());
    EXPECT_EQ(window->IPSetID(), 3);
}

TEST_F(MainWindowTest, AScreenReaderHearsThePickedSetsNameFromTheBanner)
{
    Sql("INSERT INTO Connections (CONNECTIONNAME) VALUES ('eth0')");
    Sql("INSERT INTO IPSets (IPSET_NAME, DHCP, CONNECTION) VALUES ('Home', 1, 1), ('R&D', 1, 1), ('<b>Lab</b>', 1, 1)");
    Open();
    QAccessibleInterface* banner = QAccessible::queryAccessibleInterface(window->lblCurrentIPInfo);
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->parent()->text(QAccessible::Name), "Currently Selected IP Set");
    EXPECT_EQ(banner->text(QAccessible::Name), "");
    Tree()->topLevelItem(0)->setExpanded(true);
    // Names are heard as stored, "&" and markup too; a detail line picks nothing to hear.
    const struct {
        QTreeWidgetItem* node;
        const char* heard;
    } steps[] = {{Tree()->topLevelItem(0), "Home"},
                 {Tree()->topLevelItem(1), "R&D"},
                 {Tree()->topLevelItem(2), "<b>Lab</b>"},
                 {Tree()->topLevelItem(0)->child(1), ""}};
    for (const auto& step : steps) {
        Press(step.node);
        EXPECT_EQ(banner->text(QAccessible::Name), step.heard);
        EXPECT_EQ(window->lblCurrentIPInfo->text(), step.heard);
    }
}

TEST_F(MainWindowTest, DeleteAsksOnceAndOnlyYesDeletes)
{
    ThreeSets();
    Open();
    Press(Tree()->topLevelItem(0));
    Tree()->topLevelItem(1)->setExpanded(true);
    Press(Tree()->topLevelItem(1)->child(0));  // a detail line keeps the picked set

    ModalAnswer no;
    no.Arm(QMessageBox::No);
    window->DeletetheselectedIPSet1Click();
    EXPECT_EQ(no.shown, 1);
    EXPECT_EQ(no.text, "Are sure you want to delete the selected IP Set ?");
    EXPECT_EQ(no.caption, "Netvane Ver3");
    EXPECT_EQ(no.icon, QMessageBox::Question);
    EXPECT_EQ(no.defaultButton, QMessageBox::No);
    EXPECT_EQ(Tree()->topLevelItemCount(), 3);

    Press(Tree()->topLevelItem(0));
    ModalAnswer yes;
    yes.Arm(QMessageBox::Yes);
    window->toolbtnDeleteIPSet->trigger();
    EXPECT_EQ(yes.shown, 1);
    ASSERT_EQ(Tree()->topLevelItemCount(), 2);
    EXPECT_EQ(Tree()->topLevelItem(0)->text(0), "Home");
    EXPECT_TRUE(window->lblCurrentIPInfo->text().isEmpty());
    EXPECT_EQ(window->IPSetID(), 0);  // the deleted set is no longer picked
    // The tray's sub-menu follows the store instead of listing the deleted set.
    EXPECT_EQ(ApplyItems(), (QStringList{"Home#2", "Lab#3"}));

    ModalAnswer again;
    again.Arm(QMessageBox::Yes);
    window->DeletetheselectedIPSet1Click();
    QTest::qWait(50);
    EXPECT_EQ(again.shown, 0);
    EXPECT_EQ(Tree()->topLevelItemCount(), 2);
}

TEST_F(MainWindowTest, RefreshReadsTheStoreAgainAndRebuildsTheSubMenu)
{
    ThreeSets();
    Open();
    EXPECT_EQ(ApplyItems(), (QStringList{"Office#1", "Home#2", "Lab#3"}));
    Sql("INSERT INTO IPSets (IPSET_NAME) VALUES ('R&D')");
    Sql("DELETE FROM IPSets WHERE ID = 2");
    window->RefreshCurrentConfiguration1->trigger();
    EXPECT_EQ(Tree()->topLevelItemCount(), 3);
    EXPECT_EQ(Tree()->topLevelItem(2)->text(0), "R&D");
    EXPECT_EQ(ApplyItems(), (QStringList{"Office#1", "Lab#3", "R&&D#4"}));
    // The table's current row is its first one after the sub-menu is built.
    EXPECT_EQ(IPDBManager()->IPSets()->FieldByName("ID").AsInteger(), 1);
}

TEST_F(MainWindowTest, ExitClosesTheWindow)
{
    Open();
    window->Exit1->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, ActivateAppliesThePickedSetAndATrayItemPicksItsOwn)
{
    ThreeSets();
    FakeNetsh netsh;
    Open();
    window->IPManager()->SetCommandPause(std::chrono::milliseconds(0));

    // Nothing picked yet: nothing runs.
    window->toolBtnActivateIPSet->trigger();
    EXPECT_TRUE(netsh.Calls().empty());

    Press(Tree()->topLevelItem(0));
    window->ActivatetheselectedIPSet1->trigger();
    ASSERT_EQ(netsh.Calls().size(), 2u);
    EXPECT_EQ(netsh.Calls()[0].Args[5], "static");
    EXPECT_TRUE(window->toolBtnActivateIPSet->isEnabled());

    // A tray item picks its set for the next activate, and the banner names it.
    window->ApplyIPSet1->actions().at(1)->trigger();
    ASSERT_EQ(netsh.Calls().size(), 4u);
    EXPECT_EQ(netsh.Calls()[2].Args[5], "dhcp");
    EXPECT_EQ(window->IPSetID(), 2);
    EXPECT_EQ(window->lblCurrentIPInfo->text(), "Home");
    window->ActivatetheselectedIPSet2->trigger();
    EXPECT_EQ(netsh.Calls().size(), 6u);
    EXPECT_EQ(netsh.Calls()[4].Args[5], "dhcp");
}

TEST_F(MainWindowTest, ASetWithoutItsConnectionShowsTheErrorBox)
{
    Sql("INSERT INTO IPSets (IPSET_NAME, DHCP, CONNECTION) VALUES ('Lost', 1, 99)");
    FakeNetsh netsh;
    Open();
    Press(Tree()->topLevelItem(0));
    ModalAnswer box;
    box.Arm(QMessageBox::Ok);
    window->ActivatetheselectedIPSet1->trigger();
    EXPECT_EQ(box.shown, 1);
    EXPECT_EQ(box.text, "Error Applying IP Set.\nThe connection chosen for this IP set is no longer in the "
                        "connection list.");
    EXPECT_EQ(box.caption, "Netvane Ver3 www.quorvex.example");
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_TRUE(netsh.Calls().empty());
}

TEST_F(MainWindowTest, MovingThroughTheSetsWithTheKeyboardPicksThem)
{
    ThreeSets();
    Open();
    Tree()->setFocus();
    const struct {
        Qt::Key key;
        int id;
        const char* banner;
    } steps[] = {
        {Qt::Key_Down, 1, "Office"}, {Qt::Key_Down, 2, "Home"}, {Qt::Key_End, 3, "Lab"},
        {Qt::Key_Up, 2, "Home"},     {Qt::Key_Home, 1, "Office"}, {Qt::Key_PageDown, 3, "Lab"},
        {Qt::Key_PageUp, 1, "Office"},
    };
    if (!Tree()->currentItem())
        QTest::keyClick(Tree(), Qt::Key_Home);  // the first key only makes a row current
    Tree()->clearSelection();
    Tree()->setCurrentItem(nullptr);
    for (const auto& step : steps) {
        QTest::keyClick(Tree(), step.key);
        EXPECT_EQ(window->IPSetID(), step.id) << step.banner;
        EXPECT_EQ(window->lblCurrentIPInfo->text(), step.banner);
    }
    // What the keyboard picked is what Activate applies.
    FakeNetsh netsh;
    window->IPManager()->SetCommandPause(std::chrono::milliseconds(0));
    QTest::keyClick(Tree(), Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(netsh.Calls().size(), 2u);
    EXPECT_EQ(netsh.Calls()[0].Args[4], "eth0");
    EXPECT_EQ(netsh.Calls()[0].Args[6], "10.0.0.5");
}

TEST_F(MainWindowTest, NothingRunsInsideAnApplyAndClosingWaitsForIt)
{
    ThreeSets();
    FakeNetsh netsh;
    netsh.SetSleep(std::chrono::milliseconds(300));
    Open();
    window->IPManager()->SetCommandPause(std::chrono::milliseconds(0));
    Press(Tree()->topLevelItem(1));
    window->StatusResult->SetResult("an earlier result");

    QAction* const commands[] = {
        window->toolBtnAddIPSet, window->AddNewIPConfigurationSet1, window->popmnuAddNewIPSet, window->AddIPSet1,
        window->toolbtnEditIPSet, window->EdittheselectedIPSet1, window->EdittheSelectedIPSet2, window->EditIPSet1,
        window->toolbtnDeleteIPSet, window->DeletetheselectedIPSet1, window->DeletetheselectedIPSet2,
        window->DeleteIPSet1, window->toolBtnManageConnections, window->ManageConnections1,
        window->ManageConnections2, window->About1, window->RefreshCurrentConfiguration1,
        window->toolBtnActivateIPSet, window->ActivatetheselectedIPSet1, window->ActivatetheselectedIPSet2,
        window->ApplyIPSet1->menuAction(),
    };
    QStringList enabledDuring;
    QString resultDuring = "not looked at";
    bool visibleAfterClose = false;
    QTimer::singleShot(100, [&] {
        for (QAction* a : commands)
            if (a->isEnabled())
                enabledDuring << a->objectName() + a->text();
        resultDuring = window->StatusResult->Result();
        // A dialog started now would run inside the apply: nothing opens.
        window->toolBtnAddIPSet->trigger();
        window->About1->trigger();
        window->close();
        visibleAfterClose = window->isVisible();
    });
    window->ActivatetheselectedIPSet1->trigger();
    EXPECT_TRUE(enabledDuring.isEmpty()) << enabledDuring.join(", ").toStdString();
    EXPECT_TRUE(resultDuring.isEmpty()) << resultDuring.toStdString();
    EXPECT_TRUE(visibleAfterClose);
    EXPECT_EQ(netsh.Calls().size(), 2u);
    EXPECT_EQ(window->StatusResult->Result(), "IP Changed successfully!");
    for (QAction* a : commands)
        EXPECT_EQ(a->isEnabled(), a->isVisible()) << a->objectName().toStdString();  // hidden ones stay off
    // The held close goes ahead once the apply is over.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 2000));
}

TEST_F(MainWindowTest, TheLastResultStaysInTheStatusBarWhole)
{
    Sql("INSERT INTO Connections (CONNECTIONNAME) VALUES ('eth0')");
    Sql("INSERT INTO IPSets (IPSET_NAME, IPADDRESS, SUBNETMASK, GATEWAY, DNS, DHCP, CONNECTION) VALUES"
        " ('Office', '10.0.0.5', '255.0.0.0', '', '', 0, 1)");
    FakeNetsh netsh;
    netsh.SetExitCode(1);
    const QString reason = "the connection profile could not be changed because " + QString(120, 'x');
    netsh.SetStdout(reason.toStdString());
    Open();
    // No adapter of this machine carries the set's connection: no probe goes onto its network.
    window->IPManager()->SetConnectionMapper(
        [](const std::vector<std::string>&) { return std::vector<TAdapterConnection>(); });
    window->IPManager()->SetCommandPause(std::chrono::milliseconds(0));
    Press(Tree()->topLevelItem(0));
    window->ActivatetheselectedIPSet1->trigger();
    const QString notice = "Office was not applied. Setting the address and the DNS server failed: " + reason + ".";
    TqxStatusResult* panel = window->StatusResult;
    EXPECT_EQ(panel->Result(), notice);
    // Too long for the window: shortened on screen, whole in the tooltip.
    EXPECT_TRUE(panel->text().endsWith(QChar(0x2026))) << panel->text().toStdString();
    EXPECT_EQ(panel->toolTip(), notice);
    // Wide enough again: shown whole, no tooltip needed.
    panel->SetResult("IP Changed successfully!");
    EXPECT_EQ(panel->text(), "IP Changed successfully!");
    EXPECT_TRUE(panel->toolTip().isEmpty());
}

TEST_F(MainWindowTest, EveryFocusableWidgetHasAnAccessibleNameAndMenusHaveMnemonics)
{
    ThreeSets();
    Open();
    EXPECT_EQ(FocusableWithoutName(window.get()), QStringList());
    const auto* treeFace = QAccessible::queryAccessibleInterface(window->IPSetTreeView);
    EXPECT_EQ(treeFace->text(QAccessible::Name), "Available IP Sets");
    QStringList titles;
    for (QMenu* menu : {window->File1, window->Connections1, window->IPSets1, window->Help1})
        titles << menu->title();
    EXPECT_EQ(titles, (QStringList{"&File", "&Connections", "&IP Sets", "&Help"}));
    // Alt+F opens File.
    window->activateWindow();
    QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->File1->isVisible(); }, 2000));
    window->File1->close();
}

TEST_F(MainWindowTest, ASetWhoseIdIsBeyondThirtyTwoBitsIsShownButNeverPicked)
{
    ThreeSets();
    // Cut to 32 bits this ID would be 1, the "Office" set.
    Sql("INSERT INTO IPSets (ID, IPSET_NAME, DHCP, CONNECTION) VALUES (4294967297, 'Far', 1, 1)");
    FakeNetsh netsh;
    Open();
    ASSERT_EQ(Tree()->topLevelItemCount(), 4);
    Press(Tree()->topLevelItem(0));
    ASSERT_EQ(window->IPSetID(), 1);

    ModalAnswer box;
    box.Arm(QMessageBox::Ok);
    Press(Tree()->topLevelItem(3));
    EXPECT_EQ(box.shown, 1);
    EXPECT_TRUE(box.text.contains("4294967297")) << box.text.toStdString();
    EXPECT_EQ(window->IPSetID(), 0);
    EXPECT_TRUE(window->lblCurrentIPInfo->text().isEmpty());

    // The tray's item for it is refused the same way, and nothing runs.
    QAction* far = window->ApplyIPSet1->actions().at(3);
    EXPECT_EQ(far->text(), "Far");
    box.Arm(QMessageBox::Ok);
    far->trigger();
    EXPECT_EQ(box.shown, 2);
    EXPECT_TRUE(box.text.contains("4294967297")) << box.text.toStdString();
    window->ActivatetheselectedIPSet1->trigger();
    EXPECT_TRUE(netsh.Calls().empty());
}

TEST_F(MainWindowTest, TheFilterNarrowsTheTreeAndUnpicksASetItHides)
{
    ThreeSets();
    Open();
    QLineEdit* filter = window->edtFilterIPSets;
    EXPECT_EQ(filter->placeholderText(), "Filter IP Sets");
    EXPECT_EQ(filter->accessibleName(), "Filter IP Sets");
    const auto shown = [&] {
        QStringList names;
        for (int i = 0; i < Tree()->topLevelItemCount(); ++i)
            if (!Tree()->topLevelItem(i)->isHidden())
                names << Tree()->topLevelItem(i)->text(0);
        return names;
    };
    Press(Tree()->topLevelItem(1));
    ASSERT_EQ(window->IPSetID(), 2);
    window->MainPageControl->setCurrentIndex(1);
    window->activateWindow();
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(window->MainPageControl->currentIndex(), 0);
    EXPECT_TRUE(filter->hasFocus());

    QTest::keyClicks(filter, "O");  // letter case aside: Office and Home
    EXPECT_EQ(shown(), (QStringList{"Office", "Home"}));
    EXPECT_EQ(window->IPSetID(), 2);
    EXPECT_EQ(window->lblCurrentIPInfo->text(), "Home");
    QTest::keyClicks(filter, "FF");
    EXPECT_EQ(shown(), QStringList{"Office"});
    EXPECT_EQ(window->IPSetID(), 0);
    EXPECT_TRUE(window->lblCurrentIPInfo->text().isEmpty());

    // It holds when the tree is built again; the tray's sub-menu lists every set.
    window->RefreshCurrentConfiguration1->trigger();
    EXPECT_EQ(shown(), QStringList{"Office"});
    EXPECT_EQ(ApplyItems().size(), 3);
    QTest::keyClick(filter, Qt::Key_Escape);
    EXPECT_TRUE(filter->text().isEmpty());
    EXPECT_EQ(shown(), (QStringList{"Office", "Home", "Lab"}));
}

TEST_F(MainWindowTest, OnceDrawnTheWindowHasItsIconAndTheFilterAClearButtonThatEmptiesIt)
{
    ThreeSets();
    Open();
    QLineEdit* filter = window->edtFilterIPSets;
    EXPECT_TRUE(QTest::qWaitFor([&] { return filter->isClearButtonEnabled(); }, 5000));
    EXPECT_FALSE(window->windowIcon().isNull());
    QTest::keyClicks(filter, "Off");
    auto* clear = filter->findChild<QToolButton*>();
    ASSERT_NE(clear, nullptr);
    clear->click();
    EXPECT_TRUE(filter->text().isEmpty());
    for (int i = 0; i < Tree()->topLevelItemCount(); ++i)
        EXPECT_FALSE(Tree()->topLevelItem(i)->isHidden());
}
