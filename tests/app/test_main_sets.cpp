// The main window's export and import commands and its in-effect check marks.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <memory>

#include "adapters/o_AdapterInformation.h"
#include "app/f_main.h"
#include "ipsets/o_IPSetManager.h"
#include "support/StoreBesideProgram.h"

namespace {

// Answers the modal message boxes that show up, in order, and keeps their texts.
struct BoxAnswers {
    QList<QMessageBox::StandardButton> answers;
    QStringList texts;
    QTimer timer;

    explicit BoxAnswers(QList<QMessageBox::StandardButton> list) : answers(std::move(list))
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || answers.isEmpty())
                return;
            texts << box->text();
            box->button(answers.takeFirst())->click();
        });
        timer.start();
    }
};

struct MainSetsTest : ::testing::Test {
    QTemporaryDir dir;
    std::unique_ptr<TFrmMain> window;

    void SetUp() override
    {
        ResetStoreBesideProgram();
        SqlBesideProgram("INSERT INTO Connections (CONNECTIONNAME) VALUES ('Office LAN')");
        SqlBesideProgram("INSERT INTO IPSets (IPSET_NAME, IPADDRESS, SUBNETMASK, GATEWAY, DNS, DHCP, CONNECTION) VALUES"
                         " ('Office', '10.0.0.5', '255.255.255.0', '', '', 0, 1),"
                         " ('Auto', '0.0.0.0', '0.0.0.0', '0.0.0.0', '0.0.0.0', 1, 1)");
        window = std::make_unique<TFrmMain>();
        // The trees and the tray follow once the event loop runs.
        for (int i = 0; i < 500 && window->IPSetTreeView->topLevelItemCount() < 2; ++i)
            QTest::qWait(10);
        ASSERT_EQ(window->IPSetTreeView->topLevelItemCount(), 2);
    }
    void TearDown() override { window.reset(); }
    QStringList TopNodes()
    {
        QStringList out;
        for (int i = 0; i < window->IPSetTreeView->topLevelItemCount(); ++i)
            out << window->IPSetTreeView->topLevelItem(i)->text(0);
        return out;
    }
};

TEST_F(MainSetsTest, FileMenuCarriesBothCommandsBeforeExit)
{
    QStringList captions;
    for (QAction* a : window->File1->actions())
        if (!a->isSeparator() && a->isVisible())
            captions << a->text();
    EXPECT_EQ(captions, (QStringList{"Refresh Current Configuration", "Export IP Sets...", "Import IP Sets...",
                                     "Start at Sign-in", "Exit"}));
}

TEST_F(MainSetsTest, ImportAsksAboutAConflictAndShowsWhatItDid)
{
    const QString path = dir.filePath("sets.json");
    window->ExportIPSetsTo(path);
    ASSERT_TRUE(QFile::exists(path));
    // The stored "Office" now differs from the exported one.
    SqlBesideProgram("UPDATE IPSets SET IPADDRESS = '10.0.0.6' WHERE IPSET_NAME = 'Office'");
    window->RefreshCurrentConfiguration1Click();

    BoxAnswers boxes({QMessageBox::Ignore, QMessageBox::Ok});  // keep both, then close the report
    window->ImportIPSetsFrom(path);
    ASSERT_EQ(boxes.texts.size(), 2);
    EXPECT_TRUE(boxes.texts[0].startsWith("An IP set named \"Office\" is already stored with other values."));
    EXPECT_TRUE(boxes.texts[0].contains("Stored: 10.0.0.6 / 255.255.255.0"));
    EXPECT_TRUE(boxes.texts[1].startsWith("IP sets added: 1\nIP sets replaced: 0\nIP sets already stored: 1"));
    EXPECT_EQ(TopNodes(), (QStringList{"Office", "Auto", "Office"}));
    EXPECT_EQ(window->ApplyIPSet1->actions().size(), 3);
}

TEST_F(MainSetsTest, CancellingTheQuestionImportsNothing)
{
    const QString path = dir.filePath("sets.json");
    window->ExportIPSetsTo(path);
    SqlBesideProgram("UPDATE IPSets SET IPADDRESS = '10.0.0.6' WHERE IPSET_NAME = 'Office'");
    window->RefreshCurrentConfiguration1Click();
    BoxAnswers boxes({QMessageBox::Cancel});
    window->ImportIPSetsFrom(path);
    EXPECT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(TopNodes(), (QStringList{"Office", "Auto"}));
    IPDBManager()->IPSets()->Refresh();
    ASSERT_TRUE(IPDBManager()->IPSets()->Locate("IPSET_NAME", "Office"));
    EXPECT_EQ(IPDBManager()->IPSets()->FieldByName("IPADDRESS").AsString(), "10.0.0.6");
}

TEST_F(MainSetsTest, TheTrayMenuChecksTheSetInEffect)
{
    TAdaptorRows rows(1);
    rows[0].AdapterName = "eth9";
    rows[0].DHCPEnabled = 1;
    TqxNetworkAdapterManager adapters([&](std::int32_t& count, TAdaptorRows& out) {
        out = rows;
        count = 1;
        return std::uint32_t{0};
    });
    window->IPManager()->SetAdapterManager(&adapters);
    window->IPManager()->SetConnectionMapper([](const std::vector<std::string>&) {
        return std::vector<TAdapterConnection>{{"eth9", "Office LAN"}};
    });
    window->RefreshCurrentConfiguration1Click();
    QStringList checked;
    for (QAction* a : window->ApplyIPSet1->actions()) {
        EXPECT_TRUE(a->isCheckable());
        if (a->isChecked())
            checked << a->text();
    }
    EXPECT_EQ(checked, QStringList{"Auto"});
    EXPECT_TRUE(window->IPSetTreeView->topLevelItem(1)->data(0, TqxIPSetManager::InEffectRole).toBool());
    EXPECT_FALSE(window->IPSetTreeView->topLevelItem(1)->icon(0).isNull());
    window->IPManager()->SetAdapterManager(nullptr);
}

}  // namespace
