#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "controls/o_LinkLabel.h"

namespace {

// Records what would have been handed to the desktop, and when.
struct LinkLabelTest : ::testing::Test {
    QStringList log;
    TqxLinkOpener previous;
    QWidget window;
    TqxLinkLabel* label = new TqxLinkLabel(&window);

    void SetUp() override
    {
        previous = SetLinkOpener([this](const QUrl& url) { log << "open " + url.toString(); });
        QObject::connect(label, &TqxLinkLabel::clicked, [this] { log << "clicked"; });
        label->setText("www.quorvex.example");
        label->resize(150, 20);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override { SetLinkOpener(previous); }
};

TEST_F(LinkLabelTest, LooksLikeALink)
{
    TqxLinkLabel fresh;
    EXPECT_EQ(fresh.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(fresh.font().underline());
    EXPECT_EQ(fresh.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(fresh.LinkType(), ltURL);
    EXPECT_EQ(fresh.URL(), "");
    EXPECT_EQ(fresh.MailAddress(), "");
}

TEST_F(LinkLabelTest, ClickRunsTheHandlerThenOpensTheAddress)
{
    label->SetURL("https://www.quorvex.example/");
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(log, QStringList({"clicked", "open https://www.quorvex.example/"}));
}

TEST_F(LinkLabelTest, MailLinkGoesToTheMailHandler)
{
    label->SetLinkType(ltMailAddress);
    label->SetMailAddress("someone@quorvex.example");
    label->SetURL("https://ignored.example/");
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(log, QStringList({"clicked", "open mailto:someone@quorvex.example"}));
}

TEST_F(LinkLabelTest, OnlyAFullLeftClickOnTheLabelOpens)
{
    label->SetURL("https://www.quorvex.example/");
    QTest::mouseClick(label, Qt::RightButton);
    QTest::mousePress(label, Qt::LeftButton);
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(400, 300));  // let go elsewhere
    EXPECT_TRUE(log.isEmpty()) << log.join(", ").toStdString();
}

TEST(LinkAddress, TakesAddressesAsTheShellDoes)
{
    EXPECT_EQ(LinkAddress("https://www.quorvex.example/a b").toString(), "https://www.quorvex.example/a b");
    EXPECT_EQ(LinkAddress("www.quorvex.example").toString(), "http://www.quorvex.example");
    EXPECT_EQ(LinkAddress("/tmp/readme.txt"), QUrl::fromLocalFile("/tmp/readme.txt"));
    EXPECT_TRUE(LinkAddress("").isEmpty());
}

}  // namespace
