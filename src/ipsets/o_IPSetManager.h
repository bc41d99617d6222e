#pragma once
// TqxIPSetManager turns the two store tables into what the user sees: the tree of
// stored IP sets and the tree of the machine's current configuration; it also
// applies an IP set. It only refers to the trees, tables and tray icon; it owns none.
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <chrono>
#include <functional>
#include <string>
#include <vector>
#include <QSystemTrayIcon>
#include <QTreeWidget>

class TqxNetworkAdapterManager;
#include "ipsets/ConnectionAdapters.h"
#include "ipsets/IPSetApplier.h"
#include "ipsets/InEffect.h"
#include "store/o_DatabaseConnection.h"

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

    // Where the current configuration comes from: the process-wide adapter
    // manager unless another is given (tests give canned adapters).
    void SetAdapterManager(TqxNetworkAdapterManager* manager) { FAdapterManager = manager; }

    // Which adapter carries which connection, for the adapters of the snapshot:
    // the system's connection discovery unless another is given (tests).
    void SetConnectionMapper(TConnectionMapper mapper) { FConnectionMapper = std::move(mapper); }
    // Both, for others that read the same snapshot (the IP set editor).
    TConnectionAdapters CurrentConfiguration() const { return {FAdapterManager, FConnectionMapper}; }

    // Rebuilds the IP set tree from the store, then the current configuration
    // tree, then the marks of the sets in effect.
    void UpdateUI();
    // Reads the current configuration again and updates the marks; the IP set
    // tree's nodes (and so the user's selection) stay.
    void RefreshCurrentConfiguration();

    // The IDs of the stored sets in effect as of the last refresh.
    const QSet<int>& InEffectIDs() const { return FInEffect; }
    // The picture on an in-effect set's top-level node.
    void SetInEffectIcon(const QIcon& icon) { FInEffectIcon = icon; }

    // Puts the IP set with this ID onto its connection: netsh sets the address,
    // then the DNS server, under the wait box; both trees are rebuilt and a
    // balloon tells how it went. An unknown ID does nothing; a set whose
    // connection is gone raises "Error Applying IP Set". A request while another
    // is under way is ignored.
    //
    // Before a static set is applied, the link is asked whether another device
    // uses its address (ipsets/AddressGuard.h); when one answers, the question
    // decides: false (or no question given) leaves everything as it is.
    void ApplyIPSet(int AIPSet);
    bool Applying() const { return FApplying; }
    using TAddressInUseQuestion = std::function<bool(const QString& question)>;
    void SetAddressInUseQuestion(TAddressInUseQuestion question) { FAddressInUseQuestion = std::move(question); }

    // How long one netsh run may take, and the pause after each (tests shorten them).
    void SetCommandTimeLimit(std::chrono::milliseconds limit) { FTimeLimit = limit; }
    void SetCommandPause(std::chrono::milliseconds pause) { FPause = pause; }
    // Whether applying needs the helper with administrator rights, and how it starts (tests).
    void SetElevation(ElevationSeam elevation) { FElevation = std::move(elevation); }

    // Node data role that carries an IP set's ID on top-level nodes: an int, or
    // text for an ID outside 1 to 2147483647 (NodeID), which PickedID refuses.
    static constexpr int IDRole = Qt::UserRole;
    static QVariant NodeID(const QVariant& storedId);
    static int PickedID(const QVariant& nodeId);
    // True on the top-level node of a set in effect.
    static constexpr int InEffectRole = Qt::UserRole + 1;
    // The adapter's name on the current configuration tree's top-level nodes.
    static constexpr int AdapterNameRole = Qt::UserRole + 2;

signals:
    void ApplyingChanged(bool applying);
    // The marks were recomputed (after every refresh, changed or not).
    void InEffectChanged();

private:
    void BuildIPSetTree();
    void BuildAdapterTree();
    void UpdateMarks();
    // Looks for another device on the address; true when the change may go ahead.
    // Leaves the address line as the look decided.
    bool AddressMayBeTaken(IPSetApplication& application, const std::function<void()>& pump);

    QPointer<QTreeWidget> FIPSetTreeView;
    QPointer<TqxTable> FIPSetDataSet;
    QPointer<TqxTable> FConnectionsDataSet;
    QPointer<QTreeWidget> FAdapterTreeview;
    QPointer<QSystemTrayIcon> FTrayIcon;
    TqxNetworkAdapterManager* FAdapterManager = nullptr;
    TConnectionMapper FConnectionMapper;
    QSet<int> FInEffect;
    QIcon FInEffectIcon;
    TAddressInUseQuestion FAddressInUseQuestion;
    bool FApplying = false;
    std::chrono::milliseconds FTimeLimit = TqxIPSetApplier::kTimeLimit;
    std::chrono::milliseconds FPause = TqxIPSetApplier::kPause;
    ElevationSeam FElevation;
};
