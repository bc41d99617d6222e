#pragma once
// The connection name list: the store's connection names in a one-column grid
// where names can be added (Insert, or moving down past the last row) and deleted
// (Ctrl+Delete). Stored names are not edited in place.
#include <QAbstractTableModel>
#include <QDialog>
#include <QPointer>
#include <QTableView>
#include <functional>

class QPushButton;
class QTextEdit;
class TqxTable;

// A data source over one field of a table: the stored rows, and after them the
// pending new row while the table is inserting. Stored rows are read-only.
class TqxTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TqxTableModel(const QString& fieldName, const QString& title, QObject* parent = nullptr);

    TqxTable* DataSet() const { return FDataSet; }
    void SetDataSet(TqxTable* table);
    // Why a typed value may not be stored, or empty when it may; a refused value is
    // not taken, and ValueRefused tells why.
    void SetValueCheck(std::function<QString(const QString&)> check) { FCheck = std::move(check); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    bool Inserting() const;
    // True once something was typed into the pending new row.
    bool Touched() const { return FTouched; }
    // The grid row of the table's current row (the pending row while inserting), -1 for none.
    int CurrentRow() const;
    // True while the model itself changes the table (its rows are in flux).
    bool Changing() const { return FOwnChange > 0; }

    // Makes row current; a pending new row is saved first when typed into, dropped when not.
    void MoveTo(int row);
    // Starts a new row after the stored ones; a pending one is saved first when typed into,
    // and kept (no second one) when not.
    void Append();
    // Drops the pending new row when nothing was typed into it.
    void DropUntouched();
    // Deletes the current row (a pending new row is just dropped).
    void DeleteCurrent();

signals:
    void ValueRefused(const QString& why);

private:
    void EndPending();
    // A change of the table that the model announces itself; the table's signals wait meanwhile.
    template <class F>
    void OwnChange(F&& change);
    // An own change that takes grid row `row` away.
    template <class F>
    void RemoveRow(int row, F&& change);
    void TableChanged();
    void IndicatorChanged();

    QString FFieldName;
    QString FTitle;
    QPointer<TqxTable> FDataSet;
    std::function<QString(const QString&)> FCheck;
    bool FTouched = false;
    int FOwnChange = 0;
};

// The data-aware grid: keeps the table's current row and the view's current row together.
class TqxDBGrid : public QTableView {
    Q_OBJECT
public:
    explicit TqxDBGrid(QWidget* parent = nullptr);
    TqxTableModel* DataSource() const;
    // Puts the view's cursor on the table's current row.
    void FollowTable();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void FocusChanged(QWidget* old, QWidget* now);
    void StartNewRow();
    void ConfirmDelete();
    void CommitOpenEditor();

    bool FFollowing = false;
};

class TFrmManageConnections : public QDialog {
    Q_OBJECT
public:
    explicit TFrmManageConnections(QWidget* owner = nullptr);

    TqxTable* DataSet() const { return FDataSet; }
    // Binds the grid to table; an empty value leaves the grid on the table it has.
    void SetDataSet(TqxTable* value);

    QTextEdit* NoteMemo;
    TqxDBGrid* ConnectionsDBGrid;
    TqxTableModel* dsConnections;
    QPushButton* BitBtn1;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPointer<TqxTable> FDataSet;
};
