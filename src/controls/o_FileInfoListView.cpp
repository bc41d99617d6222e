#include "controls/o_FileInfoListView.h"

#include <QEvent>
#include <QHeaderView>

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
        throw EqxError(FormatS("%s file does not exist!", name));
    FFileInfo->SetFileName(name);
    FillList();
}

void TqxFileInfoListView::FillList()
{
    clear();
    setColumnCount(0);
    setHeaderLabels({QStringLiteral("Key"), QStringLiteral("Value")});
    const int half = width() / 2;
    setColumnWidth(0, half);
    setColumnWidth(1, half);

    const TqxFileInfo& info = *FFileInfo;
    const std::pair<const char*, const std::string*> rows[] = {
        {"CompanyName", &info.CompanyName()},
        {"File Description", &info.FileDescription()},
        {"FileName", &info.FileName()},
        {"File Version", &info.FileVersion()},
        {"Internal Name", &info.InternalName()},
        {"Legal Copyright", &info.LegalCopyright()},
        {"Legal TradeMarks", &info.LegalTrademarks()},
        {"Original Filename", &info.OriginalFilename()},
        {"Product Name", &info.ProductName()},
        {"Product Version", &info.ProductVersion()},
    };
    QList<QTreeWidgetItem*> items;
    for (const auto& [caption, value] : rows)
        items << new QTreeWidgetItem({QString::fromLatin1(caption), QString::fromStdString(*value)});
    addTopLevelItems(items);
}
