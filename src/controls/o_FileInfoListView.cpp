#include "controls/o_FileInfoListView.h"

#include <QEvent>
#include <QHeaderView>
#include <QStyle>
#include <algorithm>

#include "common/qxError.h"
#include "common/qxText.h"
#include "controls/o_FileInfoOS.h"

TqxFileInfoListView::TqxFileInfoListView(QWidget* parent)
    : QTreeWidget(parent), FFileInfo(std::make_unique<TqxFileInfo>())
{
    // Report style: a flat list with column titles whose widths are ours to set.
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    header()->setStretchLastSection(false);
    setColumnCount(0);
    resize(254, 166);
    if (parent)
        FillList();
}

void TqxFileInfoListView::changeEvent(QEvent* event)
{
    QTreeWidget::changeEvent(event);
    if (event->type() == QEvent::ParentChange && parentWidget())
        FillList();
}

void TqxFileInfoListView::SetFileName(const QString& value)
{
    FFileName = value;
    const std::string name = value.toStdString();
    if (!IsBlank(name) && !FileInfoOS::FileExists(name))
        throw EqxError(tr("%1 file does not exist!").arg(value).toStdString());
    FFileInfo->SetFileName(name);
    FillList();
}

int TqxFileInfoListView::TranslatedKeysWidth() const
{
    bool translated = false;
    int widest = 0;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = topLevelItem(i);
        translated = translated || item->text(0) != QString::fromLatin1(item->data(0, Qt::UserRole).toByteArray());
        widest = std::max(widest, fontMetrics().horizontalAdvance(item->text(0)));
    }
    return translated ? widest + indentation() + 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 12 : 0;
}

void TqxFileInfoListView::FillList()
{
    clear();
    setColumnCount(0);
    setHeaderLabels({tr("Key"), tr("Value")});
    const int half = width() / 2;
    setColumnWidth(0, half);
    setColumnWidth(1, half);

    const TqxFileInfo& info = *FFileInfo;
    const std::pair<const char*, const std::string*> rows[] = {
        {QT_TR_NOOP("CompanyName"), &info.CompanyName()},
        {QT_TR_NOOP("File Description"), &info.FileDescription()},
        {QT_TR_NOOP("FileName"), &info.FileName()},
        {QT_TR_NOOP("File Version"), &info.FileVersion()},
        {QT_TR_NOOP("Internal Name"), &info.InternalName()},
        {QT_TR_NOOP("Legal Copyright"), &info.LegalCopyright()},
        {QT_TR_NOOP("Legal TradeMarks"), &info.LegalTrademarks()},
        {QT_TR_NOOP("Original Filename"), &info.OriginalFilename()},
        {QT_TR_NOOP("Product Name"), &info.ProductName()},
        {QT_TR_NOOP("Product Version"), &info.ProductVersion()},
    };
    QList<QTreeWidgetItem*> items;
    for (const auto& [caption, value] : rows) {
        items << new QTreeWidgetItem({tr(caption), QString::fromStdString(*value)});
        items.back()->setData(0, Qt::UserRole, QByteArray(caption));
        // The columns keep their widths: what does not fit is shown whole on pointing at it.
        items.back()->setToolTip(0, items.back()->text(0));
        items.back()->setToolTip(1, items.back()->text(1));
    }
    addTopLevelItems(items);
}
