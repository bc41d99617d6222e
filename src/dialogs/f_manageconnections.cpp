#include "dialogs/f_manageconnections.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/qxApplication.h"
#include "controls/IPSetRules.h"
#include "store/o_DatabaseConnection.h"

// ---- TqxTableModel ----------------------------------------------------------

TqxTableModel::TqxTableModel(const QString& fieldName, const QString& title, QObject* parent)
    : QAbstractTableModel(parent), FFieldName(fieldName), FTitle(title)
{
}

void TqxTableModel::SetDataSet(TqxTable* table)
{
    if (table == FDataSet)
        return;
    beginResetModel();
    if (FDataSet)
        disconnect(FDataSet, nullptr, this, nullptr);
    FDataSet = table;
    FTouched = false;
    if (table) {
        // Changes made elsewhere (a refresh, another view) rebuild the grid.
        connect(table, &TqxTable::DataChanged, this, &TqxTableModel::TableChanged);
        connect(table, &TqxTable::StateChanged, this, &TqxTableModel::TableChanged);
        connect(table, &TqxTable::CurrentChanged, this, &TqxTableModel::IndicatorChanged);
        connect(table, &QObject::destroyed, this, [this] {
            beginResetModel();
            endResetModel();
        });
    }
    endResetModel();
}

void TqxTableModel::TableChanged()
{
    if (FOwnChange)
        return;
    beginResetModel();
    if (!Inserting())
        FTouched = false;
    endResetModel();
}

void TqxTableModel::IndicatorChanged()
{
    if (FOwnChange)
        return;  // told once the own change is complete
    if (const int rows = rowCount(); rows > 0)
        emit headerDataChanged(Qt::Vertical, 0, rows - 1);
}

bool TqxTableModel::Inserting() const { return FDataSet && FDataSet->State() == TDataSetState::dsInsert; }

int TqxTableModel::CurrentRow() const
{
    if (!FDataSet)
        return -1;
    return Inserting() ? FDataSet->RecordCount() : FDataSet->RecNo();
}

int TqxTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !FDataSet || !FDataSet->Active())
        return 0;
    return FDataSet->RecordCount() + (Inserting() ? 1 : 0);
}

int TqxTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 1; }

QVariant TqxTableModel::data(const QModelIndex& index, int role) const
{
    if (!FDataSet || !index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    const int field = FDataSet->FieldIndex(FFieldName);
    if (field < 0)
        return QVariant();
    if (index.row() < FDataSet->RecordCount())
        return FDataSet->StoredValue(index.row(), field).toString();
    return FDataSet->CurrentValue(field).toString();  // the pending new row
}

Qt::ItemFlags TqxTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    // Only the pending new row takes typing: stored rows never switch into editing by themselves.
    if (index.isValid() && Inserting() && index.row() == FDataSet->RecordCount())
        f |= Qt::ItemIsEditable;
    return f;
}

template <class F>
void TqxTableModel::OwnChange(F&& change)
{
    ++FOwnChange;
    try {
        change();
    } catch (...) {
        --FOwnChange;
        TableChanged();  // show the table as the failed change left it
        throw;
    }
    --FOwnChange;
}

template <class F>
void TqxTableModel::RemoveRow(int row, F&& change)
{
    OwnChange([&] {
        beginRemoveRows(QModelIndex(), row, row);
        try {
            change();
        } catch (...) {
            endRemoveRows();
            throw;
        }
        endRemoveRows();
    });
}

bool TqxTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    // An editor closed without typing hands back what it showed: that leaves the row untouched.
    if (value.toString() == data(index, Qt::EditRole).toString())
        return false;
    if (const QString why = FCheck ? FCheck(value.toString()) : QString(); !why.isEmpty()) {
        emit ValueRefused(why);
        return false;
    }
    OwnChange([&] { FDataSet->FieldByName(FFieldName).SetAsString(value.toString()); });
    FTouched = true;
    emit dataChanged(index, index);
    return true;
}

QVariant TqxTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section == 0 ? QVariant(FTitle) : QVariant();
    // The row indicator: the current row, and the new row while it is pending.
    if (section != CurrentRow())
        return QString();
    return Inserting() ? QStringLiteral("*") : QStringLiteral("\u25B6");
}

void TqxTableModel::EndPending()
{
    if (!Inserting())
        return;
    const int row = FDataSet->RecordCount();
    if (FTouched) {
        OwnChange([&] { FDataSet->Post(); });  // saved: it stays where it was shown, at the end
        emit dataChanged(index(row, 0), index(row, 0));
    } else {
        RemoveRow(row, [&] { FDataSet->Cancel(); });
    }
    FTouched = false;
}

void TqxTableModel::MoveTo(int row)
{
    if (!FDataSet || row == CurrentRow())
        return;
    EndPending();
    if (row < FDataSet->RecordCount())
        FDataSet->MoveTo(row);
    IndicatorChanged();
}

void TqxTableModel::Append()
{
    if (!FDataSet || (Inserting() && !FTouched))
        return;
    EndPending();
    const int row = FDataSet->RecordCount();
    OwnChange([&] {
        beginInsertRows(QModelIndex(), row, row);
        try {
            FDataSet->Insert();
        } catch (...) {
            endInsertRows();
            throw;
        }
        endInsertRows();
    });
    FTouched = false;
    IndicatorChanged();
}

void TqxTableModel::DropUntouched()
{
    if (Inserting() && !FTouched)
        EndPending();
}

void TqxTableModel::DeleteCurrent()
{
    if (!FDataSet)
        return;
    if (Inserting()) {
        RemoveRow(FDataSet->RecordCount(), [&] { FDataSet->Cancel(); });  // never saved: just dropped
        FTouched = false;
    } else if (const int row = FDataSet->RecNo(); row >= 0) {
        RemoveRow(row, [&] { FDataSet->Delete(); });
    }
    IndicatorChanged();
}

// ---- TqxDBGrid --------------------------------------------------------------

TqxDBGrid::TqxDBGrid(QWidget* parent) : QTableView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::DoubleClicked);
    setTabKeyNavigation(true);
    setShowGrid(true);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    connect(qApp, &QApplication::focusChanged, this, &TqxDBGrid::FocusChanged);
}

TqxTableModel* TqxDBGrid::DataSource() const { return qobject_cast<TqxTableModel*>(model()); }

void TqxDBGrid::FollowTable()
{
    TqxTableModel* source = DataSource();
    if (!source)
        return;
    const int row = source->CurrentRow();
    FFollowing = true;
    if (row >= 0 && row < source->rowCount())
        setCurrentIndex(source->index(row, 0));
    FFollowing = false;
}

void TqxDBGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    // The base first: it hands what was typed in an open editor to the row being left.
    QTableView::currentChanged(current, previous);
    TqxTableModel* source = DataSource();
    // While the model adds or removes a row the view moves its cursor by itself; the
    // table's own current row is what counts then, and FollowTable shows it afterwards.
    if (FFollowing || !source || source->Changing() || !current.isValid() || current.row() == source->CurrentRow())
        return;
    RunCommand([&] { source->MoveTo(current.row()); });
    // A dropped new row, or a row that failed to save, moves the cursor: show where the table is.
    QTimer::singleShot(0, this, &TqxDBGrid::FollowTable);
}

void TqxDBGrid::CommitOpenEditor()
{
    QWidget* editor = QApplication::focusWidget();
    if (editor && editor != this && isAncestorOf(editor)) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TqxDBGrid::StartNewRow()
{
    TqxTableModel* source = DataSource();
    CommitOpenEditor();
    RunCommand([&] { source->Append(); });
    FollowTable();
}

void TqxDBGrid::ConfirmDelete()
{
    TqxTableModel* source = DataSource();
    if (source->rowCount() == 0)
        return;
    CommitOpenEditor();
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("TFrmManageConnections", "Confirm"), QCoreApplication::translate("TFrmManageConnections", "Delete record?"),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Ok);
    if (box.exec() != QMessageBox::Ok)
        return;
    RunCommand([&] { source->DeleteCurrent(); });
    FollowTable();
}

void TqxDBGrid::keyPressEvent(QKeyEvent* event)
{
    TqxTableModel* source = DataSource();
    if (!source || !source->DataSet()) {
        QTableView::keyPressEvent(event);
        return;
    }
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Delete && mods == Qt::ControlModifier) {
        ConfirmDelete();
        return;
    }
    if (event->key() == Qt::Key_Insert && mods == Qt::NoModifier) {
        StartNewRow();
        return;
    }
    const bool onLastRow = currentIndex().row() == source->rowCount() - 1 || source->rowCount() == 0;
    if (event->key() == Qt::Key_Down && mods == Qt::NoModifier && onLastRow) {
        // Past the last row a new one starts; from an untouched new row there is nowhere to go.
        CommitOpenEditor();
        if (source->Inserting() && !source->Touched())
            return;
        RunCommand([&] { source->Append(); });
        FollowTable();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TqxDBGrid::FocusChanged(QWidget* old, QWidget* now)
{
    const bool wasInside = old && (old == this || isAncestorOf(old));
    const bool isInside = now && (now == this || isAncestorOf(now));
    if (!wasInside || isInside)
        return;
    // Left for good: after the editor has handed over what was typed, drop an untouched new row.
    QTimer::singleShot(0, this, [this] {
        QWidget* focus = QApplication::focusWidget();
        if (focus && (focus == this || isAncestorOf(focus)))
            return;
        if (TqxTableModel* source = DataSource()) {
            RunCommand([&] { source->DropUntouched(); });
            FollowTable();
        }
    });
}

// ---- TFrmManageConnections --------------------------------------------------

TFrmManageConnections::TFrmManageConnections(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("FrmManageConnections"));
    setWindowTitle(QCoreApplication::translate("TFrmManageConnections", "Connection Name List"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    resize(395, 364);

    auto* notePanel = new QFrame(this);
    notePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    notePanel->setFixedHeight(41);
    NoteMemo = new QTextEdit(notePanel);
    NoteMemo->setObjectName(QStringLiteral("NoteMemo"));
    NoteMemo->setReadOnly(true);
    NoteMemo->setFrameStyle(QFrame::NoFrame);
    NoteMemo->setFocusPolicy(Qt::NoFocus);
    NoteMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    NoteMemo->viewport()->setAutoFillBackground(false);
    const char* const note = QT_TRANSLATE_NOOP("TFrmManageConnections",
                                               "This is a list of network connection names as shown in \n"
                                               "Control Panel - >Network Connections.");
    const QString shownNote = QCoreApplication::translate("TFrmManageConnections", note);
    NoteMemo->setPlainText(shownNote);
    NoteMemo->selectAll();
    NoteMemo->setAlignment(Qt::AlignCenter);
    NoteMemo->moveCursor(QTextCursor::Start);
    // A translated note keeps its two lines: the box grows as wide as the longer needs. The
    // English box keeps its own size (fonts measured before the first show vary by platform).
    if (shownNote != QLatin1String(note)) {
        int noteWidth = 0;
        for (const QString& line : shownNote.split(QLatin1Char('\n')))
            noteWidth = std::max(noteWidth, NoteMemo->fontMetrics().horizontalAdvance(line));
        resize(std::max(width(), noteWidth + 2 * static_cast<int>(NoteMemo->document()->documentMargin()) + 16),
               height());
    }
    auto* noteLayout = new QVBoxLayout(notePanel);
    noteLayout->setContentsMargins(1, 1, 1, 1);
    noteLayout->addWidget(NoteMemo);

    dsConnections = new TqxTableModel(QStringLiteral("ConnectionName"), QCoreApplication::translate("TFrmManageConnections", "Connection Name"), this);
    dsConnections->setObjectName(QStringLiteral("dsConnections"));
    // The names import and applying take, and no others: each must reach netsh as one argument.
    dsConnections->SetValueCheck(
        [](const QString& name) { return QString::fromStdString(ConnectionNameFault(name.toStdString())); });
    // Told once the grid has closed its editor (a box at once would take the focus from it
    // halfway); then the grid has the focus again, for the name to be typed anew.
    connect(dsConnections, &TqxTableModel::ValueRefused, this, [this](const QString& why) {
        ShowErrorBox(why);
        ConnectionsDBGrid->setFocus();
    }, Qt::QueuedConnection);
    ConnectionsDBGrid = new TqxDBGrid(this);
    ConnectionsDBGrid->setObjectName(QStringLiteral("ConnectionsDBGrid"));
    ConnectionsDBGrid->setAccessibleName(windowTitle());
    ConnectionsDBGrid->setModel(dsConnections);
    connect(dsConnections, &QAbstractItemModel::modelReset, ConnectionsDBGrid, &TqxDBGrid::FollowTable);
    ConnectionsDBGrid->setColumnWidth(0, 200);

    auto* buttonBar = new QWidget(this);
    buttonBar->setFixedHeight(41);
    BitBtn1 = new QPushButton(QCoreApplication::translate("TFrmManageConnections", "Ok"), buttonBar);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttonLayout = new QHBoxLayout(buttonBar);
    buttonLayout->addStretch();
    buttonLayout->addWidget(BitBtn1);
    buttonLayout->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(notePanel);
    layout->addWidget(ConnectionsDBGrid, 1);
    layout->addWidget(buttonBar);
}

void TFrmManageConnections::SetDataSet(TqxTable* value)
{
    FDataSet = value;
    if (value) {
        dsConnections->SetDataSet(value);
        ConnectionsDBGrid->setColumnWidth(0, 200);
        ConnectionsDBGrid->FollowTable();
    }
}

void TFrmManageConnections::done(int result)
{
    // Closing takes the focus from the grid for good: an untouched new row goes.
    RunCommand([this] { dsConnections->DropUntouched(); });
    QDialog::done(result);
}

void TFrmManageConnections::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CenterOnScreen(this);
    ConnectionsDBGrid->setFocus();
}
