#include <gtest/gtest.h>

#include <QFileInfo>
#include <QHeaderView>
#include <QWidget>
#include <memory>

#include "common/qxError.h"
#include "controls/o_FileInfoListView.h"
#include "controls/o_FileInfoOS.h"

namespace {

const QStringList kCaptions = {"CompanyName",     "File Description", "FileName",          "File Version",
                               "Internal Name",   "Legal Copyright",  "Legal TradeMarks", "Original Filename",
                               "Product Name",    "Product Version"};

QString Self() { return QString::fromStdString(FileInfoOS::ExecutablePath()); }
QString NoVersionProgram() { return QFileInfo(Self()).absolutePath() + QStringLiteral("/" NOVERSION_PROGRAM); }

struct FileInfoListViewTest : ::testing::Test {
    QWidget parent;
    TqxFileInfoListView* view = new TqxFileInfoListView(&parent);

    QStringList Column(int column) const
    {
        QStringList out;
        for (int i = 0; i < view->topLevelItemCount(); ++i)
            out << view->topLevelItem(i)->text(column);
        return out;
    }
    QStringList OwnValues() const
    {
        return {"List Co", "List view test", Self(), "5.6.7.8", "lv", "(C) List Co", "LV", "lv.bin",
                "List Product", "5.6"};
    }
};

TEST_F(FileInfoListViewTest, OnItsParentItShowsTheTenRowsEmpty)
{
    EXPECT_EQ(view->width(), 254);
    EXPECT_EQ(view->height(), 166);
    ASSERT_EQ(view->columnCount(), 2);
    EXPECT_EQ(view->headerItem()->text(0), "Key");
    EXPECT_EQ(view->headerItem()->text(1), "Value");
    EXPECT_EQ(view->columnWidth(0), 127);
    EXPECT_EQ(view->columnWidth(1), 127);
    EXPECT_EQ(Column(0), kCaptions);
    EXPECT_EQ(Column(1), QStringList(10, QString()));
}

TEST_F(FileInfoListViewTest, FilledWhenPlacedOnAParentLater)
{
    TqxFileInfoListView loose;
    EXPECT_EQ(loose.topLevelItemCount(), 0);
    loose.setParent(&parent);
    EXPECT_EQ(loose.columnCount(), 2);
    EXPECT_EQ(Column(0), kCaptions);
}

TEST_F(FileInfoListViewTest, BlankNameShowsTheRunningProgram)
{
    view->SetFileName(QString());
    EXPECT_EQ(view->FileName(), QString());
    EXPECT_EQ(Column(0), kCaptions);
    EXPECT_EQ(Column(1), OwnValues());
}

TEST_F(FileInfoListViewTest, EachFillSplitsTheWidthAndDropsEarlierWidths)
{
    view->resize(247, 166);
    view->SetFileName(Self());
    EXPECT_EQ(view->columnWidth(0), 123);
    EXPECT_EQ(view->columnWidth(1), 123);
    view->setColumnWidth(0, 100);
    view->setColumnWidth(1, 135);
    view->SetFileName(Self());
    EXPECT_EQ(view->columnWidth(0), 123);
    EXPECT_EQ(view->columnWidth(1), 123);
    EXPECT_EQ(view->columnCount(), 2);
    EXPECT_EQ(view->topLevelItemCount(), 10);
}

TEST_F(FileInfoListViewTest, MissingFileFailsAndLeavesTheRows)
{
    view->SetFileName(Self());
    const QString missing = QFileInfo(Self()).absolutePath() + QStringLiteral("/no such file.exe");
    try {
        view->SetFileName(missing);
        FAIL() << "no error";
    } catch (const EqxError& e) {
        EXPECT_EQ(QString::fromStdString(e.Message()), missing + " file does not exist!");
    }
    EXPECT_EQ(view->FileName(), missing);
    EXPECT_EQ(Column(1), OwnValues());
    EXPECT_EQ(view->FileInfo().FileName(), Self().toStdString());
}

TEST_F(FileInfoListViewTest, FileWithoutVersionDataShowsTheEarlierValuesUnderItsName)
{
    view->SetFileName(NoVersionProgram());
    QStringList empty(10, QString());
    empty[2] = NoVersionProgram();
    EXPECT_EQ(Column(1), empty);

    view->SetFileName(Self());
    view->SetFileName(NoVersionProgram());
    QStringList kept = OwnValues();
    kept[2] = NoVersionProgram();
    EXPECT_EQ(Column(1), kept);
}

}  // namespace
