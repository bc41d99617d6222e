#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <functional>

#include "controls/o_FileInfoListView.h"
#include "controls/o_FileInfoOS.h"
#include "controls/o_LinkLabel.h"
#include "dialogs/f_About.h"

namespace {

struct AboutTest : ::testing::Test {
    QStringList opened;
    TqxLinkOpener previous;

    void SetUp() override
    {
        previous = SetLinkOpener([this](const QUrl& url) { opened << url.toString(); });
    }
    void TearDown() override { SetLinkOpener(previous); }

    // Runs ShowAboutBox; look() sees the shown box, then it is closed with "Ok".
    bool ShowAndLook(const std::function<void(TFrmAbout*)>& look)
    {
        bool seen = false;
        QTimer::singleShot(50, [&] {
            auto* box = qobject_cast<TFrmAbout*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = true;
            EXPECT_EQ(box, FrmAbout.data());
            look(box);
            box->btnOk->click();
        });
        QTimer::singleShot(3000, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        ShowAboutBox();
        return seen;
    }
};

QStringList Values(const TqxFileInfoListView* view)
{
    QStringList out;
    for (int i = 0; i < view->topLevelItemCount(); ++i)
        out << view->topLevelItem(i)->text(1);
    return out;
}

TEST_F(AboutTest, ShowsTheProgramsOwnVersionValuesEachTime)
{
    const QString self = QString::fromStdString(FileInfoOS::ExecutablePath());
    const QStringList expected = {"Quorvex", "Netvane IP set switcher", self, NETVANE_PROJECT_VERSION ".0",
                                  "netvane", "Copyright (C) 2026 Quorvex", "Netvane is a trademark of Quorvex",
                                  "netvane" NETVANE_EXECUTABLE_SUFFIX, "Netvane", NETVANE_PROJECT_VERSION};
    for (int round = 0; round < 2; ++round) {
        const bool seen = ShowAndLook([&](TFrmAbout* box) {
            const TqxFileInfoListView* list = box->qxFileInfoListView1;
            EXPECT_EQ(list->FileName(), self);
            EXPECT_EQ(Values(list), expected);
            EXPECT_EQ(list->FileInfo().Comments(), NETVANE_DESCRIPTION);
            EXPECT_EQ(list->columnWidth(0), 100);
            EXPECT_EQ(list->columnWidth(1), 135);
            EXPECT_EQ(list->width(), 247);
        });
        EXPECT_TRUE(seen) << "round " << round;
        EXPECT_EQ(FrmAbout.data(), nullptr);
    }
}

TEST_F(AboutTest, LaysOutTheBannerTextAndLink)
{
    const bool seen = ShowAndLook([&](TFrmAbout* box) {
        EXPECT_EQ(box->windowTitle(), "Quorvex - About...");
        EXPECT_FALSE(box->windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_EQ(box->size(), QSize(472, 454));
        const QStringList lines = box->InfoMemo->toPlainText().split('\n');
        ASSERT_EQ(lines.size(), 14);
        EXPECT_EQ(lines[0], "Netvane Ver 2");
        EXPECT_EQ(lines[4], "Netvane is an application which manage ip ");
        EXPECT_EQ(lines[6], "network ");
        EXPECT_EQ(lines[10], "It can save ip sets and apply them with ease.");
        EXPECT_TRUE(lines[13].contains("C++") && lines[13].contains("Qt")) << lines[13].toStdString();
        EXPECT_FALSE(box->InfoMemo->isEnabled());
        EXPECT_EQ(box->qxLinkLabel1->text(), "www.quorvex.example");
        EXPECT_EQ(box->qxLinkLabel1->URL(), MakerURL());
        EXPECT_EQ(box->qxLinkLabel1->LinkType(), ltURL);
        EXPECT_TRUE(box->qxLinkLabel1->font().underline());

        // The banner: the maker's picture, drawn (not blank), 422 x 87.
        const QImage banner = box->Image1->pixmap().toImage();
        EXPECT_EQ(banner.size(), QSize(422, 87));
        EXPECT_NE(banner.pixel(5, 5), banner.pixel(200, 45));
        EXPECT_EQ(box->Image1->cursor().shape(), Qt::PointingHandCursor);

        QTest::mouseClick(box->Image1, Qt::LeftButton);
        QTest::mouseClick(box->qxLinkLabel1, Qt::LeftButton);
    });
    ASSERT_TRUE(seen);
    EXPECT_EQ(opened, QStringList({MakerURL(), MakerURL()}));
    EXPECT_EQ(MakerURL(), "https://www.quorvex.example/");
}

TEST_F(AboutTest, StartUpWindowStaysHiddenAndShowingMakesAFreshOne)
{
    CreateAboutWindow();
    QPointer<TFrmAbout> startup = FrmAbout;
    ASSERT_TRUE(startup);
    EXPECT_FALSE(startup->isVisible());
    const bool seen = ShowAndLook([&](TFrmAbout* box) { EXPECT_NE(box, startup.data()); });
    EXPECT_TRUE(seen);
    EXPECT_EQ(FrmAbout.data(), nullptr);
    EXPECT_TRUE(startup);  // still there, hidden, until the program ends
    EXPECT_FALSE(startup->isVisible());
    delete startup.data();
}

}  // namespace
