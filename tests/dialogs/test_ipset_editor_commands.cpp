// The main window's add and edit commands, through the window's own store.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QTabWidget>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <memory>

#include "app/f_main.h"
#include "ipsets/o_IPSetManager.h"
#include "controls/o_QXIPEdit.h"
#include "dialogs/f_IPSet.h"
#include "store/StoreSchema.h"
#include "store/o_DatabaseConnection.h"
#include "support/CannedAdapters.h"
#include "support/ModalAnswer.h"
#include "support/StoreBesideProgram.h"

// In test_ipset_editor.cpp: waits until the dialog holds the activation and the focus
// (the offscreen platform may hand the activation back to the main window).
bool Activate(QWidget* dialog);

namespace {

QWidget* const kFocused = nullptr;  // key events go to the focused widget

struct EditorCommandTest : ::testing::Test {
    std::unique_ptr<TFrmMain> window;
    QString caption;  // of the editor while it was shown

    void SetUp() override
    {
        ResetStoreBesideProgram();
        Sql("INSERT INTO Connections (CONNECTIONNAME) VALUES ('eth0')");
        Sql("INSERT INTO IPSets (IPSET_NAME, IPADDRESS, SUBNETMASK, GATEWAY, DNS, DHCP, CONNECTION) VALUES"
            " ('Office', '10.0.0.5', '255.0.0.0', '10.0.0.1', '10.0.0.2', 0, 1),"
            " ('Odd', '10.0.0.6', '255.0.0.0', 'gateway', '', 0, 1)");
        window = std::make_unique<TFrmMain>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override { window.reset(); }

    void Sql(const QString& sql) { SqlBesideProgram(sql); }
    QTreeWidgetItem* Node(const QString& name)
    {
        for (int i = 0; i < window->IPSetTreeView->topLevelItemCount(); ++i)
            if (window->IPSetTreeView->topLevelItem(i)->text(0) == name)
                return window->IPSetTreeView->topLevelItem(i);
        return nullptr;
    }
    void Pick(const QString& name)
    {
        QTreeWidgetItem* node = Node(name);
        ASSERT_NE(node, nullptr);
        QTreeWidget* tree = window->IPSetTreeView;
        QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
        QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
        ASSERT_NE(window->IPSetID(), 0);
    }
    QStringList TrayItems()
    {
        QStringList out;
        for (QAction* a : window->ApplyIPSet1->actions())
            out << a->text();
        return out;
    }
    // Runs a command that may open the editor; actions get the editor once it is active.
    // Returns whether an editor was shown.
    bool Run(void (TFrmMain::*command)(), std::function<void(TFrmIPSet*)> actions)
    {
        bool shown = false;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* d = qobject_cast<TFrmIPSet*>(QApplication::activeModalWidget());
            if (!d || !Activate(d))
                return;
            poll.stop();
            shown = true;
            caption = d->windowTitle();
            actions(d);
            if (d->isVisible()) {
                ADD_FAILURE() << "the editor was left open";
                d->reject();
            }
        });
        poll.start();
        (window.get()->*command)();
        QTest::qWait(50);  // a command that shows nothing returns at once: let the poll look once more
        return shown;
    }
};

TEST_F(EditorCommandTest, AddStoresTheSetAndRebuildsTreeAndTrayMenu)
{
    const bool shown = Run(&TFrmMain::AddNewIPConfigurationSet1Click, [](TFrmIPSet* d) {
        QTest::keyClicks(kFocused, "Lab");
        d->edtIPAddress->Editor(1)->setFocus();
        QTest::keyClicks(kFocused, "192.168.7.2");
        d->edtSubNetMask->Editor(1)->setFocus();
        QTest::keyClicks(kFocused, "255.255.255.0");
        QTest::mouseClick(d->btnOk, Qt::LeftButton);
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(caption, "Add new IP Set");
    ASSERT_NE(Node("Lab"), nullptr);
    EXPECT_TRUE(TrayItems().contains("Lab"));
    // The new set is selected and picked.
    EXPECT_EQ(window->IPSetTreeView->currentItem(), Node("Lab"));
    EXPECT_EQ(window->IPSetID(), 3);
    EXPECT_EQ(window->lblCurrentIPInfo->text(), "Lab");
}

TEST_F(EditorCommandTest, EditRenamesTheSetInTreeAndTrayMenu)
{
    Pick("Office");
    const bool shown = Run(&TFrmMain::EdittheselectedIPSet1Click, [](TFrmIPSet* d) {
        EXPECT_EQ(d->edtIPSetName->text(), "Office");
        EXPECT_EQ(d->edtDns->IP(), "10.0.0.2");
        d->edtIPSetName->selectAll();
        QTest::keyClicks(kFocused, "Head Office");
        EXPECT_EQ(d->edtIPSetName->text(), "Head Office");
        QTest::mouseClick(d->btnOk, Qt::LeftButton);
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(caption, "Edit existing IP Set");
    EXPECT_NE(Node("Head Office"), nullptr);
    EXPECT_EQ(Node("Office"), nullptr);
    EXPECT_TRUE(TrayItems().contains("Head Office"));
    EXPECT_FALSE(TrayItems().contains("Office"));
    EXPECT_EQ(window->IPSetTreeView->currentItem(), Node("Head Office"));
    EXPECT_EQ(window->lblCurrentIPInfo->text(), "Head Office");
    EXPECT_EQ(window->IPSetID(), 1);
}

TEST_F(EditorCommandTest, EditWithoutAPickedSetDoesNothing)
{
    const auto never = [](TFrmIPSet*) {};
    EXPECT_FALSE(Run(&TFrmMain::EdittheselectedIPSet1Click, never));

    Pick("Office");
    Sql("DELETE FROM IPSets WHERE IPSET_NAME = 'Office'");
    window->RefreshCurrentConfiguration1Click();
    // The refresh no longer finds the picked set: nothing is picked.
    EXPECT_EQ(window->IPSetID(), 0);
    EXPECT_TRUE(window->lblCurrentIPInfo->text().isEmpty());
    EXPECT_FALSE(Run(&TFrmMain::EdittheselectedIPSet1Click, never));
}

TEST_F(EditorCommandTest, AnAdaptersPopUpOpensTheEditorFilledFromIt)
{
    TCannedAdapters canned;
    canned.Rows.resize(2);
    canned.Rows[0].AdapterName = "usb0";
    canned.Rows[0].IPAddressList = {"172.20.1.9"};
    canned.Rows[0].IPMaskList = {"255.255.0.0"};
    canned.Rows[1].AdapterName = "vnet3";
    canned.Rows[1].DHCPEnabled = 1;
    canned.Rows[1].IPAddressList = {"192.168.122.40"};
    canned.Rows[1].IPMaskList = {"255.255.255.0"};
    canned.Rows[1].GatewayList = {"192.168.122.1"};
    window->IPManager()->SetAdapterManager(&canned.Manager);
    window->IPManager()->SetConnectionMapper([](const std::vector<std::string>&) {
        return std::vector<TAdapterConnection>{{"vnet3", "eth0"}};  // usb0 carries no stored connection
    });
    window->RefreshCurrentConfiguration1Click();
    QTreeWidget* tree = window->AdapterTreeview;
    window->MainPageControl->setCurrentIndex(1);
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    const auto popUpOn = [&](QTreeWidgetItem* node) {
        const QPoint at = tree->visualItemRect(node).center();
        QContextMenuEvent press(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
        QApplication::sendEvent(tree->viewport(), &press);
        EXPECT_TRUE(QTest::qWaitFor([&] { return window->AdapterPopUpMenu->isVisible(); }, 2000));
        EXPECT_EQ(window->AdapterPopUpMenu->actions().value(0)->text(), "New IP Set from This Adapter...");
        window->AdapterPopUpMenu->close();
    };

    popUpOn(tree->topLevelItem(0));
    EXPECT_TRUE(Run(&TFrmMain::NewIPSetFromAdapter1Click, [](TFrmIPSet* d) {
        EXPECT_EQ(d->edtIPAddress->IP(), "172.20.1.9");
        EXPECT_EQ(d->edtConnection->currentIndex(), -1);
        EXPECT_EQ(d->lblCurrentSettings->text(), "The current settings of the adapter usb0 were taken. No connection "
                                                 "name is stored for it: choose its connection.");
        QTest::mouseClick(d->btnCancel, Qt::LeftButton);
    }));
    EXPECT_EQ(window->IPSetTreeView->topLevelItemCount(), 2);  // nothing stored

    tree->topLevelItem(1)->setExpanded(true);
    popUpOn(tree->topLevelItem(1)->child(0));  // a line under the adapter stands for it
    EXPECT_TRUE(Run(&TFrmMain::NewIPSetFromAdapter1Click, [](TFrmIPSet* d) {
        EXPECT_TRUE(d->DHCPCheck->isChecked());
        EXPECT_EQ(d->edtDefGateway->IP(), "192.168.122.1");
        EXPECT_EQ(d->edtConnection->currentText(), "eth0");
        QTest::keyClicks(kFocused, "Guest");
        QTest::mouseClick(d->btnOk, Qt::LeftButton);
    }));
    EXPECT_EQ(caption, "Add new IP Set");
    window->IPManager()->SetAdapterManager(nullptr);
    ASSERT_NE(Node("Guest"), nullptr);
    EXPECT_EQ(window->lblCurrentIPInfo->text(), "Guest");
    EXPECT_EQ(window->MainPageControl->currentIndex(), 0);
    ASSERT_TRUE(IPDBManager()->IPSets()->Locate("IPSET_NAME", "Guest"));
    EXPECT_TRUE(IPDBManager()->IPSets()->FieldByName("DHCP").AsBoolean());
    EXPECT_EQ(IPDBManager()->IPSets()->FieldByName("CONNECTION").AsInteger(), 1);
}

TEST_F(EditorCommandTest, EditOfAStoredAddressTheControlRejectsShowsTheErrorInstead)
{
    Pick("Odd");
    ModalAnswer answer;
    answer.Arm(QMessageBox::Ok);
    EXPECT_FALSE(Run(&TFrmMain::EdittheselectedIPSet1Click, [](TFrmIPSet*) {}));
    EXPECT_EQ(answer.text, "IP Address gateway is invalid!");
    EXPECT_EQ(answer.icon, QMessageBox::Critical);
    EXPECT_EQ(IPDBManager()->IPSets()->State(), TDataSetState::dsBrowse);  // not left in editing
}

}  // namespace
