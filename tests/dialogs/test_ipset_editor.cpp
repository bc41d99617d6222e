#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "common/qxError.h"
#include "controls/o_QXIPEdit.h"
#include "dialogs/f_IPSet.h"
#include "store/o_DatabaseConnection.h"
#include "support/AccessibleNames.h"
#include "support/CannedAdapters.h"
#include "support/ModalAnswer.h"
#include "support/TempStore.h"

// Waits until the dialog holds the activation and the focus: the offscreen platform
// hands neither back by itself when a message box closes.
bool Activate(QWidget* dialog)
{
    for (int i = 0; i < 100; ++i) {
        QTest::qWait(10);
        if (QApplication::activeWindow() == dialog && dialog->isAncestorOf(QApplication::focusWidget()))
            return true;
        dialog->activateWindow();
    }
    return false;
}

namespace {

QWidget* const kFocused = nullptr;  // key events go to the focused widget

// Runs actions on the first modal T that becomes active, from the event loop.
// A dialog the actions leave open is cancelled after a while so no test hangs.
template <class T>
void WhenModal(std::function<void(T*)> actions)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, actions] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog || !Activate(dialog))
            return;
        timer->stop();
        timer->deleteLater();
        actions(dialog);
    });
    timer->start();
    // Whatever is still modal then (the dialog, or a message box nobody answered) is closed.
    for (int i = 1; i <= 4; ++i)
        QTimer::singleShot(8000 + 200 * i, [] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "left open: " << modal->metaObject()->className();
                modal->reject();
            }
        });
    QTimer::singleShot(8000, timer, [timer] { timer->deleteLater(); });
}

QString Field(TqxTable* t, const char* name) { return t->FieldByName(QLatin1String(name)).AsString(); }

// Types an address into a control's part editors, without committing it.
void TypeAddress(TqxIPEdit* edit, const QString& text)
{
    edit->Editor(1)->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(kFocused, text);
}

struct IPSetEditorTest : ::testing::Test {
    TempStore store;
    int lan = 0;
    int wifi = 0;
    std::unique_ptr<TFrmIPSet> dialog;

    void SetUp() override
    {
        lan = store.AddConnection("LAN");
        wifi = store.AddConnection("WiFi");
        dialog = std::make_unique<TFrmIPSet>();
        dialog->SetIPSetDataSet(store.IPSets());
        dialog->SetConnectionsDataSet(store.Connections());
    }

    int Exec(std::function<void(TFrmIPSet*)> actions)
    {
        WhenModal<TFrmIPSet>(std::move(actions));
        return dialog->exec();
    }
    // The stored rows, read again from the file.
    int StoredRows()
    {
        store.IPSets()->Refresh();
        return store.IPSets()->RecordCount();
    }
    bool LocateStored(const QString& name)
    {
        store.IPSets()->Refresh();
        return store.IPSets()->Locate("IPSET_NAME", name);
    }
    int EditStored(const QString& name)
    {
        const int id = store.AddIPSet(name, "10.1.1.10", "255.255.0.0", "10.1.0.1", "10.1.0.2", false, lan);
        EXPECT_TRUE(store.IPSets()->Locate("ID", id));
        dialog->EditIPSet();
        return id;
    }
};

TEST_F(IPSetEditorTest, LaysOutLabelsFieldsAndTabOrder)
{
    EXPECT_EQ(dialog->windowTitle(), "IP Set");
    EXPECT_EQ(dialog->PageControl1->tabText(0), "IP Set");
    EXPECT_EQ(dialog->Label1->text(), "IP Set Name :");
    EXPECT_EQ(dialog->Label3->text(), "Subnet Mask:");
    EXPECT_EQ(dialog->Label4->text(), "Def.Gateway :");
    EXPECT_EQ(dialog->DHCPCheck->text(), "DHCP Enabled");
    EXPECT_EQ(dialog->edtConnection->count(), 2);
    EXPECT_EQ(dialog->edtConnection->itemText(1), "WiFi");
    EXPECT_FALSE(dialog->btnOk->autoDefault() || dialog->btnCancel->autoDefault());

    dialog->AddIPSet();
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    EXPECT_EQ(QApplication::focusWidget(), dialog->edtIPSetName);
    // Labels sit right-aligned in one column, level with their fields.
    EXPECT_EQ(dialog->Label1->geometry().right(), dialog->Label6->geometry().right());
    EXPECT_EQ(dialog->edtIPSetName->x(), dialog->edtDns->x());
    EXPECT_NEAR(dialog->Label2->geometry().center().y(), dialog->edtIPAddress->geometry().center().y(), 2);

    QList<QWidget*> chain = {dialog->edtIPSetName};
    for (TqxIPEdit* edit : {dialog->edtIPAddress, dialog->edtSubNetMask, dialog->edtDefGateway, dialog->edtDns})
        for (int tag = 1; tag <= 4; ++tag)
            chain << edit->Editor(tag);
    chain << dialog->edtConnection << dialog->DHCPCheck << dialog->btnTakeCurrent << dialog->btnOk
          << dialog->btnCancel << dialog->edtIPSetName;
    for (int i = 1; i < chain.size(); ++i) {
        QWidget* from = QApplication::focusWidget();
        // Tab from a fourth part commits: give the control something valid first.
        if (auto* part = qobject_cast<QLineEdit*>(from); part && part->property("Tag").toInt() == 4) {
            auto* edit = qobject_cast<TqxIPEdit*>(part->parentWidget());
            edit->SetIP("10.0.0.1");
        }
        QTest::keyClick(kFocused, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), chain[i]) << "step " << i;
    }
    dialog->reject();
}

TEST_F(IPSetEditorTest, AddStoresTrimmedNameTypedAddressesAndChosenConnection)
{
    dialog->AddIPSet();
    EXPECT_EQ(store.IPSets()->State(), TDataSetState::dsInsert);
    const int result = Exec([this](TFrmIPSet* d) {
        QTest::keyClicks(kFocused, "  Office ");
        // Typed but never committed by Enter: Ok takes them all the same.
        TypeAddress(d->edtIPAddress, "10.0.0.5");
        TypeAddress(d->edtSubNetMask, "255.255.255.0");
        TypeAddress(d->edtDefGateway, "10.0.0.1");
        d->edtConnection->setFocus();
        QTest::keyClick(kFocused, Qt::Key_Down);
        QTest::keyClick(kFocused, Qt::Key_Down);
        EXPECT_EQ(store.IPSets()->FieldByName("CONNECTION").AsInteger(), wifi);  // written as chosen
        QTest::mouseClick(d->btnOk, Qt::LeftButton);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(StoredRows(), 1);
    ASSERT_TRUE(LocateStored("Office"));
    TqxTable* t = store.IPSets();
    EXPECT_EQ(Field(t, "IPADDRESS"), "10.0.0.5");
    EXPECT_EQ(Field(t, "SUBNETMASK"), "255.255.255.0");
    EXPECT_EQ(Field(t, "GATEWAY"), "10.0.0.1");
    EXPECT_EQ(Field(t, "DNS"), "");  // a static set may go without a DNS server
    EXPECT_FALSE(t->FieldByName("DHCP").AsBoolean());
    EXPECT_EQ(t->FieldByName("CONNECTION").AsInteger(), wifi);
}

TEST_F(IPSetEditorTest, EditLoadsTheRowAndStoresTheChanges)
{
    const int id = EditStored("Lab");
    EXPECT_EQ(store.IPSets()->State(), TDataSetState::dsEdit);
    EXPECT_EQ(dialog->edtIPSetName->text(), "Lab");
    EXPECT_EQ(dialog->edtSubNetMask->IP(), "255.255.0.0");
    EXPECT_EQ(dialog->edtDns->Editor(4)->text(), "2");
    EXPECT_EQ(dialog->edtConnection->currentText(), "LAN");
    Exec([](TFrmIPSet* d) {
        d->edtIPSetName->selectAll();
        QTest::keyClicks(kFocused, "Lab 2");
        d->edtDefGateway->Editor(4)->setFocus();
        d->edtDefGateway->Editor(4)->selectAll();
        QTest::keyClicks(kFocused, "254");
        QTest::mouseClick(d->btnOk, Qt::LeftButton);
    });
    EXPECT_EQ(StoredRows(), 1);
    ASSERT_TRUE(store.IPSets()->Locate("ID", id));
    EXPECT_EQ(Field(store.IPSets(), "IPSET_NAME"), "Lab 2");
    EXPECT_EQ(Field(store.IPSets(), "IPADDRESS"), "10.1.1.10");
    EXPECT_EQ(Field(store.IPSets(), "GATEWAY"), "10.1.0.254");
    EXPECT_EQ(store.IPSets()->FieldByName("CONNECTION").AsInteger(), lan);
}

TEST_F(IPSetEditorTest, TakeCurrentSettingsFillsTheFieldsFromTheChosenConnectionsAdapter)
{
    TCannedAdapters canned;
    canned.Rows.resize(1);
    TAdaptorInfo& wlan = canned.Rows[0];
    wlan.AdapterName = "wlan7";
    wlan.IPAddressList = {"", "192.168.5.20", ""};
    wlan.IPMaskList = {"", "255.255.255.0", ""};
    wlan.GatewayList = {"0.0.0.0", "192.168.5.1"};
    wlan.DNSServerList = {"192.168.5.53", ""};
    canned.Manager.EnumerateNetworkAdapters();
    dialog->SetCurrentConfiguration({&canned.Manager, [](const std::vector<std::string>&) {
                                         return std::vector<TAdapterConnection>{{"wlan7", "WiFi"}};
                                     }});
    dialog->AddIPSet();
    Exec([](TFrmIPSet* d) {
        QTest::keyClicks(kFocused, "Cafe");
        TypeAddress(d->edtDns, "10.0.0.2");
        // Nothing chosen, then a connection no adapter carries: said, and nothing changes.
        QTest::mouseClick(d->btnTakeCurrent, Qt::LeftButton);
        EXPECT_EQ(d->lblCurrentSettings->text(),
                  "No connection is chosen: choose the connection whose current settings to take.");
        d->edtConnection->setFocus();
        QTest::keyClick(kFocused, Qt::Key_Down);
        QTest::mouseClick(d->btnTakeCurrent, Qt::LeftButton);
        EXPECT_EQ(d->lblCurrentSettings->text(), "No adapter carries LAN now: there are no current settings to take.");
        EXPECT_TRUE(d->edtIPAddress->PartsEmpty());
        EXPECT_EQ(d->edtDns->Editor(4)->text(), "2");
        d->edtConnection->setFocus();
        QTest::keyClick(kFocused, Qt::Key_Down);
        QTest::mouseClick(d->btnTakeCurrent, Qt::LeftButton);
        EXPECT_EQ(d->lblCurrentSettings->text(), "The current settings of WiFi were taken.");
        EXPECT_FALSE(d->DHCPCheck->isChecked());
        QTest::mouseClick(d->btnOk, Qt::LeftButton);
    });
    ASSERT_TRUE(LocateStored("Cafe"));
    TqxTable* t = store.IPSets();
    EXPECT_EQ(Field(t, "IPADDRESS"), "192.168.5.20");
    EXPECT_EQ(Field(t, "SUBNETMASK"), "255.255.255.0");
    EXPECT_EQ(Field(t, "GATEWAY"), "192.168.5.1");
    EXPECT_EQ(Field(t, "DNS"), "192.168.5.53");
    EXPECT_EQ(t->FieldByName("CONNECTION").AsInteger(), wifi);
}

TEST_F(IPSetEditorTest, DhcpSetsStoreZeroAddressesWhateverTheControlsHold)
{
    dialog->AddIPSet();
    Exec([](TFrmIPSet* d) {
        QTest::keyClicks(kFocused, "Roaming");
        TypeAddress(d->edtIPAddress, "1.2");  // incomplete, but not looked at with DHCP
        QTest::mouseClick(d->DHCPCheck, Qt::LeftButton);
        EXPECT_FALSE(d->edtIPAddress->isEnabled());
        EXPECT_FALSE(d->edtDns->isEnabled());
        EXPECT_TRUE(d->edtConnection->isEnabled());
        QTest::mouseClick(d->btnOk, Qt::LeftButton);
    });
    ASSERT_TRUE(LocateStored("Roaming"));
    for (const char* f : {"IPADDRESS", "SUBNETMASK", "GATEWAY", "DNS"})
        EXPECT_EQ(Field(store.IPSets(), f), "0.0.0.0") << f;
    EXPECT_TRUE(store.IPSets()->FieldByName("DHCP").AsBoolean());
}

TEST_F(IPSetEditorTest, OpeningADhcpSetDisablesTheAddressesUntilUnchecked)
{
    const int id = store.AddIPSet("Home", "192.168.1.20", "255.255.255.0", "192.168.1.1", "", true, lan);
    ASSERT_TRUE(store.IPSets()->Locate("ID", id));
    dialog->EditIPSet();
    EXPECT_TRUE(dialog->DHCPCheck->isChecked());
    for (TqxIPEdit* e : {dialog->edtIPAddress, dialog->edtSubNetMask, dialog->edtDefGateway, dialog->edtDns})
        EXPECT_FALSE(e->isEnabled());
    EXPECT_EQ(dialog->edtIPAddress->IP(), "192.168.1.20");
    Exec([](TFrmIPSet* d) {
        QTest::mouseClick(d->DHCPCheck, Qt::LeftButton);
        EXPECT_TRUE(d->edtIPAddress->isEnabled());
        EXPECT_TRUE(d->edtDns->isEnabled());
        QTest::mouseClick(d->btnOk, Qt::LeftButton);
    });
    ASSERT_TRUE(LocateStored("Home"));
    EXPECT_EQ(Field(store.IPSets(), "IPADDRESS"), "192.168.1.20");
    EXPECT_EQ(Field(store.IPSets(), "GATEWAY"), "192.168.1.1");
    EXPECT_EQ(Field(store.IPSets(), "DNS"), "");
    EXPECT_FALSE(store.IPSets()->FieldByName("DHCP").AsBoolean());
}

TEST_F(IPSetEditorTest, CancelEscapeAndTheTitleBarDropThePendingChange)
{
    const int id = EditStored("Lab");
    Exec([](TFrmIPSet* d) {
        d->edtConnection->setFocus();
        QTest::keyClick(kFocused, Qt::Key_Down);
        QTest::keyClicks(d->edtIPSetName, "changed");
        QTest::mouseClick(d->btnCancel, Qt::LeftButton);
    });
    EXPECT_EQ(store.IPSets()->State(), TDataSetState::dsBrowse);
    store.IPSets()->Refresh();
    ASSERT_TRUE(store.IPSets()->Locate("ID", id));
    EXPECT_EQ(store.IPSets()->FieldByName("CONNECTION").AsInteger(), lan);
    EXPECT_EQ(Field(store.IPSets(), "IPSET_NAME"), "Lab");

    // A new set with a connection chosen, left by Escape or by the title bar: nothing is stored,
    // not even by the refresh that follows the dialog.
    for (bool escape : {true, false}) {
        dialog = std::make_unique<TFrmIPSet>();
        dialog->SetIPSetDataSet(store.IPSets());
        dialog->SetConnectionsDataSet(store.Connections());
        dialog->AddIPSet();
        Exec([escape](TFrmIPSet* d) {
            d->edtConnection->setFocus();
            QTest::keyClick(kFocused, Qt::Key_Down);
            if (escape)
                QTest::keyClick(kFocused, Qt::Key_Escape);
            else
                d->close();
        });
        EXPECT_EQ(store.IPSets()->State(), TDataSetState::dsBrowse);
        EXPECT_EQ(StoredRows(), 1) << (escape ? "Escape" : "title bar");
    }
}

TEST_F(IPSetEditorTest, AnEmptyOrBlankNameKeepsTheDialogOpenAndStoresNothing)
{
    dialog->AddIPSet();
    Exec([this](TFrmIPSet* d) {
        TypeAddress(d->edtIPAddress, "10.0.0.5");
        d->edtConnection->setFocus();
        QTest::keyClick(kFocused, Qt::Key_Down);
        for (const char* name : {"", "   "}) {
            d->edtIPSetName->setText(QLatin1String(name));
            ModalAnswer answer;
            answer.Arm(QMessageBox::Ok);
            QTest::mouseClick(d->btnOk, Qt::LeftButton);
            EXPECT_EQ(answer.shown, 1);
            EXPECT_TRUE(Activate(d));
            EXPECT_EQ(answer.text, "Empty IP Set Name !! ");
            EXPECT_TRUE(d->isVisible());
            EXPECT_EQ(store.IPSets()->State(), TDataSetState::dsInsert);
        }
        // Everything typed is still there, and can now be saved.
        EXPECT_EQ(d->edtIPAddress->Editor(4)->text(), "5");
        EXPECT_EQ(d->edtConnection->currentText(), "LAN");
        d->edtIPSetName->setText("Named");
        TypeAddress(d->edtSubNetMask, "255.0.0.0");
        QTest::mouseClick(d->btnOk, Qt::LeftButton);
    });
    EXPECT_EQ(StoredRows(), 1);
    ASSERT_TRUE(LocateStored("Named"));
    EXPECT_EQ(Field(store.IPSets(), "IPADDRESS"), "10.0.0.5");
    EXPECT_EQ(store.IPSets()->FieldByName("CONNECTION").AsInteger(), lan);
}

// The name rules import and the connection list share: blanks of any kind are blank,
// and a control character would show the name otherwise in the tree, --apply and an export.
TEST_F(IPSetEditorTest, UnicodeBlanksAreBlankAndControlCharactersAreRefused)
{
    dialog->AddIPSet();
    Exec([this](TFrmIPSet* d) {
        d->DHCPCheck->setChecked(true);
        const std::pair<QString, QString> cases[] = {
            {QString::fromUtf8("\xE3\x80\x80"), "Empty IP Set Name !! "},
            {QString::fromUtf8(" \xE2\x80\x8B\xE3\x80\x80\xE2\x81\xA0"), "Empty IP Set Name !! "},
            {QStringLiteral("Off\x01ice"), "The IP set name contains a control character."},
        };
        for (const auto& [name, message] : cases) {
            d->edtIPSetName->setText(name);
            ModalAnswer answer;
            answer.Arm(QMessageBox::Ok);
            QTest::mouseClick(d->btnOk, Qt::LeftButton);
            EXPECT_TRUE(Activate(d));
            EXPECT_EQ(answer.text, message);
            EXPECT_EQ(QApplication::focusWidget(), d->edtIPSetName);
            EXPECT_EQ(store.IPSets()->State(), TDataSetState::dsInsert);
        }
        d->edtIPSetName->setText(QString::fromUtf8("\xE3\x80\x80Office\xC2\xA0"));
        QTest::mouseClick(d->btnOk, Qt::LeftButton);
    });
    ASSERT_EQ(StoredRows(), 1);
    EXPECT_TRUE(LocateStored("Office"));
}

TEST_F(IPSetEditorTest, AddressesThatCannotBeAppliedAreRefused)
{
    struct Case {
        const char* ip;
        const char* mask;
        const char* gateway;
        const char* message;
        const char* focusedControl;
        const char* dns = "";
    };
    const Case cases[] = {
        {"1.2.3", "255.0.0.0", "", "IP Address 1.2.3. is invalid!", "edtIPAddress"},
        {"10.0.0.5", "255.0.255.0", "", "Subnet Mask 255.0.255.0 is invalid!", "edtSubNetMask"},
        {"10.0.0.5", "255.0.0.0", "10.0.0.300", "IP Address 10.0.0.300 is invalid!", "edtDefGateway"},
        {"", "255.0.0.0", "", "A static IP Set needs an IP Address!", "edtIPAddress"},
        {"10.0.0.5", "", "", "A static IP Set needs a Subnet Mask!", "edtSubNetMask"},
        // What netsh would refuse (the rules themselves: test_ipv4_rules) is refused at its field.
        {"10.0.0.5", "0.0.0.0", "", "Subnet Mask 0.0.0.0 is invalid!", "edtSubNetMask"},
        {"0.0.0.0", "255.0.0.0", "", "Address 0.0.0.0 cannot be given to a host with mask 255.0.0.0.",
         "edtIPAddress"},
        {"10.0.0.5", "255.255.255.0", "10.0.1.1", "Gateway 10.0.1.1 is outside the subnet of 10.0.0.5/24.",
         "edtDefGateway"},
        {"10.0.0.5", "255.255.255.0", "10.0.0.1", "Invalid DNS server \"0.0.0.0\"", "edtDns", "0.0.0.0"},
    };
    dialog->AddIPSet();
    Exec([&cases](TFrmIPSet* d) {
        d->edtIPSetName->setText("Broken");
        for (const Case& c : cases) {
            SCOPED_TRACE(c.message);
            for (TqxIPEdit* e : {d->edtIPAddress, d->edtSubNetMask, d->edtDefGateway, d->edtDns})
                for (int tag = 1; tag <= 4; ++tag)
                    e->Editor(tag)->clear();
            TypeAddress(d->edtIPAddress, c.ip);
            TypeAddress(d->edtSubNetMask, c.mask);
            TypeAddress(d->edtDefGateway, c.gateway);
            TypeAddress(d->edtDns, c.dns);
            ModalAnswer answer;
            answer.Arm(QMessageBox::Ok);
            QTest::mouseClick(d->btnOk, Qt::LeftButton);
            QTest::qWait(30);  // a failure reported twice would show up by now
            EXPECT_EQ(answer.shown, 1);
            EXPECT_TRUE(Activate(d));
            EXPECT_EQ(answer.text, c.message);
            EXPECT_EQ(QApplication::focusWidget()->parentWidget()->objectName(), c.focusedControl);
            EXPECT_TRUE(d->isVisible());
        }
        d->reject();
    });
    EXPECT_EQ(StoredRows(), 0);
}

TEST_F(IPSetEditorTest, ARejectedCommitIsNotStoredByOk)
{
    dialog->AddIPSet();
    Exec([](TFrmIPSet* d) {
        d->edtIPSetName->setText("Half");
        TypeAddress(d->edtIPAddress, "10.0.0.5");
        TypeAddress(d->edtSubNetMask, "255.0.0.0");
        TypeAddress(d->edtDns, "1.2.3");
        ModalAnswer enter;
        enter.Arm(QMessageBox::Ok);
        QTest::keyClick(kFocused, Qt::Key_Return);
        EXPECT_TRUE(QTest::qWaitFor([&] { return enter.shown > 0; }, 3000));
        EXPECT_EQ(d->edtDns->IP(), "1.2.3.");
        EXPECT_TRUE(Activate(d));
        ModalAnswer ok;
        ok.Arm(QMessageBox::Ok);
        QTest::mouseClick(d->btnOk, Qt::LeftButton);
        EXPECT_EQ(ok.text, "IP Address 1.2.3. is invalid!");
        EXPECT_TRUE(d->isVisible());
        d->reject();
    });
    EXPECT_EQ(StoredRows(), 0);
}

TEST_F(IPSetEditorTest, DeleteKeyClearsTheConnection)
{
    const int id = EditStored("Lab");
    Exec([](TFrmIPSet* d) {
        d->edtConnection->setFocus();
        QTest::keyClick(kFocused, Qt::Key_Delete);
        EXPECT_EQ(d->edtConnection->currentIndex(), -1);
        QTest::mouseClick(d->btnOk, Qt::LeftButton);
    });
    store.IPSets()->Refresh();
    ASSERT_TRUE(store.IPSets()->Locate("ID", id));
    EXPECT_TRUE(store.IPSets()->FieldByName("CONNECTION").IsNull());
}

}  // namespace

namespace {

TEST_F(IPSetEditorTest, LabelsLeadToTheirFieldsAndEveryFieldHasAName)
{
    const QList<QPair<QLabel*, QWidget*>> pairs = {
        {dialog->Label1, dialog->edtIPSetName}, {dialog->Label2, dialog->edtIPAddress},
        {dialog->Label3, dialog->edtSubNetMask}, {dialog->Label4, dialog->edtDefGateway},
        {dialog->Label5, dialog->edtDns},       {dialog->Label6, dialog->edtConnection}};
    for (const auto& [label, field] : pairs)
        EXPECT_EQ(label->buddy(), field) << label->text().toStdString();
    const auto name = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    EXPECT_EQ(name(dialog->edtIPAddress->Editor(1)), "IP Address, part 1 of 4");
    EXPECT_EQ(name(dialog->edtDefGateway->Editor(4)), "Default Gateway, part 4 of 4");
    EXPECT_EQ(name(dialog->edtDns), "DNS Server");
    EXPECT_EQ(FocusableWithoutName(dialog.get()), QStringList());
    EXPECT_TRUE(dialog->btnOk->isDefault());
}

TEST_F(IPSetEditorTest, EnterInTheNameFieldSavesButInAnAddressOnlyCommitsIt)
{
    dialog->AddIPSet();
    Exec([](TFrmIPSet* d) {
        d->edtIPSetName->setText("Quick");
        TypeAddress(d->edtDns, "10.0.0.2");
        QTest::keyClick(kFocused, Qt::Key_Return);
        EXPECT_EQ(d->edtDns->IP(), "10.0.0.2");
        EXPECT_TRUE(d->isVisible());
        d->DHCPCheck->setChecked(true);
        d->edtIPSetName->setFocus();
        QTest::keyClick(kFocused, Qt::Key_Return);
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_TRUE(LocateStored("Quick"));
}

}  // namespace

namespace {

// What the file holds for a set, byte for byte, and how many updates it has seen.
struct StoredBytes {
    QString typesAndHex;
    int updates = 0;
};

StoredBytes ReadStored(TempStore& store, int id)
{
    QSqlQuery q(QSqlDatabase::database(store.manager.ConnectionName()));
    StoredBytes out;
    q.exec(QStringLiteral("SELECT typeof(IPSET_NAME) || hex(IPSET_NAME) || IPADDRESS || SUBNETMASK || GATEWAY || "
                          "DNS || DHCP || CONNECTION FROM IPSets WHERE ID=%1").arg(id));
    if (q.next())
        out.typesAndHex = q.value(0).toString();
    q.exec(QStringLiteral("SELECT count(*) FROM updates"));
    if (q.next())
        out.updates = q.value(0).toInt();
    return out;
}

}  // namespace

TEST_F(IPSetEditorTest, OkWritesOnlyWhatTheUserChanged)
{
    store.Exec({"CREATE TABLE updates (ID INTEGER)",
                "CREATE TRIGGER counted AFTER UPDATE ON IPSets BEGIN INSERT INTO updates VALUES (NEW.ID); END"});
    // Names the fields cannot hold exactly: longer than the name field takes, bytes that are no text.
    const QString longName(40000, QLatin1Char('n'));
    const int id = store.AddIPSet(longName, "10.1.1.10", "255.255.0.0", "10.1.0.1", "10.1.0.2", false, lan);
    const int blob = store.AddIPSet("blob", "10.1.1.11", "255.255.0.0", "10.1.0.1", "10.1.0.2", false, lan);
    store.Exec(QStringLiteral("UPDATE IPSets SET IPSET_NAME = X'4F6666FF6963' WHERE ID=%1").arg(blob));
    store.Exec("DELETE FROM updates");

    for (const int row : {id, blob}) {
        SCOPED_TRACE(row);
        store.IPSets()->Refresh();
        ASSERT_TRUE(store.IPSets()->Locate("ID", row));
        const StoredBytes before = ReadStored(store, row);
        dialog->EditIPSet();
        Exec([](TFrmIPSet* d) { QTest::mouseClick(d->btnOk, Qt::LeftButton); });
        const StoredBytes untouched = ReadStored(store, row);
        EXPECT_EQ(untouched.typesAndHex, before.typesAndHex);
        EXPECT_EQ(untouched.updates, 0);

        // A changed DNS server is all that is written.
        ASSERT_TRUE(store.IPSets()->Locate("ID", row));
        dialog->EditIPSet();
        Exec([](TFrmIPSet* d) {
            d->edtDns->Editor(4)->setFocus();
            d->edtDns->Editor(4)->selectAll();
            QTest::keyClicks(kFocused, "9");
            QTest::mouseClick(d->btnOk, Qt::LeftButton);
        });
        const StoredBytes changed = ReadStored(store, row);
        EXPECT_EQ(changed.updates, 1);
        EXPECT_EQ(changed.typesAndHex, QString(before.typesAndHex).replace("10.1.0.2", "10.1.0.9"));
        store.Exec("DELETE FROM updates");
    }
}

TEST_F(IPSetEditorTest, ASetWithAnUnreadableValueIsNotOpenedButAddingStillWorks)
{
    const int odd = store.AddIPSet("Odd", "", "", "", "", true, lan);
    const int text = store.AddIPSet("Text", "", "", "", "", true, lan);
    store.Exec({QStringLiteral("UPDATE IPSets SET DHCP='yes' WHERE ID=%1").arg(odd),
                QStringLiteral("UPDATE IPSets SET CONNECTION='abc' WHERE ID=%1").arg(text)});
    store.IPSets()->Refresh();
    const std::pair<int, std::string> cases[] = {
        {odd, "The IP set \"Odd\" cannot be edited: its DHCP value cannot be read"},
        {text, "The IP set \"Text\" cannot be edited: its CONNECTION value cannot be read"}};
    for (const auto& [id, message] : cases) {
        // The dialog follows the table's current row: an unreadable connection shows as none.
        ASSERT_TRUE(store.IPSets()->Locate("ID", id));
        EXPECT_EQ(dialog->edtConnection->currentIndex(), id == text ? -1 : 0);
        try {
            dialog->EditIPSet();
            ADD_FAILURE() << "opened " << id;
        } catch (const EqxError& e) {
            EXPECT_EQ(e.Message(), message);
        }
        EXPECT_EQ(store.IPSets()->State(), TDataSetState::dsBrowse);
    }
    // A connection whose ID is beyond 32 bits is no choice: cut down, it would be "LAN".
    store.Exec("INSERT INTO Connections (ID, CONNECTIONNAME) VALUES (4294967297, 'Far')");
    store.Connections()->Refresh();
    EXPECT_EQ(dialog->edtConnection->findText("Far"), -1);
    EXPECT_EQ(dialog->edtConnection->count(), 2);
    dialog->AddIPSet();
    Exec([](TFrmIPSet* d) {
        QTest::keyClicks(d->edtIPSetName, "New");
        d->DHCPCheck->setChecked(true);
        QTest::mouseClick(d->btnOk, Qt::LeftButton);
    });
    EXPECT_TRUE(LocateStored("New"));
}
