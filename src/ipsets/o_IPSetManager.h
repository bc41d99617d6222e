#pragma once
// TqxIPSetManager turns the two store tables into what the user sees: the tree of
// stored IP sets and the tree of the machine's current configuration; it also
// applies an IP set. It only refers to the trees, tables and tray icon; it owns none.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QSystemTrayIcon>
#include <QTreeWidget>

class TqxTable;

class TqxIPSetManager : public QObject {
    Q_OBJECT
public:
    explicit TqxIPSetManager(QObject* owner = nullptr);

    QTreeWidget* IPSetTreeView() const { return FIPSetTreeView; }
    QTreeWidget* AdapterTreeview() const { return FAdapterTreeview; }
    TqxTable* IPSetDataSet() const { return FIPSetDataSet; }
    TqxTable* ConnectionsDataSet() const { return FConnectionsDataSet; }
    QSystemTrayIcon* TrayIcon() const { return FTrayIcon; }

    // A reference to a component that is destroyed reads as empty afterwards.
    void SetIPSetTreeView(QTreeWidget* value);
    void SetAdapterTreeview(QTreeWidget* value);
    void SetIPSetDataSet(TqxTable* value);
    void SetConnectionsDataSet(TqxTable* value);
    void SetTrayIcon(QSystemTrayIcon* value);

    // Rebuilds the IP set tree from the store, then the current configuration tree.
    void UpdateUI();

    // Node data role that carries an IP set's ID on top-level nodes.
    static constexpr int IDRole = Qt::UserRole;

private:
    void BuildIPSetTree();
    void BuildAdapterTree();
    QString GetConnectionName(int connectionId);

    QPointer<QTreeWidget> FIPSetTreeView;
    QPointer<TqxTable> FIPSetDataSet;
    QPointer<TqxTable> FConnectionsDataSet;
    QPointer<QTreeWidget> FAdapterTreeview;
    QPointer<QSystemTrayIcon> FTrayIcon;
};
